"""Ending a capture through the output panel, as a user does: the copy
button puts exactly the selected pixels with the drawn arrow on the
clipboard and a notification says so in the bottom-right corner for eight
seconds, the automatic copy lands in the folder of the settings, the save
button's dialog writes PNG, JPEG and BMP files of the selection's size, a
cancelled dialog brings the panels back, and Esc on the panel ends the
capture."""
import os
import subprocess
import time

import harness
from harness import SIZE, ScenarioError, Session, wait_for

KEY = r"HKCU\Software\Vey Software\Lumigrab"
# The selection takes in the taskbar's Start button, so a picture shifted
# or cut by a pixel cannot match the screen it was taken from.
SEL = (20, 600, 420, 790)
SEL_W, SEL_H = SEL[2] - SEL[0], SEL[3] - SEL[1]
ARROW = (80, 630, 330, 720)
# The arrow's head and anti-aliased edges stay within this margin of the
# line between the points it was dragged through.
ARROW_MARGIN = 24

# Rows of the output panel, from its top: upload 33, copy 38, save 38,
# separator 10, close 38.
COPY_Y, SAVE_Y, SEPARATOR_Y = 33 + 19, 71 + 19, 109 + 5


def windows_path(folder):
    """A host folder as Wine's Z: drive shows it, with the trailing
    delimiter the program keeps on folders."""
    return "Z:" + folder.replace("/", "\\").rstrip("\\") + "\\"


def rgb_of(source, data=None):
    """(width, height, RGB bytes) of a picture file, or of `data` in the
    format `source` names ("png:-")."""
    size = subprocess.run(["identify", "-format", "%w %h", source], input=data,
                          capture_output=True, check=True, timeout=60).stdout.split()
    pixels = subprocess.run(["convert", source, "-depth", "8", "rgb:-"], input=data,
                            capture_output=True, check=True, timeout=60).stdout
    return int(size[0]), int(size[1]), pixels


def screen_region_rgb(shot, rect):
    x0, y0, x1, y1 = rect
    return subprocess.run(["convert", shot, "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage",
                           "-depth", "8", "rgb:-"], capture_output=True, check=True,
                          timeout=60).stdout


def white_pixels(shot, rect):
    """Pixels of the screenshot's rectangle light enough to be a window's
    white text."""
    box = screen_region_rgb(shot, rect)
    return sum(1 for i in range(0, len(box), 3)
               if box[i] > 200 and box[i + 1] > 200 and box[i + 2] > 200)


def near_arrow(x, y):
    """Whether selection pixel (x, y) may carry the arrow's ink."""
    ax0, ay0, ax1, ay1 = (ARROW[0] - SEL[0], ARROW[1] - SEL[1], ARROW[2] - SEL[0],
                          ARROW[3] - SEL[1])
    dx, dy = ax1 - ax0, ay1 - ay0
    t = max(0.0, min(1.0, ((x - ax0) * dx + (y - ay0) * dy) / float(dx * dx + dy * dy)))
    px, py = ax0 + t * dx, ay0 + t * dy
    return (x - px) ** 2 + (y - py) ** 2 <= ARROW_MARGIN ** 2


def compare_with_screen(picture, screen):
    """Pixels that differ from the screen away from the arrow, and the red
    pixels of the arrow itself."""
    wrong, red = [], 0
    for y in range(SEL_H):
        for x in range(SEL_W):
            i = (y * SEL_W + x) * 3
            got, want = picture[i:i + 3], screen[i:i + 3]
            if near_arrow(x, y):
                red += got[0] > 200 and got[1] < 60 and got[2] < 60
            elif got != want:
                wrong.append((x, y, tuple(got), tuple(want)))
    return wrong, red


class Output:
    def __init__(self, s, app):
        self.s, self.app = s, app

    def count(self, text):
        return sum(text in line for line in self.app.trace())

    def wait_count(self, text, n, timeout=30):
        wait_for(lambda: self.count(text) >= n, timeout,
                 f"trace line '{text}' the {n}. time (have: {self.app.trace()[-12:]})")

    def capture_window(self):
        return self.s.find_window(cls="TSetRegionForm", visible=True)

    def open_editor(self, sel=SEL):
        """A capture from the tray icon with the selection dragged; the
        panel's window."""
        shown, opened = self.count("capture shown"), self.count("editor opened")
        x, y = self.s.tray_icon_center()
        self.s.click(x, y)
        self.wait_count("capture shown", shown + 1)
        self.s.drag(sel[0], sel[1], sel[2], sel[3], steps=12)
        self.wait_count("editor opened", opened + 1)
        return self.s.wait_window(cls="TPanelSave", visible=True)

    def press(self, panel, row_y):
        left, top = panel["rect"][0], panel["rect"][1]
        self.s.xdotool("mousemove", left + 19, top + row_y)
        self.s.xdotool("click", 1)

    def wait_closed(self):
        wait_for(lambda: not self.capture_window()
                 and not self.s.find_window(cls="TPanelSave", visible=True), 15,
                 "the capture and its panels to close")

    def save_through_dialog(self, panel, name, type_steps):
        """Presses the save button, types `name` into the dialog, moves
        `type_steps` down the type list, confirms."""
        saved = self.count("saved to a file")
        self.press(panel, SAVE_Y)
        self.s.wait_window(cls="#32770", visible=True, timeout=30)
        self.app.wait_trace("save dialog opened")
        if self.s.find_window(cls="TPanelSave", visible=True):
            raise ScenarioError("the panel stays up while the dialog runs")
        # The name field has the focus with the proposed name in it.
        self.s.key("End", "shift+Home")
        self.s.xdotool("type", "--delay", "40", name)
        if type_steps:
            self.s.key("Tab", *(["Down"] * type_steps))
        self.s.screenshot(f"output-save-dialog-{name}")
        self.s.key("Return")
        self.wait_count("saved to a file", saved + 1)
        self.wait_closed()


def scenario():
    with Session("output") as s:
        auto = os.path.join(s.tmp, "авто")
        # The automatic copy on, as PNG, into a folder of this run; the
        # session's new prefix has no last dialog folder, so the dialog
        # opens there too.
        s.reg_run("add", KEY, "/v", "SaveLocal", "/t", "REG_DWORD", "/d", "1", "/f")
        s.reg_run("add", KEY, "/v", "format", "/t", "REG_DWORD", "/d", "0", "/f")
        s.reg_run("add", KEY, "/v", "path", "/t", "REG_SZ", "/d", windows_path(auto), "/f")
        app = s.start()
        run_output(s, app, auto)


def run_output(s, app, auto):
    out = Output(s, app)
    s.tray_icon_center()
    screen = screen_region_rgb(s.screenshot("output-before"), SEL)

    # ---- Copy with the panel's button ------------------------------------
    panel = out.open_editor()
    s.drag(*ARROW, steps=10)
    left, top = panel["rect"][0], panel["rect"][1]
    s.xdotool("mousemove", left + 19, top + COPY_Y)
    hover = (26, 53, 91)  # the hover fill behind the copy glyph
    wait_for(lambda: hover in s.pixels(left + 4, top + 33 + 4, 30, 30).values(), 10,
             "the copy button's hover picture")
    s.screenshot("output-panel")
    out.press(panel, COPY_Y)
    app.wait_trace("copied to the clipboard")

    # The notification: bottom-right, above the taskbar, with the message.
    note = s.wait_window(cls="TBHintForm", visible=True, timeout=10)
    seen_at = time.monotonic()
    out.wait_closed()
    tray = (s.probe("tray") or [None])[0]
    work_bottom = tray["rect"][1] if tray and tray["rect"][1] > SIZE[1] // 2 else SIZE[1]
    want = [SIZE[0] - 10 - 399, work_bottom - 10 - 104, SIZE[0] - 10, work_bottom - 10]
    if note["rect"] != want:
        raise ScenarioError(f"the notification is at {note['rect']}, not {want}")
    white = white_pixels(s.screenshot("output-notification"), note["rect"])
    if white < 300:
        raise ScenarioError(f"the notification shows no text ({white} white pixels)")

    # The clipboard: the selected pixels with the arrow.
    def clipboard_png():
        got = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"],
                             env=s.env, capture_output=True, timeout=30)
        return got.stdout if got.returncode == 0 and got.stdout[:4] == b"\x89PNG" else None

    png = wait_for(clipboard_png, 15, "a PNG picture on the clipboard")
    w, h, picture = rgb_of("png:-", png)
    if (w, h) != (SEL_W, SEL_H):
        raise ScenarioError(f"the clipboard holds {w}x{h}, not {SEL_W}x{SEL_H}")
    wrong, red = compare_with_screen(picture, screen)
    if wrong:
        raise ScenarioError(f"{len(wrong)} pixels differ from the screen, e.g. {wrong[:5]}")
    if red < 200:
        raise ScenarioError(f"the arrow is not in the copied picture ({red} red pixels)")

    # The automatic copy beside it: the same pixels.
    def local_copies():
        if not os.path.isdir(auto):
            return []
        return sorted(n for n in os.listdir(auto) if n.endswith(".png"))

    copies = wait_for(local_copies, 15, f"the automatic copy in {auto}")
    if len(copies) != 1 or not copies[0].startswith("Скриншот "):
        raise ScenarioError(f"automatic copies: {copies}")
    if rgb_of(os.path.join(auto, copies[0])) != (w, h, picture):
        raise ScenarioError("the automatic copy differs from the clipboard picture")

    wait_for(lambda: not s.find_window(cls="TBHintForm", visible=True), 14,
             "the notification to go")
    shown_for = time.monotonic() - seen_at
    if not 5.0 <= shown_for <= 12.0:
        raise ScenarioError(f"the notification stayed {shown_for:.1f} s, not 8")

    # ---- A cancelled dialog, then Esc on the panel ----------------------
    panel = out.open_editor()
    cancelled = out.count("save dialog cancelled")
    out.press(panel, SAVE_Y)
    s.wait_window(cls="#32770", visible=True, timeout=30)
    s.screenshot("output-save-dialog")
    s.key("Escape")
    out.wait_count("save dialog cancelled", cancelled + 1)
    panel = s.wait_window(cls="TPanelSave", visible=True)
    if not out.capture_window():
        raise ScenarioError("a cancelled dialog closed the capture")
    # A click on the panel (its separator does nothing) leaves the keyboard
    # with the capture, so Esc still ends it.
    out.press(panel, SEPARATOR_Y)
    s.key("Escape")
    out.wait_closed()

    # ---- Save as PNG, JPEG and BMP -------------------------------------
    for name, steps, ext, magic in (("shot-png", 0, ".png", b"\x89PNG"),
                                    ("shot-jpg", 1, ".jpg", b"\xff\xd8\xff"),
                                    ("shot-bmp", 2, ".bmp", b"BM")):
        panel = out.open_editor()
        out.save_through_dialog(panel, name, steps)
        path = os.path.join(auto, name + ext)
        wait_for(lambda: os.path.isfile(path), 10, f"the file {path}")
        with open(path, "rb") as f:
            if f.read(len(magic)) != magic:
                raise ScenarioError(f"{path} is not a {ext} file")
        fw, fh, _ = rgb_of(path)
        if (fw, fh) != (SEL_W, SEL_H):
            raise ScenarioError(f"{path} is {fw}x{fh}, not {SEL_W}x{SEL_H}")

    last = s.reg(r"Software\Vey Software\Lumigrab", "lastpath")
    if not last or last.get("data") != windows_path(auto):
        raise ScenarioError(f"the dialog folder is not remembered: {last}")
    if not app.running():
        raise ScenarioError("the program ended")


if __name__ == "__main__":
    harness.run(scenario)
