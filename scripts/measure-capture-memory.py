#!/usr/bin/env python3
"""Whole-program figures under Wine on a 3840 x 2160 desktop: the
program's resident memory idle before a capture, with a capture open (a
selection dragged), and after it closed; and the time from the click on
the tray icon to the frozen screen ("capture shown" in the trace). Three
captures in a row, so the second and third show whether opening again got
slower. Prints a Markdown table.

    python3 scripts/measure-capture-memory.py      (after make win32)

The build it measures is the harness's (LUMIGRAB_BUILD_DIR and friends)."""
import os
import statistics
import sys
import time

os.environ.setdefault("LUMIGRAB_E2E_SIZE", "3840x2160")
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

import harness  # noqa: E402
from harness import Session, wait_for  # noqa: E402

CAPTURES = 3


def settled_rss(app, seconds=3.0):
    """Resident memory after `seconds` of leaving the program be."""
    time.sleep(seconds)
    return app.resident_mb()


def count(app, text):
    return sum(text in line for line in app.trace())


def main():
    rows = []
    with Session("memory") as s:
        app = s.start()
        x, y = s.tray_icon_center(timeout=60)
        idle = settled_rss(app)
        w, h = harness.SIZE
        for i in range(CAPTURES):
            shown = count(app, "capture shown")
            s.xdotool("mousemove", x, y)
            start = time.monotonic()
            s.xdotool("click", 1)
            wait_for(lambda: count(app, "capture shown") > shown, 60, "the capture", 0.005)
            opened = time.monotonic() - start
            editors = count(app, "editor opened")
            s.drag(w // 4, h // 4, w * 3 // 4, h * 3 // 4, steps=10)
            wait_for(lambda: count(app, "editor opened") > editors, 30, "the editor")
            during = settled_rss(app, 1.5)
            closed = count(app, "capture closed")
            s.key("Escape")
            wait_for(lambda: count(app, "capture closed") > closed, 30, "the capture to close")
            after = settled_rss(app)
            rows.append((i + 1, opened, during, after))
        app.close()

    print(f"Desktop {harness.SIZE[0]} x {harness.SIZE[1]}; idle before the first capture: "
          f"{idle[0]:.1f} MB resident ({idle[1]:.1f} MB of it X shared memory).\n")
    print("| Capture | Tray click to frozen screen | Resident while open | After it closed "
          "| Of which X shared memory | The program's own, change from idle |")
    print("|---|---|---|---|---|---|")
    for n, opened, during, after in rows:
        own = (after[0] - after[1]) - (idle[0] - idle[1])
        print(f"| {n} | {opened * 1000:.0f} ms | {during[0]:.1f} MB | {after[0]:.1f} MB "
              f"| {after[1]:.1f} MB | {own:+.1f} MB |")
    print(f"\nMedian tray click to frozen screen: "
          f"{statistics.median(r[1] for r in rows) * 1000:.0f} ms")


if __name__ == "__main__":
    main()
