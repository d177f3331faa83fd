"""The tray program: no visible window, the icon and its menu, one copy
only, the installer's start, and a clean exit."""
import harness
from harness import ScenarioError, Session, wait_for

# Visible items of the tray menu, top to bottom; separators are 8 px high.
MENU_EXIT_FROM_BOTTOM = 12


def own_visible_windows(session, app_pid_windows):
    return [w for w in app_pid_windows if w["visible"]]


def exit_through_menu(session, app):
    menu = session.tray_menu()
    session.screenshot("tray-menu")
    left, top, right, bottom = menu["rect"]
    session.click((left + right) // 2, bottom - MENU_EXIT_FROM_BOTTOM)
    code = app.wait_exit(timeout=20)
    if code != 0:
        raise ScenarioError(f"exit code {code} after Выход")
    wait_for(lambda: not session.find_window(cls="TVEY_Lumigrab_MainForm"), 10,
             "the main window to go")


def scenario():
    with Session("tray") as s:
        first = s.start()
        main = s.wait_window(cls="TVEY_Lumigrab_MainForm", caption="VEY_Lumigrab_MainForm")
        if main["visible"]:
            raise ScenarioError("the main window must never show")
        mine = [w for w in s.windows() if w["pid"] == main["pid"] and w["visible"]]
        if mine:
            raise ScenarioError(f"visible windows after start: {mine}")
        s.tray_icon_center()
        s.screenshot("tray-running")
        first.wait_trace("start-up timer: ordinary start", timeout=15)
        first.wait_trace("update check")

        # A second copy hands over and ends; the first one stays.
        second = s.start()
        code = second.wait_exit(timeout=20)
        if code != 0:
            raise ScenarioError(f"second start ended with {code}")
        first.wait_trace("settings request from a second start")
        if not first.running():
            raise ScenarioError("the first copy ended")

        exit_through_menu(s, first)

        # Only exactly "/install" is the installer's start.
        for args, expected in ((["/install"], "installer start"),
                               (["/INSTALL"], "ordinary start"),
                               (["/install", "x"], "ordinary start")):
            app = s.start(*args)
            app.wait_trace("start-up timer: " + expected, timeout=20)
            if expected == "installer start":
                # The welcome window is modal; the update check follows it.
                w = s.wait_window(cls="TWelcomForm", visible=True)
                # Its close button takes clicks once the welcome page had
                # its two seconds.
                wait_for(lambda: (s.click(w["rect"][0] + 554 + 7, w["rect"][1] + 8 + 7),
                                  "welcome window closed" in app.trace())[1], 20,
                         "the welcome window to close")
            app.wait_trace("update check")
            exit_through_menu(s, app)


if __name__ == "__main__":
    harness.run(scenario)
