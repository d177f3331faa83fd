"""`make run` without a display: starts the program in a virtual desktop,
uses it as a person would, and leaves screenshots in the folder given."""
import os
import shutil
import sys

import harness


def main(out):
    os.makedirs(out, exist_ok=True)
    with harness.Session("demo") as s:
        app = s.start()
        x, y = s.tray_icon_center()
        print(f"tray icon at {x},{y}")
        # A click on the icon asks for a capture.
        s.click(x, y)
        app.wait_trace("capture requested")
        shutil.copy(s.screenshot("demo-desktop"), os.path.join(out, "desktop-with-tray.png"))
        s.tray_menu()
        shutil.copy(s.screenshot("demo-menu"), os.path.join(out, "tray-menu.png"))
        # A click on the empty desktop closes the menu.
        s.click(640, 300)
        harness.wait_for(lambda: not s.find_window(cls="#32768", visible=True), 10,
                         "the menu to close")
        print("program trace:")
        for line in app.trace():
            print("  " + line)
    print(f"screenshots in {out}: desktop-with-tray.png, tray-menu.png")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(harness.ROOT, "out"))
