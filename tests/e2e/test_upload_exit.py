"""Two faults users met with uploads, at 96 and 144 DPI, against the stub
server. With the clipboard held by another program, the link that reached
the server is shown in the notification instead of a failure, and its
button copies it once the clipboard is free; the picture is stored once.
"Выход" during a slow upload lets it finish with the progress and a
notice in sight, drops the pictures queued behind it and says how many,
puts the link on the clipboard and ends the program within a bound; a
second "Выход" ends it at once. Screenshots: upload-exit-*-DPI.png."""
import select
import subprocess
import time

import harness
from harness import ScenarioError, Session, wait_for
from test_output import Output, screen_region_rgb
from test_upload import UPLOAD_Y, clipboard_text, set_clipboard_text
from upload_stub import UploadStub

SEL = (380, 220, 700, 420)
# Noise for a picture that does not compress, clear of the corner where
# the progress and the notification show.
NOISE = (40, 40, 840, 600)
# The notification with a link and its copy button after a message of one
# and of two lines (96-DPI pixels): its size, the button's centre.
LINK_HINT = {1: ((399, 129), (69 + 60, 89 + 13)), 2: ((399, 147), (69 + 60, 107 + 13))}
PROGRESS = (399, 86)
MARGIN = 10
# "Выход" waits at most 30 s for the upload; the rest is the notice's
# eight seconds at worst and the exit itself.
QUIT_BOUND = 45
MENU_EXIT_FROM_BOTTOM = 12


def px(v, dpi):
    return (v * dpi + 48) // 96


def size_of(w):
    r = w["rect"]
    return r[2] - r[0], r[3] - r[1]


def hold_clipboard(s):
    """Another program keeping the clipboard open until killed."""
    proc = s.wine_popen("wine", harness.PROBE, "holdclip", 300, stdout=subprocess.PIPE,
                        stderr=subprocess.DEVNULL)
    ready, _, _ = select.select([proc.stdout], [], [], 60)
    line = proc.stdout.readline().decode() if ready else ""
    if '"held":true' not in line:
        proc.kill()
        proc.wait(timeout=10)
        raise ScenarioError(f"lgprobe could not hold the clipboard: {line!r}")
    return proc


def upload(s, out, dpi, sel=SEL):
    queued = out.count("upload queued")
    panel = out.open_editor(sel)
    s.click(panel["rect"][0] + px(19, dpi), panel["rect"][1] + px(UPLOAD_Y, dpi))
    out.wait_count("upload queued", queued + 1)


def choose_exit(s, dpi):
    """"Выход" from the tray menu; the time it was clicked."""
    menu = s.tray_menu()
    left, _, right, bottom = menu["rect"]
    s.xdotool("mousemove", (left + right) // 2, bottom - px(MENU_EXIT_FROM_BOTTOM, dpi))
    clicked = time.monotonic()
    s.xdotool("click", 1)
    return clicked


def link_hint(s, dpi, lines):
    """The notification showing a link after a message of `lines` lines;
    where its copy button is."""
    size, button = LINK_HINT[lines]
    want = (px(size[0], dpi), px(size[1], dpi))
    hint = wait_for(lambda: (lambda w: w if w and size_of(w) == want else None)(
        s.find_window(cls="TBHintForm", visible=True)), 15, f"the notification of {want}")
    return hint["rect"][0] + px(button[0], dpi), hint["rect"][1] + px(button[1], dpi)


def busy_clipboard(s, app, out, stub, dpi):
    """The reply comes while another program holds the clipboard; the
    button is pressed once while it still does, once after."""
    stub.point_program_at("ok")
    set_clipboard_text(s, "kept")
    holder = hold_clipboard(s)
    try:
        upload(s, out, dpi)
        app.wait_trace("upload link kept: clipboard busy", timeout=30)
        button = link_hint(s, dpi, 1)
        if any("upload failed" in line for line in app.trace()):
            raise ScenarioError("a link on the server was reported as a failed upload")
        s.screenshot(f"upload-exit-busy-{dpi}")
        s.click(*button)
        app.wait_trace("link not copied from the notification")
        button = link_hint(s, dpi, 2)
        s.screenshot(f"upload-exit-still-busy-{dpi}")
    finally:
        holder.kill()
        holder.wait(timeout=15)
    if clipboard_text(s) != "kept":
        raise ScenarioError("the clipboard changed while another program held it")
    link = f"{stub.base}/s/{len(stub.received)}.png"
    s.click(*button)
    app.wait_trace("link copied from the notification")
    wait_for(lambda: clipboard_text(s) == link, 15, f"{link} on the clipboard")
    s.screenshot(f"upload-exit-copied-{dpi}")
    if stub.count("ok") != 1:
        raise ScenarioError(f"the picture reached the server {stub.count('ok')} times")


def quit_during_upload(s, app, out, stub, dpi):
    """A big picture goes to a server that answers slowly; two more wait
    behind it; then "Выход"."""
    x0, y0, x1, y1 = NOISE
    viewer = s.wine_popen("wine", harness.PROBE, "noise", x0, y0, x1 - x0, y1 - y0, 300,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    try:
        wait_for(lambda: len(set(screen_region_rgb(s.screenshot("upload-exit-noise"), NOISE))) > 200,
                 20, "noise on the screen")
        stub.point_program_at("drip")
        started = out.count("upload started")
        delivered = out.count("upload reply delivered")
        upload(s, out, dpi, NOISE)
        out.wait_count("upload started", started + 1)
        upload(s, out, dpi)
        upload(s, out, dpi)
        if out.count("upload reply delivered") > delivered:
            raise ScenarioError("the slow upload ended before the quit; make it slower")
        asked = choose_exit(s, dpi)
        app.wait_trace("quit: 1 under way, 2 not sent")
        hint = s.wait_window(cls="TBHintForm", visible=True)
        progress = s.wait_window(cls="TLoadForm", visible=True)
        s.screenshot(f"upload-exit-quitting-{dpi}")
        if size_of(progress) != (px(PROGRESS[0], dpi), px(PROGRESS[1], dpi)):
            raise ScenarioError(f"the progress window is {size_of(progress)}")
        if hint["rect"][3] != progress["rect"][1] - px(MARGIN, dpi):
            raise ScenarioError(f"the notice {hint['rect']} is not above the progress "
                                f"{progress['rect']}")
        code = app.wait_exit(timeout=QUIT_BOUND)
        took = time.monotonic() - asked
    finally:
        viewer.kill()
        viewer.wait(timeout=15)
    if code != 0:
        raise ScenarioError(f"exit code {code}")
    print(f"  {dpi} DPI: ended {took:.1f} s after Выход")
    if app.trace().count("upload link copied") != 1:
        raise ScenarioError(f"the link was not copied before the end: {app.trace()[-12:]}")
    if stub.count("drip") != 1:
        raise ScenarioError(f"{stub.count('drip')} uploads reached the server; the queued "
                            "ones must not")
    link = f"{stub.base}/s/{len(stub.received)}.png"
    if clipboard_text(s) != link:
        raise ScenarioError(f"the clipboard holds {clipboard_text(s)!r}, not {link}")


def second_quit(s, stub, dpi):
    app = s.start()
    s.tray_icon_center()
    out = Output(s, app)
    stub.point_program_at("drip")
    started = out.count("upload started")
    upload(s, out, dpi, SEL)
    out.wait_count("upload started", started + 1)
    choose_exit(s, dpi)
    app.wait_trace("quit: 1 under way")
    asked = choose_exit(s, dpi)
    app.wait_exit(timeout=15)
    if "quit at once" not in app.trace():
        raise ScenarioError("the second Выход did not end the program")
    print(f"  {dpi} DPI: the second Выход ended it {time.monotonic() - asked:.1f} s later")


def run_at(dpi):
    with Session(f"upload-exit-{dpi}", log_pixels=dpi if dpi != 96 else None) as s:
        with UploadStub(s) as stub:
            app = s.start()
            s.tray_icon_center()
            out = Output(s, app)
            busy_clipboard(s, app, out, stub, dpi)
            quit_during_upload(s, app, out, stub, dpi)
            if dpi == 96:
                second_quit(s, stub, dpi)


def scenario():
    for dpi in (96, 144):
        run_at(dpi)


if __name__ == "__main__":
    harness.run(scenario)
