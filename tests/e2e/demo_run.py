"""`make run` without a display: starts the program in a virtual desktop,
uses it as a person would — a capture from the tray icon, a selection
dragged with the mouse, an arrow, a rectangle and numbered stamps, Ctrl+C;
then a second capture saved through the save dialog — and leaves the
pictures in the folder given."""
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

        # Annotate: an arrow (the tool the editor opens with), a rectangle
        # and two numbered stamps, picked on the palette.
        palette = s.wait_window(cls="TPanelTools", visible=True)["rect"]

        def pick(left, tool):
            s.click(palette[0] + left + 19, palette[1] + 19)
            app.wait_trace(f"tool {tool}")

        s.drag(300, 500, 520, 330, steps=10)
        pick(76, 3)  # rectangle
        s.drag(560, 220, 820, 400, steps=10)
        pick(314, 10)  # numbering
        for stamp_x in (620, 700):
            s.click(stamp_x, 300)
        harness.wait_for(lambda: sum(line.startswith("undo ") for line in app.trace()) >= 5, 15,
                         "the figures to be committed")
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

        # A second capture, saved through the save dialog into out/ (Wine
        # sees the host's files on drive Z:).
        s.click(x, y)
        harness.wait_for(lambda: sum("capture shown" in t for t in app.trace()) >= 2, 20,
                         "the second capture")
        s.drag(400, 300, 1000, 650, steps=12)
        harness.wait_for(lambda: sum("editor opened" in t for t in app.trace()) >= 2, 20,
                         "the editor")
        panel = s.wait_window(cls="TPanelSave", visible=True)["rect"]
        s.click(panel[0] + 19, panel[1] + 33 + 38 + 19)  # the save button
        s.wait_window(cls="#32770", visible=True)
        app.wait_trace("save dialog opened")
        saved = os.path.join(os.path.abspath(out), "saved-through-dialog")
        s.key("End", "shift+Home")
        s.xdotool("type", "--delay", "20", "Z:" + saved.replace("/", "\\"))
        shutil.copy(s.screenshot("demo-save-dialog"), os.path.join(out, "save-dialog.png"))
        s.key("Return")
        app.wait_trace("saved to a file")
        harness.wait_for(lambda: os.path.exists(saved + ".png"), 15, "the saved file")
        print("program trace:")
        for line in app.trace():
            print("  " + line)
    print(f"pictures in {out}: desktop-with-tray.png, tray-menu.png, capture-editor.png, "
          "selection.png (the copied 640x400 area with its annotations), "
          "save-dialog.png, saved-through-dialog.png (a 600x350 area saved as PNG)")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(harness.ROOT, "out"))
