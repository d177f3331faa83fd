"""The text tool and the two pickers as a person uses them: the text button
opens the font picker under the palette; a click places a box, Cyrillic and
Latin text typed on two lines appears in the pen's red, Ctrl+V pastes the
clipboard's lines joined into one; a smaller size and bold from the font
picker resize the text while typing goes on; the box moves when dragged by
its border and not when pressed inside; Esc commits it, and the copy holds
it. The width picker's slider at 8 draws a line visibly thicker than at 1,
and for a selection near the screen's bottom the picker opens above the
palette, upside down. At 150 % both pickers and the text are 1.5 times
their size. Screenshots are left for a person to look at."""
import subprocess

import harness
from harness import ScenarioError, Session, wait_for
from test_capture import clipboard_bmp, red_pixels, start_capture
from test_output import white_pixels

# Client-area left edge and width of the palette buttons used here.
BUTTONS = {"width": (190, 38), "line": (114, 38), "text": (276, 38), "arrow": (0, 38)}
WIDTH_PICKER = (125, 38)
FONT_PICKER = (190, 95)
WIDTH_OFFSET, FONT_OFFSET, GAP = 147, 214, 5
# The font picker's size box (96-DPI client coordinates) and bold button.
SIZE_BOX = (128, 56, 51, 31)
BOLD = (9, 11, 38, 38)

SEL = (200, 150, 1000, 600)
TEXT_AT = (300, 250)
LOW_SEL = (200, 560, 1000, 780)  # the palette then sits above it, low on the screen


def px(v, dpi):
    return (v * dpi + 48) // 96


def undo_reports(app):
    return [line for line in app.trace() if line.startswith("undo ")]


def is_red(c):
    r, g, b = c
    return r > 150 and g < 90 and b < 90


def red_bounds(s, box):
    """Bounds (x0, y0, x1, y1) of the red pixels in the screen box, or None."""
    x0, y0, x1, y1 = box
    pts = [p for p, c in s.pixels(x0, y0, x1 - x0, y1 - y0).items() if is_red(c)]
    if not pts:
        return None
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def wait_bounds(s, box, accept, what, timeout=15):
    """Waits until the red text's bounds satisfy `accept`; the caret blinks
    and a key's redraw comes before the repaint."""
    return wait_for(lambda: (b := red_bounds(s, box)) and accept(b) and b, timeout, what)


def corner(b):
    """Left, top and bottom of text bounds: the blinking black caret after
    the last character hides and shows the glyph's right edge."""
    return b[0], b[1], b[3]


def settled_bounds(s, box, timeout=30):
    """The red text's bounds once they stay the same over a caret blink: a
    font change shows at the next blink, a key at once."""
    seen = []

    def same_twice():
        seen.append(red_bounds(s, box))
        now = seen[-1]
        settled = now is not None and len(seen) > 1 and seen[-2] is not None and \
            corner(now) == corner(seen[-2])
        return settled and now
    try:
        return wait_for(same_twice, timeout, "the text to settle", interval=0.8)
    except ScenarioError as e:
        raise ScenarioError(f"{e}; bounds seen: {seen[-6:]}") from None


class Palette:
    def __init__(self, s, dpi=96):
        self.s, self.dpi = s, dpi
        self.rect = s.wait_window(cls="TPanelTools", visible=True)["rect"]

    def click(self, name):
        left, width = BUTTONS[name]
        self.s.click(self.rect[0] + px(left + width // 2, self.dpi),
                     self.rect[1] + px(19, self.dpi))


def picker_at(s, cls, size96, offset, pal, dpi=96):
    """The shown picker, checked for its size and its place beside the
    palette; True when it opened above it (upside down)."""
    win = s.wait_window(cls=cls, visible=True)
    l, t, r, b = win["rect"]
    want = (px(size96[0], dpi), px(size96[1], dpi))
    if (r - l, b - t) != want:
        raise ScenarioError(f"{cls} is {r - l}x{b - t}, not {want}")
    if l != pal.rect[0] + px(offset, dpi):
        raise ScenarioError(f"{cls} left {l}, palette left {pal.rect[0]}")
    gap = px(GAP, dpi)
    if t == pal.rect[3] + gap:
        return win, False
    if b == pal.rect[1] - gap:
        return win, True
    raise ScenarioError(f"{cls} at {win['rect']} is neither just below nor above {pal.rect}")


def set_clipboard_text(s, text):
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), env=s.env,
                   check=True, timeout=30)


def count(app, text):
    return sum(1 for line in app.trace() if line == text)


def next_trace(app, text, action):
    """Runs `action` and waits for one more trace line `text` than before."""
    n = count(app, text)
    action()
    wait_for(lambda: count(app, text) > n, 20, f"trace line '{text}' again")


def close_capture(s, app):
    next_trace(app, "capture closed", lambda: s.key("Escape"))


def open_editor(s, app, sel, dpi=96):
    """A capture from the tray with `sel` selected; the palette, once the
    arrow is chosen."""
    next_trace(app, "capture shown", lambda: start_capture(s, app))
    next_trace(app, "tool 2", lambda: s.drag(*sel, steps=12))
    return Palette(s, dpi)


def type_text(s, text):
    s.xdotool("type", "--delay", "60", text)


def text_session(s, app):
    pal = open_editor(s, app, SEL)

    # The text button opens the font picker under the palette.
    pal.click("text")
    app.wait_trace("tool 9")
    font, flipped = picker_at(s, "TFontForm", FONT_PICKER, FONT_OFFSET, pal)
    if flipped:
        raise ScenarioError("the font picker opened above a palette with room below")

    area = (TEXT_AT[0], TEXT_AT[1], SEL[2] - 20, SEL[3] - 20)
    s.click(*TEXT_AT)
    type_text(s, "Hello, мир")
    s.key("Return")
    type_text(s, "Привет, World")
    first = wait_bounds(s, area, lambda b: b[3] - b[1] > 30, "two lines of red text")
    s.screenshot("text-typed")
    if first[0] < TEXT_AT[0] + 10 or first[1] < TEXT_AT[1] + 10:
        raise ScenarioError(f"the text at {first} is not inside its 10-pixel margin")

    # Ctrl+V: the clipboard's two lines come in joined, on the second line.
    set_clipboard_text(s, "xx\r\nyy")
    s.key("ctrl+v")
    pasted = wait_bounds(s, area, lambda b: b[2] > first[2] + 10, "the pasted text")
    # (The y's descender may reach lower; a third line would add ~20 px.)
    if pasted[3] - pasted[1] > first[3] - first[1] + 10:
        raise ScenarioError(f"the paste added a line: {first} -> {pasted}")

    # Size 8 and bold from the picker: the text resizes, typing goes on.
    fl, ft = font["rect"][:2]
    s.click(fl + SIZE_BOX[0] + SIZE_BOX[2] // 2, ft + SIZE_BOX[1] + SIZE_BOX[3] // 2)
    # Twice the box's width from its left edge, below it or, with the
    # screen's bottom too near, above it.
    face = (fl + SIZE_BOX[0], ft + SIZE_BOX[1], ft + SIZE_BOX[1] + SIZE_BOX[3])
    lst = wait_for(lambda: [w for w in s.windows() if w["visible"] and w["rect"][0] == face[0]
                            and w["rect"][2] - w["rect"][0] == 2 * SIZE_BOX[2]
                            and (w["rect"][1] >= face[2] or w["rect"][3] <= face[1])], 15,
                   "the size list beside the size box")[0]
    s.screenshot("text-size-list")
    # The first row is the smallest size, 8.
    s.click(lst["rect"][0] + 20, lst["rect"][1] + 10)
    wait_for(lambda: not any(w["visible"] and w["rect"] == lst["rect"] for w in s.windows()),
             15, "the size list to close")
    s.click(fl + BOLD[0] + BOLD[2] // 2, ft + BOLD[1] + BOLD[3] // 2)
    type_text(s, "!")
    wait_bounds(s, area, lambda b: b[3] - b[1] < (pasted[3] - pasted[1]) * 0.8,
                "the text in the smaller bold font")
    resized = settled_bounds(s, area)
    s.screenshot("text-small-bold")
    if abs(resized[0] - pasted[0]) > 3 or abs(resized[1] - pasted[1]) > 6:
        raise ScenarioError(f"the box did not keep its corner: {pasted} -> {resized}")

    # Pressed inside the text, the box stays; dragged by its border, it moves.
    inside = (resized[0] + 20, resized[1] + 10)
    s.drag(*inside, inside[0] + 80, inside[1] + 80, steps=8)
    if corner(red_bounds(s, area)) != corner(resized):
        raise ScenarioError("a drag inside the text moved it")
    border = (TEXT_AT[0] + 4, TEXT_AT[1] + 20)
    s.drag(*border, border[0] + 60, border[1] + 90, steps=10)
    wait_bounds(s, area, lambda b: b[0] > resized[0] + 40, "the moved text")
    # A busy machine shows the drag's middle first: the place once it rests.
    moved = settled_bounds(s, area)
    if (moved[0] - resized[0], moved[1] - resized[1]) != (60, 90):
        raise ScenarioError(f"the text moved from {resized} to {moved}, not by (60, 90)")

    # Esc commits: a step in the undo store, the text stays where it is.
    n = len(undo_reports(app))
    s.key("Escape")
    wait_for(lambda: len(undo_reports(app)) > n, 15, "the committed text")
    if undo_reports(app)[-1] != "undo on, redo off":
        raise ScenarioError(f"after Esc: {undo_reports(app)[-1]}")
    if red_bounds(s, area) is None or "capture closed" in app.trace():
        raise ScenarioError("Esc lost the text or closed the capture")
    s.screenshot("text-committed")

    # The copy holds the text in red.
    s.key("ctrl+c")
    bmp = wait_for(lambda: clipboard_bmp(s), 15, "the copied picture")
    if red_pixels(bmp) < 200:
        raise ScenarioError(f"the copy holds {red_pixels(bmp)} red pixels, not the text")
    app.wait_trace("capture closed")


def line_thickness(s, x, y0, y1):
    """Rows of the column that differ clearly from the background above the
    line (a thin line is anti-aliased over two rows, not pure red)."""
    col = s.pixels(x, y0, 1, y1 - y0)
    bg = col[(x, y0)]
    return sum(1 for c in col.values() if sum(abs(a - b) for a, b in zip(c, bg)) > 90)


def choose_width(s, app, pal, at_end):
    pal.click("width")
    win, flipped = picker_at(s, "TWidthForm", WIDTH_PICKER, WIDTH_OFFSET, pal)
    l, t = win["rect"][:2]
    top = 10 if flipped else 14
    x = l + (17 + 87 - 3 if at_end else 17 + 2)
    s.click(x, t + top + 8)
    wait_for(lambda: not s.find_window(cls="TWidthForm", visible=True), 15,
             "the width picker to close after the choice")
    return flipped


def width_session(s, app):
    pal = open_editor(s, app, SEL)
    pal.click("width")
    picker_at(s, "TWidthForm", WIDTH_PICKER, WIDTH_OFFSET, pal)
    s.screenshot("width-picker")
    close_capture(s, app)  # the keyboard is the capture's: Esc closes it all
    if s.find_window(cls="TWidthForm", visible=True):
        raise ScenarioError("the width picker stayed open after the capture closed")

    pal = open_editor(s, app, SEL)
    thickness = {}
    # The width picker leaves the tool as it is.
    next_trace(app, "tool 1", lambda: pal.click("line"))
    for at_end, y in ((True, 300), (False, 420)):
        choose_width(s, app, pal, at_end)
        n = len(undo_reports(app))
        s.drag(300, y, 700, y, steps=10)
        wait_for(lambda: len(undo_reports(app)) > n, 15, "the line")
        thickness[8 if at_end else 1] = wait_for(
            lambda: line_thickness(s, 500, y - 15, y + 15), 10, "the line's pixels")
    s.screenshot("width-lines")
    if not (thickness[8] >= 7 and 1 <= thickness[1] <= 2):
        raise ScenarioError(f"line thickness at widths 8 and 1: {thickness}")
    close_capture(s, app)

    # A selection low on the screen: the picker opens above, upside down.
    pal = open_editor(s, app, LOW_SEL)
    pal.click("width")
    win, flipped = picker_at(s, "TWidthForm", WIDTH_PICKER, WIDTH_OFFSET, pal)
    s.screenshot("width-picker-flipped")
    if not flipped:
        raise ScenarioError(f"the picker at {win['rect']} is not above the palette {pal.rect}")
    l, t, r, b = win["rect"]
    # Upside down: the pointer's tip stands at the bottom, under the width
    # button, and the top edge is the box's straight body.
    below = s.pixels(l + 62, b - 1, 1, 1)[(l + 62, b - 1)]
    corner = s.pixels(l, b - 1, 1, 1)[(l, b - 1)]
    if below == corner:
        raise ScenarioError("no pointer at the bottom of the upside-down picker")
    close_capture(s, app)


def huge_paste_session(s, app):
    """Megabytes on the clipboard: one paste takes the first thousand
    characters and says so; Esc still commits, and the next Esc closes."""
    pal = open_editor(s, app, SEL)
    next_trace(app, "tool 9", lambda: pal.click("text"))
    s.click(*TEXT_AT)
    if not (s.probe("cliptext", str(4 << 20)) or {}).get("set"):
        raise ScenarioError("could not put 4 M characters on the clipboard")
    next_trace(app, "notification shown", lambda: s.key("ctrl+v"))
    # The notice shows over the capture, with its text in white.
    note = s.wait_window(cls="TBHintForm", visible=True, timeout=10)
    white = white_pixels(s.screenshot("text-huge-paste"), note["rect"])
    if white < 300:
        raise ScenarioError(f"the notice is hidden or empty ({white} white pixels)")
    # A thousand characters run far past the selection's right edge.
    wait_bounds(s, (TEXT_AT[0], TEXT_AT[1], harness.SIZE[0], SEL[3]),
                lambda b: b[2] >= harness.SIZE[0] - 5, "the pasted line to the screen's edge")
    n = len(undo_reports(app))
    s.key("Escape")
    wait_for(lambda: len(undo_reports(app)) > n, 20, "the committed paste")
    close_capture(s, app)


def hidpi_session(s, app, dpi):
    pal = open_editor(s, app, (100, 100, 1150, 560), dpi)
    pal.click("text")
    app.wait_trace("tool 9")
    picker_at(s, "TFontForm", FONT_PICKER, FONT_OFFSET, pal, dpi)
    s.click(200, 200)
    type_text(s, "Text 150 % текст")
    wait_bounds(s, (200, 200, 1100, 500), lambda b: b[3] - b[1] > 20, "the text at 150 %")
    s.screenshot(f"text-font-picker-{dpi}")
    pal.click("width")
    if s.find_window(cls="TFontForm", visible=True):
        raise ScenarioError("the font picker stayed open with the width picker")
    picker_at(s, "TWidthForm", WIDTH_PICKER, WIDTH_OFFSET, pal, dpi)
    s.screenshot(f"width-picker-{dpi}")
    s.key("Escape")


def scenario():
    with Session("text_tool") as s:
        app = s.start()
        text_session(s, app)
        width_session(s, app)
        huge_paste_session(s, app)
        app.close()
    with Session("text_tool_hidpi", log_pixels=144) as s:
        app = s.start()
        hidpi_session(s, app, 144)
        app.close()


if __name__ == "__main__":
    harness.run(scenario)
