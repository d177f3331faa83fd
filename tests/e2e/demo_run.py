"""`make run` without a display: starts the program in a virtual desktop,
uses it as a person would — a capture from the tray icon, a selection
dragged with the mouse, Ctrl+C — and leaves the pictures in the folder
given."""
import os
import shutil
import subprocess
import sys

import harness


def main(out):
    os.makedirs(out, exist_ok=True)
    with harness.Session("demo") as s:
        app = s.start()
        x, y = s.tray_icon_center()
        print(f"tray icon at {x},{y}")
        shutil.copy(s.screenshot("demo-desktop"), os.path.join(out, "desktop-with-tray.png"))
        s.tray_menu()
        shutil.copy(s.screenshot("demo-menu"), os.path.join(out, "tray-menu.png"))
        # A click on the empty desktop closes the menu.
        s.click(640, 300)
        harness.wait_for(lambda: not s.find_window(cls="#32768", visible=True), 10,
                         "the menu to close")

        # A click on the icon freezes the screen; drag a selection.
        s.click(x, y)
        app.wait_trace("capture shown")
        s.drag(240, 160, 880, 560, steps=16)
        app.wait_trace("editor opened")
        shutil.copy(s.screenshot("demo-selection"), os.path.join(out, "capture-editor.png"))

        # Ctrl+C puts the selected area on the clipboard.
        s.key("ctrl+c")
        app.wait_trace("copied to the clipboard")
        picture = os.path.join(out, "selection.png")

        def fetch():
            got = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"],
                                 env=s.env, capture_output=True, timeout=30)
            if got.returncode == 0 and got.stdout[:8] == b"\x89PNG\r\n\x1a\n":
                with open(picture, "wb") as f:
                    f.write(got.stdout)
                return True
            return False

        harness.wait_for(fetch, 15, "the picture on the clipboard")
        print("program trace:")
        for line in app.trace():
            print("  " + line)
    print(f"pictures in {out}: desktop-with-tray.png, tray-menu.png, capture-editor.png, "
          "selection.png (the copied 640x400 area)")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(harness.ROOT, "out"))
