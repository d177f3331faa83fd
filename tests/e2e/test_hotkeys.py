"""Captures started without the tray: PrintScreen for an area,
Shift+PrintScreen for the whole screen, Alt+PrintScreen for the window in
front (another program's), and the left+right mouse chord, which does
nothing once it is switched off in the settings."""
import struct
import subprocess

import harness
from harness import PROGRAM_KEY, SIZE, ScenarioError, Session, wait_for
from test_capture import clipboard_bmp

KEY = "HKCU\\" + PROGRAM_KEY
EMPTY_SPOT = (640, 360)


class Trace:
    """Counts trace lines, so each wait is for a new one."""

    def __init__(self, app):
        self.app = app

    def count(self, text):
        return sum(text in line for line in self.app.trace())

    def wait_next(self, text, before, timeout=20):
        return wait_for(lambda: self.count(text) > before, timeout,
                        f"trace line '{text}' number {before + 1} (have: {self.app.trace()})")

    def last(self, text):
        lines = [line for line in self.app.trace() if text in line]
        return lines[-1] if lines else None


def start_ready(s):
    app = s.start()
    app.wait_trace("hotkeys registered")
    line = Trace(app).last("hotkeys registered")
    if line != "hotkeys registered: all 1, window 1, area 1":
        raise ScenarioError(f"the defaults were not all registered: {line}")
    s.tray_icon_center()
    return app


def capture_visible(s):
    return s.find_window(cls="TSetRegionForm", visible=True)


def panels_in_front(s):
    """Waits until both panels are shown above the capture window (the
    windows list runs from the top of the stacking down)."""
    def look():
        order = [w["class"] for w in s.windows() if w["visible"]]
        return ("TSetRegionForm" in order and
                all(p in order and order.index(p) < order.index("TSetRegionForm")
                    for p in ("TPanelSave", "TPanelTools")))
    wait_for(look, 10, "the panels above the capture window")
    # The stacking has been seen to change a moment after the showing.
    if stays_false(lambda: not look(), 2):
        return
    raise ScenarioError("the capture window went over its panels")


def close_capture(s, t):
    closed = t.count("capture closed")
    s.key("Escape")
    t.wait_next("capture closed", closed)
    wait_for(lambda: not capture_visible(s), 10, "the capture window to go")


def focus_desktop(s):
    # The keys reach the program's hotkeys while the desktop has the X focus.
    s.click(*EMPTY_SPOT)


def stays_false(predicate, seconds):
    """True when `predicate` holds at no poll during `seconds`."""
    try:
        wait_for(predicate, seconds, "")
    except ScenarioError:
        return True
    return False


def chord(s):
    s.xdotool("mousemove", *EMPTY_SPOT)
    s.xdotool("mousedown", 1)
    s.xdotool("mousedown", 3)


def release_chord(s):
    s.xdotool("mouseup", 3)
    s.xdotool("mouseup", 1)


def chord_switched_off(s):
    """TwoMouse = 0 in the registry before the start: the chord starts no
    capture."""
    s.reg_run("add", KEY, "/v", "TwoMouse", "/t", "REG_DWORD", "/d", "0", "/f")
    app = start_ready(s)
    try:
        t = Trace(app)
        focus_desktop(s)
        chord(s)
        release_chord(s)
        # With the setting on the same chord is seen within a second (below).
        if stays_false(lambda: t.count("capture requested") or capture_visible(s), 3):
            return
        raise ScenarioError("the chord started a capture with TwoMouse off")
    finally:
        app.close()
        s.reg_run("delete", KEY, "/v", "TwoMouse", "/f", check=False)


def hotkeys_and_chord(s):
    app = start_ready(s)
    t = Trace(app)

    # PrintScreen: an area capture, the prompt over the frozen screen.
    focus_desktop(s)
    shown = t.count("capture shown")
    s.key("Print")
    t.wait_next("capture shown", shown)
    if t.last("hotkey, kind") != "hotkey, kind 0":
        raise ScenarioError(f"PrintScreen gave {t.last('hotkey, kind')}")
    if t.count("editor opened"):
        raise ScenarioError("an area capture opened the editor before a selection")
    s.screenshot("hotkey-area-prompt")
    close_capture(s, t)

    # Shift+PrintScreen: the whole screen is selected and the editor opens.
    focus_desktop(s)
    opened = t.count("editor opened")
    s.key("shift+Print")
    t.wait_next("editor opened", opened)
    if t.last("hotkey, kind") != "hotkey, kind 2":
        raise ScenarioError(f"Shift+PrintScreen gave {t.last('hotkey, kind')}")
    if t.last("capture selection") != f"capture selection 0,0,{SIZE[0]},{SIZE[1]}":
        raise ScenarioError(f"whole screen: {t.last('capture selection')}")
    panels_in_front(s)
    s.screenshot("hotkey-whole-screen")
    close_capture(s, t)

    # Alt+PrintScreen with another program's window in front: exactly it.
    notepad = s.wine_popen("notepad", stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        win = s.wait_window(cls="Notepad", visible=True)
        l, t_, r, b = win["rect"]
        s.click((l + r) // 2, (t_ + b) // 2)  # into its text: it is in front
        win = s.find_window(cls="Notepad", visible=True)
        opened = t.count("editor opened")
        s.key("alt+Print")
        t.wait_next("editor opened", opened)
        if t.last("hotkey, kind") != "hotkey, kind 1":
            raise ScenarioError(f"Alt+PrintScreen gave {t.last('hotkey, kind')}")
        l, t_, r, b = win["rect"]
        # The frame as the compositor shows it, or (Wine without one) the
        # window rectangle, clipped to the screen.
        want = [max(l, 0), max(t_, 0), min(r, SIZE[0]), min(b, SIZE[1])]
        got = t.last("capture selection")
        if got != "capture selection " + ",".join(map(str, want)):
            raise ScenarioError(f"notepad at {win['rect']}, {got}")
        panels_in_front(s)
        s.screenshot("hotkey-window")
        copied = t.count("copied to the clipboard")
        s.key("ctrl+c")
        t.wait_next("copied to the clipboard", copied)
        bmp = wait_for(lambda: clipboard_bmp(s), 15, "a bitmap on the clipboard")
        width, height = struct.unpack_from("<ii", bmp, 18)
        if (width, abs(height)) != (want[2] - want[0], want[3] - want[1]):
            raise ScenarioError(f"the clipboard holds {width}x{height}, the window is {want}")
        if capture_visible(s):
            close_capture(s, t)
    finally:
        notepad.kill()
        notepad.wait(timeout=10)
    wait_for(lambda: not s.find_window(cls="Notepad", visible=True), 20, "notepad to end")

    # The chord, with TwoMouse on (the default): an area capture.
    requested = t.count("capture requested, kind 0")
    shown = t.count("capture shown")
    chord(s)
    t.wait_next("capture requested, kind 0", requested)
    t.wait_next("capture shown", shown)
    release_chord(s)
    s.screenshot("chord-capture")
    close_capture(s, t)
    if not app.running():
        raise ScenarioError("the program ended")


def scenario():
    with Session("hotkeys") as s:
        chord_switched_off(s)
        hotkeys_and_chord(s)


if __name__ == "__main__":
    harness.run(scenario)
