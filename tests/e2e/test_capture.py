"""A capture from the tray: the frozen screen with its prompt, a selection
dragged with the mouse, the editor's panels beside it, Esc closing it, and
Ctrl+C copying the selected area to the clipboard."""
import struct
import subprocess

import harness
from harness import SIZE, ScenarioError, Session, wait_for


def capture_window(s, visible=True):
    return s.find_window(cls="TSetRegionForm", visible=visible)


def start_capture(s, app):
    x, y = s.tray_icon_center()
    s.click(x, y)
    wait_for(lambda: capture_window(s), 20, "the capture window")
    app.wait_trace("capture shown")


def clipboard_bmp(s):
    out = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/bmp", "-o"],
                         env=s.env, capture_output=True, timeout=30)
    return out.stdout if out.returncode == 0 and out.stdout[:2] == b"BM" else None


def red_pixels(bmp):
    """Pixels of the pen's default red in a BMP of 24 or 32 bits."""
    offset = struct.unpack_from("<I", bmp, 10)[0]
    width, height = struct.unpack_from("<ii", bmp, 18)
    bpp = struct.unpack_from("<H", bmp, 28)[0] // 8
    stride = (width * bpp + 3) & ~3
    count = 0
    for y in range(abs(height)):
        row = offset + y * stride
        for x in range(width):
            b, g, r = bmp[row + x * bpp: row + x * bpp + 3]
            count += r > 200 and g < 60 and b < 60
    return count


def scenario():
    with Session("capture") as s:
        app = s.start()
        start_capture(s, app)
        win = capture_window(s)
        if win["rect"] != [0, 0, SIZE[0], SIZE[1]]:
            raise ScenarioError(f"the capture window covers {win['rect']}, not the screen")
        s.xdotool("mousemove", 400, 300)
        s.screenshot("capture-prompt")

        s.drag(300, 200, 700, 500, steps=12)
        app.wait_trace("editor opened")
        palette = s.wait_window(cls="TPanelTools", visible=True)
        panel = s.wait_window(cls="TPanelSave", visible=True)
        pl, pt, pr, pb = palette["rect"]
        if (pr - pl, pb - pt) != (532, 38):
            raise ScenarioError(f"palette is {palette['rect']}")
        ol, ot, orr, ob = panel["rect"]
        if (orr - ol, ob - ot) != (38, 157):
            raise ScenarioError(f"output panel is {panel['rect']}")
        # Beside the selection, not over it.
        for name, (l, t, r, b) in (("palette", palette["rect"]), ("panel", panel["rect"])):
            if l < 700 and r > 300 and t < 500 and b > 200:
                raise ScenarioError(f"the {name} covers the selection: {(l, t, r, b)}")
        s.screenshot("capture-selection")

        s.key("Escape")
        app.wait_trace("capture closed")
        wait_for(lambda: not capture_window(s) and not s.find_window(cls="TPanelTools",
                                                                       visible=True),
                 10, "the capture and its panels to close")
        # The hidden capture window gives back its surface (a whole frame
        # of the screen in Wine's shared memory) until the next capture.
        frame_mb = SIZE[0] * SIZE[1] * 4 / 2**20

        def surface_given_back():
            mb = app.resident_mb()[1]
            return (mb,) if mb < frame_mb / 4 else None

        (shared,) = wait_for(surface_given_back, 10, "the capture window's surface to go")
        print(f"X shared memory after the capture closed: {shared:.1f} MB "
              f"(a frame is {frame_mb:.1f} MB)")

        # Ctrl+C copies exactly the selection, with what was drawn on it: the
        # editor opens with the arrow.
        start_capture(s, app)
        if capture_window(s)["rect"] != [0, 0, SIZE[0], SIZE[1]]:
            raise ScenarioError(f"the next capture covers {capture_window(s)['rect']}")
        s.drag(100, 100, 500, 400, steps=12)
        app.wait_trace("editor opened")
        s.drag(150, 150, 400, 300, steps=10)
        s.screenshot("capture-arrow")
        s.key("ctrl+c")
        app.wait_trace("copied to the clipboard")
        bmp = wait_for(lambda: clipboard_bmp(s), 15, "a bitmap on the clipboard")
        width, height = struct.unpack_from("<ii", bmp, 18)
        if (width, abs(height)) != (400, 300):
            raise ScenarioError(f"the clipboard holds {width}x{height}, not 400x300")
        if red_pixels(bmp) < 200:
            raise ScenarioError("the arrow is not in the copied picture")
        if not app.running():
            raise ScenarioError("the program ended")


if __name__ == "__main__":
    harness.run(scenario)
