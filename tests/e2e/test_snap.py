"""Snapping an area capture to a window: with Notepad open, the outline
follows the pointer from Notepad's frame onto its text field and a click
selects exactly the field; a wheel notch away from the user outlines the
frame, one towards the user the field again, and a click selects the frame;
Ctrl+C copies a picture of the outlined size. The outline is looked at on the
screen at 100 % and 150 %."""
import struct

import harness
from harness import SIZE, ScenarioError, Session, wait_for
from test_capture import clipboard_bmp

ACCENT = (28, 194, 241)


def notepad_and_edit(s):
    """Notepad's top-level window and its text field, as the system has them."""
    notepad = s.wait_window(cls="Notepad", visible=True, timeout=60)
    children = s.probe("children", str(notepad["hwnd"])) or []
    edits = [c for c in children if c["class"].lower() == "edit" and c["visible"]]
    if not edits:
        raise ScenarioError(f"Notepad has no text field: {children}")
    return notepad["rect"], edits[0]["rect"]


def outline_width(s, rect):
    """How many accent pixels run inward from the left edge of `rect` at its
    middle; 0 while no outline shows there."""
    left, top, right, bottom = rect
    y = (top + bottom) // 2
    # Two pixels outside too, where the screen has them: an outline drawn
    # outside the window's edge is a fault.
    start = max(left - 2, 0)
    found = s.pixels(start, y, left + 8 - start, 1)

    def accent(x):
        return all(abs(a - b) <= 8 for a, b in zip(found[(x, y)], ACCENT))

    if any(accent(x) for x in range(start, left)):
        return -1
    width = 0
    while width < 8 and accent(left + width):
        width += 1
    return width


def wait_outline(s, rect, line):
    return wait_for(lambda: outline_width(s, rect) == line or None, 20,
                    f"a {line}-pixel outline on {rect}")


def open_capture(s, app, at):
    """An area capture by its hotkey with the pointer resting at `at`, once
    its window tree has been read. The pointer does not travel while the
    capture opens: Wine may hand the capture a move from where a tray click
    left the pointer after a later one, and a move away and back starts the
    wheel over."""
    s.click(*at)  # the X focus on a Wine window, for the hotkey
    before = count(app, "snap windows")
    s.key("Print")
    wait_more(app, "snap windows", before, "the window tree of the capture")


def count(app, text):
    return sum(text in line for line in app.trace())


def wait_more(app, text, before, what):
    """Waits for a trace line seen `before` times so far to come once more."""
    wait_for(lambda: count(app, text) > before, 20, what)


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def click_and_copy(s, app, at):
    """Clicks at `at` and copies what the click selected; the copy's size."""
    opened = count(app, "editor opened")
    s.click(*at)
    wait_more(app, "editor opened", opened, "the editor")
    copied = count(app, "copied to the clipboard")
    s.key("ctrl+c")
    wait_more(app, "copied to the clipboard", copied, "the copy")
    bmp = wait_for(lambda: clipboard_bmp(s), 15, "a bitmap on the clipboard")
    width, height = struct.unpack_from("<ii", bmp, 18)
    wait_for(lambda: not s.find_window(cls="TSetRegionForm", visible=True), 10,
             "the capture to close")
    return width, abs(height)


def clipped(rect):
    l, t, r, b = rect
    return max(l, 0), max(t, 0), min(r, SIZE[0]), min(b, SIZE[1])


def snap_session(name, log_pixels, line, check_selection):
    with Session(name, log_pixels=log_pixels) as s:
        app = s.start()
        app.wait_trace("hotkeys registered")
        notepad_proc = s.wine_popen("wine", "notepad")
        try:
            frame, edit = notepad_and_edit(s)
            print(f"Notepad {frame}, its text field {edit}")

            # Opened over the title bar, which is Notepad's own: the frame is
            # outlined, and the outline follows the pointer onto the field.
            l, t, r, b = clipped(frame)
            open_capture(s, app, (centre(frame)[0], frame[1] + (edit[1] - frame[1]) // 4))
            wait_outline(s, (l, t, r, b), line)
            s.xdotool("mousemove", *centre(edit))
            wait_outline(s, edit, line)
            print(f"outline on the text field: {s.screenshot(f'snap-outline-{name}')}")
            if not check_selection:
                s.key("Escape")
                return

            edit_size = (edit[2] - edit[0], edit[3] - edit[1])
            got = click_and_copy(s, app, centre(edit))
            if got != edit_size:
                raise ScenarioError(f"the click on the text field copied {got}, not {edit_size}")

            open_capture(s, app, centre(edit))
            wait_outline(s, edit, line)
            s.xdotool("click", 4)  # a notch away from the user: out to the window
            wait_outline(s, (l, t, r, b), line)
            s.xdotool("click", 5)  # and back in
            wait_outline(s, edit, line)
            s.xdotool("click", 4)
            wait_outline(s, (l, t, r, b), line)
            s.screenshot(f"snap-outline-frame-{name}")
            got = click_and_copy(s, app, centre(edit))
            if got != (r - l, b - t):
                raise ScenarioError(f"the click on Notepad's frame copied {got}, "
                                    f"not {(r - l, b - t)}")
            if not app.running():
                raise ScenarioError("the program ended")
        finally:
            notepad_proc.kill()
            notepad_proc.wait(timeout=30)


def scenario():
    snap_session("snap", None, 2, True)
    snap_session("snap-144", 144, 3, False)


if __name__ == "__main__":
    harness.run(scenario)
