"""A delayed capture from the tray: "Снимок с задержкой" and its delays,
the countdown panel over everything, gone before the screen is frozen,
Esc cancelling it (and free again for other programs), a second choice
starting it over and a capture started another way replacing it; the
menu and the countdown at 96 and 144 DPI."""
import harness
from harness import ScenarioError, Session, wait_for

COUNTDOWN = "TLumigrabCountdown"
# The countdown's client size in 96-DPI pixels, and the panel's surface.
COUNTDOWN_SIZE = (132, 112)
PANEL = (9, 26, 50)
# Items of the tray menu are 19 px high under a 3 px border.
MENU_BORDER, MENU_ITEM = 3, 19
DELAYS = {3: 0, 5: 1, 10: 2}  # seconds -> item of the submenu
ESCAPE = 0x1B


def px(v, dpi):
    return (v * dpi + 48) // 96


def menus(s):
    return [w for w in s.windows() if w["class"] == "#32768" and w["visible"]]


def item_y(menu, index, dpi):
    return menu["rect"][1] + px(MENU_BORDER + MENU_ITEM * index + MENU_ITEM // 2, dpi)


def open_delays(s, dpi, shot=None):
    """The tray menu with its delay submenu open: (menu, submenu)."""
    menu = s.tray_menu()
    left, _, right, _ = menu["rect"]
    # "Снимок с задержкой" is the second item, right after "Сделать скриншот".
    s.click((left + right) // 2, item_y(menu, 1, dpi))
    sub = wait_for(lambda: next((m for m in menus(s) if m["rect"] != menu["rect"]), None), 10,
                   "the delay submenu")
    if shot:
        s.xdotool("mousemove", (sub["rect"][0] + sub["rect"][2]) // 2, item_y(sub, 0, dpi))
        s.screenshot(shot)
    return menu, sub


def choose_delay(s, dpi, seconds, shot=None):
    _, sub = open_delays(s, dpi, shot)
    s.click((sub["rect"][0] + sub["rect"][2]) // 2, item_y(sub, DELAYS[seconds], dpi))
    wait_for(lambda: not menus(s), 10, "the tray menu to close")


def countdown_window(s):
    return s.find_window(cls=COUNTDOWN, visible=True)


def panel_pixels(s, rect):
    l, t, r, b = rect
    region = s.pixels(l, t, r - l, b - t)
    return sum(1 for c in region.values() if c == PANEL)


def count(app, text):
    return sum(text in line for line in app.trace())


def first(app, text):
    return next(i for i, line in enumerate(app.trace()) if text in line)


def close_capture(s, app):
    closed = count(app, "capture closed")
    s.key("Escape")
    wait_for(lambda: count(app, "capture closed") > closed, 10, "the capture to close")
    wait_for(lambda: not s.find_window(cls="TSetRegionForm", visible=True), 10,
             "the capture window to go")


def esc_free(s):
    """Another program can register Esc alone as its hotkey."""
    holder = s.hold_hotkey(0, ESCAPE)
    holder.kill()
    holder.wait(timeout=10)


def scenario_at(dpi):
    with Session(f"delay-{dpi}", log_pixels=None if dpi == 96 else dpi) as s:
        app = s.start()
        s.wait_window(cls="TVEY_Lumigrab_MainForm")
        s.tray_icon_center()

        # "3 секунды": the countdown shows over everything, at the scale,
        # then hides, and an area capture opens as from the tray.
        choose_delay(s, dpi, 3, shot=f"delay-menu-{dpi}")
        app.wait_trace("countdown started, 3 s")
        win = s.wait_window(cls=COUNTDOWN, visible=True, timeout=5)
        l, t, r, b = win["rect"]
        if (r - l, b - t) != (px(COUNTDOWN_SIZE[0], dpi), px(COUNTDOWN_SIZE[1], dpi)):
            raise ScenarioError(f"the countdown is {win['rect']} at {dpi} DPI")
        # Clear of the pointer's prompt on the frozen screen.
        s.xdotool("mousemove", 40, 40)
        s.screenshot(f"delay-countdown-{dpi}")
        if panel_pixels(s, win["rect"]) < (r - l) * (b - t) // 2:
            raise ScenarioError("the countdown panel is not on the screen")
        app.wait_trace("countdown 2", timeout=5)
        app.wait_trace("capture shown", timeout=10)
        if countdown_window(s):
            raise ScenarioError("the countdown still shows over the capture")
        if first(app, "countdown over, window hidden") > first(app, "capture shown"):
            raise ScenarioError("the capture was frozen before the countdown hid")
        s.screenshot(f"delay-frozen-{dpi}")
        # The frozen screen shows dimmed: where the panel stood is the
        # flat desktop, like its surroundings.
        (beside,) = s.pixels(l - 20, t, 1, 1).values()
        stains = [p for p, c in s.pixels(l, t, r - l, b - t).items() if c != beside]
        if stains:
            raise ScenarioError(f"the countdown is in the frozen picture: {stains[:5]}")
        close_capture(s, app)
        if dpi != 96:
            return

        # Esc stops it; no capture follows, and Esc is free again: another
        # program can take it as its own hotkey.
        shown = count(app, "capture shown")
        choose_delay(s, dpi, 3)
        s.wait_window(cls=COUNTDOWN, visible=True, timeout=5)
        s.key("Escape")
        app.wait_trace("countdown cancelled", timeout=5)
        wait_for(lambda: not countdown_window(s), 5, "the countdown to hide")
        esc_free(s)
        if count(app, "capture shown") != shown or count(app, "countdown over") != 1:
            raise ScenarioError("a capture followed a cancelled countdown")

        # A second choice starts it over with its own delay.
        threes = count(app, "countdown started, 3 s")
        choose_delay(s, dpi, 10)
        app.wait_trace("countdown started, 10 s")
        try:
            esc_free(s)
        except ScenarioError:
            pass
        else:
            raise ScenarioError("Esc was not held while the countdown ran")
        choose_delay(s, dpi, 3)
        wait_for(lambda: count(app, "countdown started, 3 s") == threes + 1, 5, "the restart")
        # Well inside the ten seconds of the first choice.
        wait_for(lambda: count(app, "capture shown") == shown + 1, 8,
                 "the capture three seconds after the second choice")
        close_capture(s, app)

        # A capture started another way (the tray icon) takes its place.
        choose_delay(s, dpi, 5)
        s.wait_window(cls=COUNTDOWN, visible=True, timeout=5)
        cancelled = count(app, "countdown cancelled")
        x, y = s.tray_icon_center()
        s.click(x, y)
        wait_for(lambda: count(app, "capture shown") == shown + 2, 10, "the tray capture")
        if count(app, "countdown cancelled") != cancelled + 1 or countdown_window(s):
            raise ScenarioError("the countdown went on beside the tray capture")
        close_capture(s, app)
        if count(app, "countdown over") != 2:
            raise ScenarioError("a replaced countdown reached its end")
        esc_free(s)


def scenario():
    for dpi in (96, 144):
        scenario_at(dpi)


if __name__ == "__main__":
    harness.run(scenario)
