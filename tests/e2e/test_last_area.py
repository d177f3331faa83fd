""""Повторить последнюю область": with no area captured yet it is a plain
area capture; after one, it opens the editor at once with the same
selection on the screen, and Ctrl+C copies a picture of the same size. Its
hotkey, stored as "hkLastArea", does the same."""
import struct

import harness
from harness import PROGRAM_KEY, ScenarioError, Session, wait_for
from test_capture import clipboard_bmp

# Items of the tray menu are 19 px high under a 3 px border; the repeat is
# the third, after "Сделать скриншот" and "Снимок с задержкой".
MENU_BORDER, MENU_ITEM, REPEAT_ITEM = 3, 19, 2
AREA = (300, 200, 700, 500)
# Ctrl+Shift+L in the stored form of a hotkey.
LAST_AREA_HOTKEY = 0x4000 | 0x2000 | 0x4C


def count(app, text):
    return sum(text in line for line in app.trace())


def repeat_last_area(s, app):
    shown = count(app, "capture shown")
    menu = s.tray_menu()
    left, top, right, _ = menu["rect"]
    s.click((left + right) // 2, top + MENU_BORDER + MENU_ITEM * REPEAT_ITEM + MENU_ITEM // 2)
    wait_for(lambda: count(app, "capture shown") > shown, 20, "the capture")
    return menu["rect"]


def menu_gone_from_frozen_screen(s, menu):
    """Where the menu stood above the notification, the frozen (dimmed)
    screen is the flat desktop: the menu was gone before the freeze."""
    left, top, right, bottom = menu
    hint = s.find_window(cls="TBHintForm", visible=True)
    if hint:
        bottom = min(bottom, hint["rect"][1])
    (desktop,) = s.pixels(left - 20, top, 1, 1).values()
    ghost = [p for p, c in s.pixels(left, top, right - left, bottom - top).items()
             if c != desktop]
    if ghost:
        raise ScenarioError(f"the tray menu is in the frozen screen: {ghost[:5]}")


def copy_selection(s, app):
    copies = count(app, "copied to the clipboard")
    s.key("ctrl+c")
    wait_for(lambda: count(app, "copied to the clipboard") > copies, 15, "the copy")
    bmp = wait_for(lambda: clipboard_bmp(s), 15, "a bitmap on the clipboard")
    width, height = struct.unpack_from("<ii", bmp, 18)
    wait_for(lambda: not s.find_window(cls="TSetRegionForm", visible=True), 10,
             "the capture to close")
    return width, abs(height)


def scenario():
    with Session("last-area") as s:
        s.reg_run("add", "HKCU\\" + PROGRAM_KEY, "/v", "hkLastArea", "/t", "REG_DWORD", "/d",
                  str(LAST_AREA_HOTKEY), "/f")
        app = s.start()
        s.wait_window(cls="TVEY_Lumigrab_MainForm")

        # None yet: the prompt of a plain area capture, no selection.
        repeat_last_area(s, app)
        if count(app, "capture selection") or count(app, "editor opened"):
            raise ScenarioError("a repeat with no last area opened with a selection")
        s.xdotool("mousemove", 400, 300)
        s.drag(*AREA, steps=12)
        app.wait_trace("editor opened")
        size = copy_selection(s, app)
        if size != (AREA[2] - AREA[0], AREA[3] - AREA[1]):
            raise ScenarioError(f"the area capture copied {size}")

        # Again: the editor opens at once with the same rectangle.
        opened = count(app, "editor opened")
        menu = repeat_last_area(s, app)
        wait_for(lambda: count(app, "editor opened") > opened, 10, "the editor")
        menu_gone_from_frozen_screen(s, menu)
        app.wait_trace("capture selection %d,%d,%d,%d" % AREA)
        s.screenshot("last-area-repeat")
        repeated = copy_selection(s, app)
        if repeated != size:
            raise ScenarioError(f"the repeat copied {repeated}, the area {size}")

        # The stored hotkey repeats it too.
        opened = count(app, "editor opened")
        s.key("ctrl+shift+l")
        app.wait_trace("hotkey, kind 3")
        wait_for(lambda: count(app, "editor opened") > opened, 10, "the editor from the hotkey")
        if count(app, "capture selection %d,%d,%d,%d" % AREA) != 2:
            raise ScenarioError("the hotkey did not open the last area")
        if copy_selection(s, app) != size:
            raise ScenarioError("the hotkey's repeat copied another size")


if __name__ == "__main__":
    harness.run(scenario)
