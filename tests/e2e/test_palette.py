"""The tool palette as a person uses it: the arrow is ready when the editor
opens; the rectangle, marker, blur and numbering buttons draw their figures;
Ctrl+Z takes the stamps back and numbering starts at 1 again; the redo
button follows the undo store; the colour dialog is modal for the capture
(a click behind it draws nothing, Esc leaves the capture open); a colour
picked in it paints the next figure; the active tool's button, clicked
again, leaves no tool."""
import harness
from harness import ScenarioError, Session, wait_for
from test_capture import start_capture

# Client-area left edge and width of the palette's buttons.
BUTTONS = {
    "arrow": (0, 38), "pen": (38, 38), "rect": (76, 38), "line": (114, 38),
    "marker": (152, 38), "fillrect": (238, 38), "stamp": (314, 38), "blur": (352, 38),
    "color": (390, 48), "undo": (448, 38), "redo": (486, 38),
}

SEL = (200, 150, 1000, 650)  # the selection dragged on the 1280 x 800 desktop


def undo_redo_states(app):
    return [line for line in app.trace() if line.startswith("undo ")]


class Palette:
    def __init__(self, s, app):
        self.s, self.app = s, app
        self.rect = s.wait_window(cls="TPanelTools", visible=True)["rect"]

    def center(self, name):
        left, width = BUTTONS[name]
        return self.rect[0] + left + width // 2, self.rect[1] + 19

    def click(self, name):
        x, y = self.center(name)
        self.s.click(x, y)

    def brightest(self, name):
        """The brightest icon pixel of a button: dim when it is disabled."""
        left, width = BUTTONS[name]
        px = self.s.pixels(self.rect[0] + left, self.rect[1], width, 38)
        return max(sum(c) for c in px.values())


def committed(app, before, timeout=15):
    """Waits until the undo store reported a change after `before` reports."""
    return wait_for(lambda: len(undo_redo_states(app)) > before and undo_redo_states(app)[-1],
                    timeout, "the undo store's report")


def region(s, box):
    x0, y0, x1, y1 = box
    return s.pixels(x0, y0, x1 - x0, y1 - y0)


def shows(s, box, expected, timeout=10):
    """Whether `box` comes to show `expected`: the undo store reports a step
    before the window has repainted it."""
    try:
        return wait_for(lambda: region(s, box) == expected, timeout, "the repaint")
    except ScenarioError:
        return False


def outside(rect, candidates, margin=40):
    """The first candidate point at least `margin` pixels clear of `rect`."""
    x0, y0, x1, y1 = rect
    for x, y in candidates:
        if not (x0 - margin <= x < x1 + margin and y0 - margin <= y < y1 + margin):
            return x, y
    raise ScenarioError(f"no free spot beside the dialog at {rect}")


def scenario():
    with Session("palette") as s:
        app = s.start()
        start_capture(s, app)
        s.drag(*SEL, steps=12)
        app.wait_trace("editor opened")
        app.wait_trace("tool 2")  # the arrow, chosen by the capture window
        pal = Palette(s, app)
        if not (pal.brightest("undo") < pal.brightest("arrow")
                and pal.brightest("redo") < pal.brightest("arrow")):
            raise ScenarioError("undo and redo are not disabled on a fresh capture")
        # Resting on a button shows its hint.
        s.xdotool("mousemove", *pal.center("stamp"))
        wait_for(lambda: s.find_window(cls="tooltips_class32", visible=True), 15,
                 "the stamp button's hint")
        s.screenshot("palette-fresh")

        n = len(undo_redo_states(app))
        s.drag(260, 600, 420, 420, steps=10)  # an arrow
        if committed(app, n) != "undo on, redo off":
            raise ScenarioError("the first figure did not enable undo")

        for tool, kind, box in (("rect", 3, (460, 200, 620, 300)),
                                ("marker", 8, (260, 220, 420, 260))):
            pal.click(tool)
            app.wait_trace(f"tool {kind}")
            n = len(undo_redo_states(app))
            s.drag(*box, steps=10)
            committed(app, n)

        # The blur over the rectangle's right half smears its red edge.
        def reds(px):
            return sum(1 for r, g, b in px.values() if r > 200 and g < 40 and b < 40)
        edge_box = (600, 230, 640, 270)
        sharp = reds(region(s, edge_box))
        pal.click("blur")
        app.wait_trace("tool 5")
        n = len(undo_redo_states(app))
        s.drag(560, 180, 700, 330, steps=10)
        committed(app, n)
        if not sharp or reds(region(s, edge_box)) >= sharp:
            raise ScenarioError("the blur did not soften the rectangle's edge")

        # Three stamps, then Ctrl+Z three times: the stamps go, and the next
        # stamp is a 1 again, pixel for pixel the first one.
        pal.click("stamp")
        app.wait_trace("tool 10")
        stamp_box = (480 - 24, 500 - 24, 480 + 24, 500 + 24)
        before_stamps = region(s, stamp_box)
        for x in (480, 580, 680):
            n = len(undo_redo_states(app))
            s.click(x, 500)
            committed(app, n)
        first_stamp = region(s, stamp_box)
        if first_stamp == before_stamps:
            raise ScenarioError("the stamp did not draw")
        s.screenshot("palette-annotated")
        for _ in range(3):
            n = len(undo_redo_states(app))
            s.key("ctrl+z")
            state = committed(app, n)
        if state != "undo on, redo on":
            raise ScenarioError(f"after undo: {state}")
        if not shows(s, stamp_box, before_stamps):
            raise ScenarioError("the stamps are still there after three undos")
        if not pal.brightest("redo") >= pal.brightest("undo"):
            raise ScenarioError("the redo button does not look enabled after undo")
        n = len(undo_redo_states(app))
        s.click(480, 500)
        if committed(app, n) != "undo on, redo off":
            raise ScenarioError("a new figure did not disable redo")
        if not shows(s, stamp_box, first_stamp):
            raise ScenarioError("the stamp after the undos is not a 1 like the first")

        # The colour dialog holds the capture still: a click on the capture
        # behind it stamps nothing, and Esc there cancels the dialog instead
        # of closing the capture under it.
        pal.click("color")
        app.wait_trace("colour dialog opened")
        dialog = s.wait_window(cls="#32770", visible=True)
        behind = outside(dialog["rect"], ((900, 200), (300, 350), (800, 350), (250, 180)))
        spot = (behind[0] - 30, behind[1] - 30, behind[0] + 30, behind[1] + 30)
        spot_before = region(s, spot)
        n = len(undo_redo_states(app))
        s.click(*behind)
        s.key("Escape")
        # The click came first in the same input queue: once the dialog has
        # seen the Esc, the click has been dealt with too.
        app.wait_trace("colour dialog cancelled")
        wait_for(lambda: s.find_window(cls="TPanelTools", visible=True), 15,
                 "the palette back after the dialog")
        s.screenshot("palette-after-dialog-click")
        if len(undo_redo_states(app)) != n or region(s, spot) != spot_before:
            raise ScenarioError("a click behind the colour dialog drew on the capture")
        if "capture closed" in app.trace() or not s.find_window(cls="TSetRegionForm",
                                                                visible=True):
            raise ScenarioError("Esc with the colour dialog open closed the capture")
        pal = Palette(s, app)

        # A colour from the dialog paints the next rectangle.
        pal.click("color")
        app.wait_trace("colour dialog opened")
        dialog = s.wait_window(cls="#32770", visible=True)
        s.screenshot("palette-colour-dialog")
        if dialog["rect"][1] != pal.rect[1] - 300 or dialog["rect"][0] != pal.rect[0]:
            raise ScenarioError(f"the colour dialog is at {dialog['rect']}, palette {pal.rect}")
        for mnemonic, value in (("alt+r", "0"), ("alt+g", "160"), ("alt+u", "0")):
            s.key(mnemonic)
            s.xdotool("type", value)
        s.key("Return")
        app.wait_trace("colour chosen")
        pal = Palette(s, app)
        pal.click("rect")
        app.wait_trace("tool 3")
        n = len(undo_redo_states(app))
        s.drag(700, 420, 900, 600, steps=10)
        committed(app, n)
        edge = s.pixels(700, 480, 4, 40)
        if not any(g > 120 and r < 60 and b < 60 for r, g, b in edge.values()):
            raise ScenarioError("the rectangle is not in the chosen green")
        s.screenshot("palette-green")

        # The active tool's button again: no tool at all.
        pal.click("rect")
        app.wait_trace("tool 0")
        if not app.running():
            raise ScenarioError("the program ended")


if __name__ == "__main__":
    harness.run(scenario)
