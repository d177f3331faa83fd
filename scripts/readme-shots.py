#!/usr/bin/env python3
"""Makes the README's pictures from the real program in the Wine desktop
(after `make win32`): the tray menu, a selection being dragged, the editor
with annotations and both panels, the notification, the three settings
pages and two of the installer's pages. Writes PNGs into docs/shots/ (or
the folder given).

    python3 scripts/readme-shots.py [OUT]
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                                "tests", "e2e"))
import harness  # noqa: E402
from harness import DIST, SIZE, Session, wait_for  # noqa: E402
from test_settings import CANCEL, SettingsWindow  # noqa: E402

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(harness.ROOT, "docs", "shots")
NOTE = """Релиз 2.0 — что проверить перед выпуском

1. Установка без прав администратора
2. Загрузка на свой сервер изображений
3. Горячие клавиши: PrintScreen, Alt+PrintScreen
4. Окно настроек при 150 % и 200 %

Ответственный: отдел качества
Срок: пятница, 18:00
"""


class Shots:
    def __init__(self, s):
        self.s = s
        self.previous = None

    def take(self, name, crop=None, changed=True):
        """A screenshot once the screen has settled (two equal frames) and,
        with `changed`, differs from the last one taken; cropped to
        (x0, y0, x1, y1)."""
        raw = os.path.join(self.s.tmp, "frame.png")

        def frame():
            subprocess.run(["import", "-window", "root", raw], env=self.s.env, check=True,
                           timeout=60)
            with open(raw, "rb") as f:
                return f.read()

        state = {"last": None}

        def settled():
            now = frame()
            same = now == state["last"]
            state["last"] = now
            return same and (not changed or now != self.previous)

        wait_for(settled, 20, f"the screen to settle for {name}", interval=0.3)
        self.previous = state["last"]
        path = os.path.join(OUT, f"{name}.png")
        args = ["convert", raw]
        if crop:
            x0, y0, x1, y1 = (max(0, crop[0]), max(0, crop[1]), min(SIZE[0], crop[2]),
                              min(SIZE[1], crop[3]))
            args += ["-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage"]
        subprocess.run(args + ["-strip", path], check=True, timeout=60)
        print(f"  {path}")


def around(rect, margin=24):
    return (rect[0] - margin, rect[1] - margin, rect[2] + margin, rect[3] + margin)


def count(app, text):
    return sum(text in line for line in app.trace())


def program(s, shots):
    note = os.path.join(s.tmp, "release.txt")
    with open(note, "w", encoding="utf-8-sig", newline="\r\n") as f:
        f.write(NOTE)
    notepad = s.wine_popen("notepad", note,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        pad = s.wait_window(cls="Notepad", visible=True)["rect"]
        app = s.start()
        x, y = s.tray_icon_center()

        menu = s.tray_menu()["rect"]
        # Over the first item, as a person about to pick it (and off the
        # icon, whose tooltip would cover the menu).
        s.xdotool("mousemove", menu[0] + 60, menu[1] + 12)
        shots.take("tray-menu", (SIZE[0] - 460, menu[1] - 40, SIZE[0], SIZE[1]))
        s.click(900, 120)
        wait_for(lambda: not s.find_window(cls="#32768", visible=True), 10, "the menu to close")

        # The selection while it is dragged, over the note's text (lines
        # 14 px apart from its client top).
        s.click(x, y)
        app.wait_trace("capture shown")
        x0, y0 = pad[0] + 6, pad[1] + 42
        x1, y1 = pad[0] + 560, pad[1] + 330
        s.xdotool("mousemove", x0, y0)
        s.xdotool("mousedown", 1)
        for i in range(1, 9):
            s.xdotool("mousemove", x0 + (x1 - x0) * i * 7 // 80, y0 + (y1 - y0) * i * 7 // 80)
        shots.take("capture-selection")
        for i in range(1, 9):
            s.xdotool("mousemove", x0 + (x1 - x0) * (70 + i * 30 // 8) // 100,
                      y0 + (y1 - y0) * (70 + i * 30 // 8) // 100)
        s.xdotool("mouseup", 1)
        app.wait_trace("editor opened")

        # Annotations: a rectangle round the list, an arrow at it (the
        # editor's first tool) and numbered stamps beside the title and the
        # deadline.
        palette = s.wait_window(cls="TPanelTools", visible=True)["rect"]

        def pick(left, tool):
            s.click(palette[0] + left + 19, palette[1] + 19)
            app.wait_trace(f"tool {tool}")

        s.drag(pad[0] + 470, pad[1] + 270, pad[0] + 372, pad[1] + 140, steps=10)
        pick(76, 3)  # rectangle
        # From the corner away from the selection's edge, whose band would
        # take the press and move the edge instead.
        s.drag(pad[0] + 362, pad[1] + 132, pad[0] + 8, pad[1] + 72, steps=10)
        pick(314, 10)  # numbering
        for sx, sy in ((330, 62), (250, 160)):
            s.click(pad[0] + sx, pad[1] + sy)
        wait_for(lambda: count(app, "undo ") >= 4, 15, "the figures to be committed")
        shots.take("capture-editor")

        # Ctrl+C ends the capture; the notification says where the picture went.
        s.key("ctrl+c")
        app.wait_trace("copied to the clipboard")
        hint = s.wait_window(cls="TBHintForm", visible=True, timeout=10)["rect"]
        shots.take("notification", around(hint, 40))
        app.close()
    finally:
        if notepad.poll() is None:
            notepad.kill()
            notepad.wait(timeout=10)


def settings(s, shots):
    app = s.start()
    s.tray_icon_center()
    w = SettingsWindow(s, app, 96)
    rect = around(w.rect)
    shots.take("settings-main", rect)
    w.page("hot")
    shots.take("settings-hotkeys", rect)
    w.page("save")
    shots.take("settings-saving", rect)
    w.end(CANCEL, "settings closed")
    app.close()


def installer(s, shots):
    setup = s.wine_popen("wine", os.path.join(DIST, "LumigrabSetup.exe"),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        page = s.wait_window(caption="Установка ЛюмиГРАБ", visible=True)["rect"]
        shots.take("installer-welcome", around(page))
        s.key("Return")  # "Далее"
        shots.take("installer-server", around(page))
        s.key("Escape")
        s.wait_window(cls="#32770", caption="Установка ЛюмиГРАБ", visible=True)
        s.key("Return")  # "Да": leave the installer
        setup.wait(timeout=30)
    finally:
        if setup.poll() is None:
            setup.kill()
            setup.wait(timeout=10)


def main():
    os.makedirs(OUT, exist_ok=True)
    # A fresh prefix of its own: no settings left from anything else.
    with Session("readme") as s:
        shots = Shots(s)
        program(s, shots)
        settings(s, shots)
        installer(s, shots)


if __name__ == "__main__":
    main()
