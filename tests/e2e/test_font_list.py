"""The font picker's family list as a person with a plain mouse uses it, at
100 % and 150 %: the list shows a scroll bar beside its rows and a dotted
focus frame around the chosen family; the down arrow scrolls it a row, the
thumb dragged to the end shows the last families, a click on the track
pages back; typing "r" highlights the first family starting with R, typing
it again the next one, and Enter picks it. Screenshots are left for a
person to look at."""
import harness
from harness import ScenarioError, Session, wait_for
from test_text_tool import open_editor, picker_at

FONT_PICKER = (190, 95)
FONT_OFFSET = 214
# 96-DPI client rectangle of the picker's family box; 6 higher when the
# picker opens upside down above the palette.
FAMILY_BOX = (9, 56, 104, 31)
FLIPPED_RISE = 6
SEL = (100, 100, 1150, 500)
BAR, FRAME = 12, 1  # the list's scroll bar width and frame, 96-DPI pixels

THUMB = (74, 110, 161)
HIGHLIGHT = (39, 75, 126)
FOCUS = (227, 234, 236)  # the dotted frame is drawn in the text's colour


def px(v, dpi):
    return (v * dpi + 48) // 96


def near(c, want, tol=6):
    return all(abs(a - b) <= tol for a, b in zip(c, want))


def away(s):
    """The pointer off the list and the picker, so no part shows its hover
    look (the list keeps the mouse and sees the move)."""
    s.xdotool("mousemove", 5, 5)


class FamilyList:
    def __init__(self, s, dpi):
        self.s, self.dpi = s, dpi
        self.rect = s.wait_window(cls="TVEYComboList", visible=True)["rect"]
        l, t, r, b = self.rect
        frame, bar = px(FRAME, dpi), px(BAR, dpi)
        self.bar = (r - frame - bar, t + frame, r - frame, b - frame)
        self.rows = (l + frame, t + frame, r - frame - bar, b - frame)

    def thumb(self):
        """Top and bottom screen rows of the thumb's solid middle, or None."""
        x = (self.bar[0] + self.bar[2]) // 2
        col = self.s.pixels(x, self.bar[1], 1, self.bar[3] - self.bar[1])
        ys = [p[1] for p, c in col.items() if near(c, THUMB)]
        return (min(ys), max(ys)) if ys else None

    def rows_picture(self):
        l, t, r, b = self.rows
        return self.s.pixels(l, t, r - l, b - t)

    def focus_frame(self):
        """The first column inside the frame shows the highlight with dots of
        the text's colour where the chosen row is."""
        col = self.s.pixels(self.rows[0], self.rows[1], 1, self.rows[3] - self.rows[1])
        dots = [p for p, c in col.items() if near(c, FOCUS, 12)]
        gaps = [p for p, c in col.items() if near(c, HIGHLIGHT)]
        return bool(dots and gaps)


def open_family_list(s, font, dpi):
    win, flipped = font
    fl, ft = win["rect"][:2]
    top = FAMILY_BOX[1] - (FLIPPED_RISE if flipped else 0)
    s.click(fl + px(FAMILY_BOX[0] + 20, dpi), ft + px(top + FAMILY_BOX[3] // 2, dpi))
    lst = FamilyList(s, dpi)
    w = lst.rect[2] - lst.rect[0]
    if w != 2 * px(FAMILY_BOX[2], dpi):
        raise ScenarioError(f"the family list is {w} wide at {dpi} DPI")
    away(s)
    return lst


def picked_families(app):
    return [line[len("font family "):] for line in app.trace() if line.startswith("font family ")]


def pick_by_letter(s, app, font, dpi, shot=None):
    """Opens the list, types r, and picks with Enter; the family picked."""
    lst = open_family_list(s, font, dpi)
    before = len(picked_families(app))
    s.key("r")
    if shot:
        wait_for(lst.focus_frame, 15, "the focus frame on the R family")
        s.screenshot(shot)
    s.key("Return")
    wait_for(lambda: len(picked_families(app)) > before, 15, "the family picked by Enter")
    wait_for(lambda: not s.find_window(cls="TVEYComboList", visible=True), 15,
             "the list to close")
    return picked_families(app)[-1]


def run_at(dpi, name):
    with Session(name, log_pixels=dpi if dpi != 96 else None) as s:
        app = s.start()
        pal = open_editor(s, app, SEL, dpi)
        pal.click("text")
        app.wait_trace("tool 9")
        font = picker_at(s, "TFontForm", FONT_PICKER, FONT_OFFSET, pal, dpi)

        lst = open_family_list(s, font, dpi)
        wait_for(lst.thumb, 15, f"the scroll bar's thumb at {dpi} DPI")
        if not lst.focus_frame():
            raise ScenarioError(f"no focus frame around the chosen family at {dpi} DPI")
        s.screenshot(f"font-list-{dpi}")

        # The down arrow: the rows move up by one.
        rows = lst.rows_picture()
        s.click((lst.bar[0] + lst.bar[2]) // 2, lst.bar[3] - px(BAR, dpi) // 2)
        wait_for(lambda: lst.rows_picture() != rows, 15, "the rows to scroll a row")
        s.screenshot(f"font-list-{dpi}-arrow")  # the arrow under the pointer
        if not s.find_window(cls="TVEYComboList", visible=True):
            raise ScenarioError("a click on the scroll bar closed the list")

        # The thumb dragged far below the list: the last families, the thumb
        # at the track's end.
        away(s)
        top, bottom = wait_for(lst.thumb, 15, "the thumb")
        x = (lst.bar[0] + lst.bar[2]) // 2
        y0, y1 = (top + bottom) // 2, lst.rect[3] + 300
        s.xdotool("mousemove", x, y0)
        s.xdotool("mousedown", 1)
        for i in range(1, 7):
            s.xdotool("mousemove", x + px(5 * i, dpi), y0 + (lst.rect[3] - y0) * i // 12)
        s.screenshot(f"font-list-{dpi}-drag")  # the thumb held half way
        for i in range(7, 13):
            s.xdotool("mousemove", x + px(30, dpi), y0 + (y1 - y0) * i // 12)
        s.xdotool("mouseup", 1)
        away(s)
        track_end = lst.bar[3] - px(BAR, dpi)
        end = wait_for(lambda: (t := lst.thumb()) and t[1] >= track_end - px(3, dpi) and t, 15,
                       f"the thumb at the track's end ({track_end})")
        s.screenshot(f"font-list-{dpi}-end")

        # A click on the track above the thumb pages back up.
        s.click(x, end[0] - px(4, dpi))
        away(s)
        wait_for(lambda: (t := lst.thumb()) and t[0] < end[0], 15, "the thumb a page higher")
        if not s.find_window(cls="TVEYComboList", visible=True):
            raise ScenarioError("a click on the track closed the list")
        s.key("Escape")
        wait_for(lambda: not s.find_window(cls="TVEYComboList", visible=True), 15,
                 "Esc to close the list")

        # Letters: r goes to the first family with R, r again to the next.
        one = pick_by_letter(s, app, font, dpi)
        two = pick_by_letter(s, app, font, dpi, shot=f"font-list-{dpi}-letter")
        if not (one[:1].lower() == "r" and two[:1].lower() == "r" and one != two):
            raise ScenarioError(f"typing r picked {one!r}, then {two!r}")
        s.screenshot(f"font-list-{dpi}-picked")
        if not app.running():
            raise ScenarioError("the program ended")
        app.close()


def scenario():
    run_at(96, "font_list")
    run_at(144, "font_list_hidpi")


if __name__ == "__main__":
    harness.run(scenario)
