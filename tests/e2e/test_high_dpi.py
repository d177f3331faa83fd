"""The program on a 150 % and a 200 % display (Wine's LogPixels 144 and 192):
the palette, the output panel and the notification are 1.5 and 2 times
their 96-DPI size; a stamp's number sits inside its disc; a line is drawn
at the scaled pen width. Screenshots of the editor and the notification at
both scales are left for a person to look at."""
import math

import harness
from harness import ScenarioError, Session, wait_for
from test_capture import start_capture

# 96-DPI sizes of the windows, and left edge and width of palette buttons.
PALETTE = (532, 38)
OUTPUT_PANEL = (38, 157)
NOTIFICATION = (399, 104)
BUTTONS = {"line": (114, 38), "stamp": (314, 38)}
STAMP_RADIUS = 20
PEN_WIDTH = 5  # the width every start begins with

SEL = (100, 100, 1150, 560)  # leaves room for the 200 % palette below it
DESKTOP_RED = 37  # red of the Wine desktop behind the drawing


def px(v, dpi):
    """A 96-DPI length at `dpi`, rounded as the program rounds it."""
    return (v * dpi + 48) // 96


def size_of(window):
    r = window["rect"]
    return r[2] - r[0], r[3] - r[1]


def undo_reports(app):
    return [line for line in app.trace() if line.startswith("undo ")]


def draw(s, app, action):
    n = len(undo_reports(app))
    action()
    wait_for(lambda: len(undo_reports(app)) > n, 15, "the figure to be committed")


def check_size(what, window, want96, dpi):
    want = (px(want96[0], dpi), px(want96[1], dpi))
    if size_of(window) != want:
        raise ScenarioError(f"{what} at {dpi} DPI is {size_of(window)}, not {want}")


def run_at(dpi):
    with Session(f"high-dpi-{dpi}", log_pixels=dpi) as s:
        app = s.start()
        start_capture(s, app)
        s.xdotool("mousemove", 400, 300)
        app.wait_trace("capture shown")
        s.screenshot(f"high-dpi-{dpi}-prompt")
        s.drag(*SEL, steps=12)
        app.wait_trace("editor opened")
        app.wait_trace("tool 2")
        palette = s.wait_window(cls="TPanelTools", visible=True)
        check_size("the palette", palette, PALETTE, dpi)
        check_size("the output panel", s.wait_window(cls="TPanelSave", visible=True),
                   OUTPUT_PANEL, dpi)

        def press(name):
            left, width = BUTTONS[name]
            s.click(palette["rect"][0] + px(left + width // 2, dpi),
                    palette["rect"][1] + px(19, dpi))
            app.wait_trace("tool " + {"line": "1", "stamp": "10"}[name])

        # A stamp: its white number lies inside its disc, which has the
        # scaled radius.
        press("stamp")
        cx, cy = 300, 300
        draw(s, app, lambda: s.click(cx, cy))
        reach = px(STAMP_RADIUS, dpi) + 6

        def stamp():
            # The commit is reported before the window repaints: look again
            # until the stamp shows.
            area = s.pixels(cx - reach, cy - reach, 2 * reach, 2 * reach)
            white = [p for p, c in area.items() if min(c) > 200]
            red = [p for p, c in area.items() if c[0] > 180 and c[1] < 90 and c[2] < 90]
            return (white, red) if white and red else None

        white, red = wait_for(stamp, 15, f"the stamp at {dpi} DPI")
        radius = max(math.dist(p, (cx, cy)) for p in red)
        if abs(radius - px(STAMP_RADIUS, dpi)) > 2:
            raise ScenarioError(f"the stamp's disc has radius {radius:.1f} at {dpi} DPI")
        outside = [p for p in white if math.dist(p, (cx, cy)) > px(STAMP_RADIUS, dpi) - 1]
        if outside:
            raise ScenarioError(f"the stamp's number leaves its disc at {outside[:3]}")

        # A horizontal line: the red across it adds up to the scaled width.
        press("line")
        draw(s, app, lambda: s.drag(500, 450, 900, 450, steps=8))
        want = PEN_WIDTH * dpi / 96
        widths = []

        def line_width():
            # Coverage read from the red channel (pure red over the desktop),
            # summed across the line; again until the repaint has come.
            column = s.pixels(700, 420, 1, 60)
            widths.append(sum(max(0.0, (c[0] - DESKTOP_RED) / (255 - DESKTOP_RED))
                              for c in column.values()))
            return abs(widths[-1] - want) <= 0.75

        try:
            wait_for(line_width, 15, "the line")
        except ScenarioError:
            raise ScenarioError(f"the line is {widths[-1]:.2f} px wide at {dpi} DPI, not {want}")

        s.xdotool("mousemove", palette["rect"][0] + px(BUTTONS["stamp"][0] + 19, dpi),
                  palette["rect"][1] + px(19, dpi))
        wait_for(lambda: s.find_window(cls="tooltips_class32", visible=True), 15,
                 "the stamp button's hint")
        s.screenshot(f"high-dpi-{dpi}-editor")

        s.key("ctrl+c")
        note = s.wait_window(cls="TBHintForm", visible=True)
        check_size("the notification", note, NOTIFICATION, dpi)
        s.screenshot(f"high-dpi-{dpi}-notification")
        if not app.running():
            raise ScenarioError("the program ended")


def scenario():
    for dpi in (144, 192):
        run_at(dpi)


if __name__ == "__main__":
    harness.run(scenario)
