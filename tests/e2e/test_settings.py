"""The settings window: opened by a second start; a combination another
program holds is explained beside its editor; PrintScreen typed into an
editor starts no capture; changed hotkeys and options are saved and hold
after a restart (the new combination captures, the old one does not);
reset then cancel changes nothing; a combination another program takes
before "СОХРАНИТЬ" is stored as 0 and told in the notification; a bare key
an older version stored is not registered and is explained; the three
pages at 96 and 144 DPI."""

import harness
from harness import PROGRAM_KEY, ScenarioError, Session, wait_for
from test_hotkeys import Trace, capture_visible, close_capture, focus_desktop, stays_false

KEY = "HKCU\\" + PROGRAM_KEY
VALUES = ("path", "showcursor", "playsound", "hkAllScreen", "hkAreaScreen", "hkWindow",
          "TwoMouse", "Server", "SaveLocal", "format", "ShowRedact", "OpenURL")

# Places in the window's client area at 96 DPI (the window's own layout).
PAGE = (142, 51)  # the page area's top-left corner
PAGE_BUTTONS = {"main": (81, 104), "hot": (81, 212), "save": (81, 320)}
AREA_EDITOR = (PAGE[0] + 30 + 96, PAGE[1] + 114 + 16)
AREA_BOX_TOP = (PAGE[0] + 30 + 96, PAGE[1] + 114)
TWO_MOUSE_LABEL = (PAGE[0] + 30 + 58, PAGE[1] + 252 + 10)
PLAY_SOUND_LABEL = (PAGE[0] + 30 + 58, PAGE[1] + 198 + 10)
RESET_LABEL = (110, 398)
CANCEL = (432, 402)
SAVE = (586, 402)
CHOOSE_FOLDER = (PAGE[0] + 401 + 44, PAGE[1] + 221 + 16)
PICKER_CANCEL = (20 + 71, 634 - 56 + 9 + 19)  # in the folder picker
SIZE96 = (681, 439)
WARNING = (245, 183, 64)


def px(v, dpi):
    return (v * dpi + 48) // 96


def stored(s):
    return {name: (s.reg(PROGRAM_KEY, name) or {}).get("data") for name in VALUES}


def start_ready(s, want="all 1, window 1, area 1"):
    app = s.start()
    app.wait_trace("hotkeys registered")
    line = Trace(app).last("hotkeys registered")
    if line != f"hotkeys registered: {want}":
        raise ScenarioError(f"start-up registration: {line}")
    s.tray_icon_center()
    return app


class SettingsWindow:
    def __init__(self, s, app, dpi):
        self.s, self.app, self.dpi = s, app, dpi
        self.t = Trace(app)
        shown = self.t.count("settings window shown")
        second = s.start()
        code = second.wait_exit(timeout=30)
        if code != 0:
            raise ScenarioError(f"the second start ended with {code}")
        self.t.wait_next("settings window shown", shown)
        win = s.wait_window(cls="TSettingForm", visible=True)
        self.rect = win["rect"]
        want = (px(SIZE96[0], dpi), px(SIZE96[1], dpi))
        got = (self.rect[2] - self.rect[0], self.rect[3] - self.rect[1])
        if got != want:
            raise ScenarioError(f"the settings window is {got}, not {want}")

    def at(self, point):
        return (self.rect[0] + px(point[0], self.dpi), self.rect[1] + px(point[1], self.dpi))

    def click(self, point):
        self.s.click(*self.at(point))

    def page(self, name):
        self.click(PAGE_BUTTONS[name])

    def end(self, button, trace):
        n = self.t.count(trace)
        self.click(button)
        self.t.wait_next(trace, n)
        wait_for(lambda: not self.s.find_window(cls="TSettingForm", visible=True), 10,
                 "the settings window to close")


def refused_at_start(s):
    """PrintScreen held by another program: the start-up stays quiet, the
    hotkeys page says why beside the area editor."""
    holder = s.hold_hotkey(0, 0x2C)
    try:
        app = start_ready(s, "all 1, window 1, area 0")
        w = SettingsWindow(s, app, 96)
        w.page("hot")
        x, y = w.at(AREA_BOX_TOP)
        wait_for(lambda: s.pixels(x, y, 1, 1).get((x, y)) == WARNING, 15,
                 "the refused editor's box in the warning colour")
        s.screenshot("settings-hot-refused")
        w.end(CANCEL, "settings closed")
        app.close()
    finally:
        holder.kill()
        holder.wait(timeout=10)


def change_save_restart(s):
    app = start_ready(s)
    t = Trace(app)
    w = SettingsWindow(s, app, 96)
    s.screenshot("settings-main")
    w.click(PLAY_SOUND_LABEL)  # off
    w.page("hot")

    # PrintScreen in an editor is the user typing it, not a capture (the
    # hotkey still arrives; the capture declines it).
    w.click(AREA_EDITOR)
    shown = t.count("capture shown")
    s.key("Print")
    if not stays_false(lambda: t.count("capture shown") > shown or capture_visible(s), 3):
        raise ScenarioError("PrintScreen in a hotkey editor started a capture")
    s.key("ctrl+F9")
    w.click(TWO_MOUSE_LABEL)  # off
    s.screenshot("settings-hot")
    w.page("save")
    s.screenshot("settings-save")

    # The folder picker, looked at and cancelled: the folder stays.
    w.click(CHOOSE_FOLDER)
    picker = s.wait_window(cls="TSelectDirForm", visible=True)
    s.screenshot("settings-folder-picker")
    s.click(picker["rect"][0] + PICKER_CANCEL[0], picker["rect"][1] + PICKER_CANCEL[1])
    wait_for(lambda: not s.find_window(cls="TSelectDirForm", visible=True), 10,
             "the folder picker to close")
    w.end(SAVE, "settings saved")

    got = stored(s)
    want = {"hkAreaScreen": 0x4078, "TwoMouse": 0, "playsound": 0,
            "hkAllScreen": 0x202C, "hkWindow": 0x802C}
    for name, value in want.items():
        if got[name] != value:
            raise ScenarioError(f"{name} stored as {got[name]}, not {value}: {got}")
    app.close()

    # After a restart the new combination captures and the old one does not.
    app = start_ready(s)
    t = Trace(app)
    focus_desktop(s)
    shown = t.count("capture shown")
    s.key("ctrl+F9")
    t.wait_next("capture shown", shown)
    if t.last("hotkey, kind") != "hotkey, kind 0":
        raise ScenarioError(f"Ctrl+F9 gave {t.last('hotkey, kind')}")
    close_capture(s, t)
    focus_desktop(s)
    s.key("Print")
    if not stays_false(lambda: t.count("capture requested") > 1 or
                       t.count("hotkey, kind") > 1, 3):
        raise ScenarioError("the old PrintScreen still started a capture")

    # Reset, then cancel: nothing stored changes.
    before = stored(s)
    w = SettingsWindow(s, app, 96)
    w.click(RESET_LABEL)
    w.end(CANCEL, "settings closed")
    if stored(s) != before:
        raise ScenarioError(f"reset then cancel changed {before} into {stored(s)}")
    focus_desktop(s)
    s.key("Print")
    if not stays_false(lambda: t.count("hotkey, kind") > 1, 2):
        raise ScenarioError("reset then cancel brought PrintScreen back")
    app.close()


def refused_on_save(s):
    """The user types Ctrl+F10; another program takes it before the save:
    the window closes, 0 is stored, and the notification says which
    combination and what is left without a hotkey."""
    app = start_ready(s)
    t = Trace(app)
    w = SettingsWindow(s, app, 96)
    w.page("hot")
    w.click(AREA_EDITOR)
    s.key("ctrl+F10")
    holder = s.hold_hotkey(2, 0x79)  # MOD_CONTROL, F10
    try:
        notes = t.count("notification shown")
        w.end(SAVE, "settings saved")
        t.wait_next("settings: hotkeys refused on save", 0)
        t.wait_next("notification shown", notes)
        s.wait_window(cls="TBHintForm", visible=True, timeout=10)
        s.screenshot("settings-refused-on-save")
        if stored(s)["hkAreaScreen"] != 0:
            raise ScenarioError(f"the refused combination was stored: {stored(s)}")
    finally:
        holder.kill()
        holder.wait(timeout=10)
    app.close()


def bare_key_stored(s):
    """An older version stored Q alone for the area capture: it is not
    registered (Q keeps typing everywhere), and the hotkeys page says why."""
    s.reg_run("add", KEY, "/v", "hkAreaScreen", "/t", "REG_DWORD", "/d", str(ord("Q")), "/f")
    app = start_ready(s, "all 1, window 1, area 0")
    t = Trace(app)
    focus_desktop(s)
    s.key("q")
    if not stays_false(lambda: t.count("hotkey, kind") > 0 or capture_visible(s), 2):
        raise ScenarioError("a bare Q started a capture")
    w = SettingsWindow(s, app, 96)
    w.page("hot")
    x, y = w.at(AREA_BOX_TOP)
    wait_for(lambda: s.pixels(x, y, 1, 1).get((x, y)) == WARNING, 15,
             "the bare key's box in the warning colour")
    s.screenshot("settings-hot-bare-key")
    w.end(CANCEL, "settings closed")
    app.close()


def pages_at(s, dpi):
    app = start_ready(s)
    w = SettingsWindow(s, app, dpi)
    s.screenshot(f"settings-main-{dpi}")
    w.page("hot")
    s.screenshot(f"settings-hot-{dpi}")
    w.page("save")
    s.screenshot(f"settings-save-{dpi}")
    w.end(CANCEL, "settings closed")
    app.close()


def scenario():
    # Each session's prefix is new: no settings at the start.
    with Session("settings") as s:
        refused_at_start(s)
        change_save_restart(s)
        refused_on_save(s)
        bare_key_stored(s)
    with Session("settings_hidpi", log_pixels=144) as s:
        pages_at(s, 144)


if __name__ == "__main__":
    harness.run(scenario)
