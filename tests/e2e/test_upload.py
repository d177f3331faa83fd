"""Uploading to the program's own image server, as a user does: the
upload button sends the selection with its annotations; the link lands on
the clipboard, the server holds exactly the encoded picture and serves it
at that link, and the browser is asked to open it. PNG and JPEG. A server
that is gone, one whose certificate nobody trusts, and a stub server that
answers wrongly in every way give the failure message and leave the
clipboard as it was; the next upload works; two uploads started back to
back both arrive whole, with the progress window showing meanwhile."""
import glob
import os
import stat
import subprocess

import harness
from harness import ScenarioError, Session, wait_for
from image_server import KEY, ImageServer
from upload_stub import UploadStub
from test_output import (ARROW, SEL, SEL_H, SEL_W, Output, compare_with_screen, rgb_of,
                         screen_region_rgb)

UPLOAD_Y = 17  # the output panel's first row, 33 high
# A selection of random pixels large enough (about 2 MB as PNG) to take
# seconds at the slow stub's pace, beyond what the sockets buffer.
BIG = (100, 40, 1180, 720)


def clipboard_text(s):
    out = subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=s.env,
                         capture_output=True, timeout=20)
    return out.stdout.decode("utf-8", "replace") if out.returncode == 0 else ""


def set_clipboard_text(s, text):
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), env=s.env,
                   check=True, timeout=20)


def browser_recorder(s):
    """Wine opens links with the first browser of its list: a script that
    writes down what it was given."""
    log = os.path.join(s.tmp, "browser.log")
    script = os.path.join(s.tmp, "browser.sh")
    with open(script, "w") as f:
        f.write(f'#!/bin/sh\nprintf "%s\\n" "$@" >> "{log}"\n')
    os.chmod(script, stat.S_IRWXU)
    s.reg_run("add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/t", "REG_SZ",
            "/d", script, "/f")
    return log


def stored_files(srv):
    return [p for p in glob.glob(os.path.join(srv.data, "pictures", "*", "*")) if os.path.isfile(p)]


def upload_once(s, out, srv, ext):
    """One capture, an arrow, the upload button; the link, checked against
    the screen and the server's folder."""
    shot = s.screenshot(f"upload-screen-{ext}")
    screen = screen_region_rgb(shot, SEL)
    panel = out.open_editor()
    s.drag(*ARROW, steps=10)
    before = set(stored_files(srv))
    out.press(panel, UPLOAD_Y)
    link = wait_for(lambda: (lambda t: t if t.startswith(srv.url + "/s/") else None)(
        clipboard_text(s)), 30, "the link on the clipboard")
    if not link.endswith("." + ext):
        raise ScenarioError(f"the link {link} is not a .{ext}")
    out.wait_closed()
    status, body = srv.get(link[len(srv.url):])
    if status != 200:
        raise ScenarioError(f"the link answers {status}")
    added = set(stored_files(srv)) - before
    if len(added) != 1:
        raise ScenarioError(f"the server stored {sorted(added)}")
    with open(added.pop(), "rb") as f:
        if f.read() != body:
            raise ScenarioError("the link serves other bytes than the server stored")
    w, h, pixels = rgb_of(f"{ext}:-", body)
    if (w, h) != (SEL_W, SEL_H):
        raise ScenarioError(f"the uploaded picture is {w}x{h}")
    wrong, red = compare_with_screen(pixels, screen)
    if ext == "png" and wrong:
        raise ScenarioError(f"{len(wrong)} pixels differ from the screen, e.g. {wrong[:3]}")
    if ext == "jpg":
        # Lossy: away from the arrow the picture stays close to the screen.
        error = sum(abs(g - w) for _, _, got, want in wrong for g, w in zip(got, want))
        mean = error / (SEL_W * SEL_H * 3)
        if mean > 4:
            raise ScenarioError(f"the JPEG is {mean:.1f} levels off the selection on average")
    if red < 50:
        raise ScenarioError(f"the arrow is missing from the upload ({red} red pixels)")
    return link


def uploaded_picture(body, content_type):
    """The file part of a multipart body, cut at the boundary after it."""
    boundary = content_type.split("boundary=", 1)[1].encode()
    start = body.index(b"\r\n\r\n", body.index(b'name="filescreen"')) + 4
    end = body.index(b"\r\n--" + boundary, start)
    return body[start:end]


def stub_failures_and_queue(s):
    with UploadStub(s) as stub:
        app = s.start()
        s.tray_icon_center()
        out = Output(s, app)
        set_clipboard_text(s, "kept")
        for mode in ("html", "e500", "e404", "empty", "loop", "error", "hang"):
            stub.point_program_at(mode)
            failed = out.count("upload failed")
            panel = out.open_editor()
            out.press(panel, UPLOAD_Y)
            out.wait_closed()
            out.wait_count("upload failed", failed + 1, timeout=40)
            if stub.count(mode) < 1:
                raise ScenarioError(f"the upload never reached the stub ({mode})")
            if clipboard_text(s) != "kept":
                raise ScenarioError(f"a failed upload ({mode}) changed the clipboard")
            print(f"  {mode}: the failure message, the clipboard kept")

        # The next upload works.
        stub.point_program_at("ok")
        panel = out.open_editor()
        out.press(panel, UPLOAD_Y)
        wait_for(lambda: clipboard_text(s).startswith(stub.base + "/s/"), 30,
                 "the stub's link on the clipboard")

        # Two uploads back to back, the second queued behind the slow first.
        # Noise under the selection makes a picture large enough to take
        # seconds at the stub's pace.
        x0, y0, x1, y1 = BIG
        viewer = s.wine_popen("wine", harness.PROBE, "noise", x0, y0, x1 - x0, y1 - y0, 300,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        try:
            wait_for(lambda: len(set(screen_region_rgb(s.screenshot("upload-noise"), BIG))) > 200,
                     20, "noise on the screen")
            queue_two(s, out, stub)
        finally:
            viewer.kill()
            viewer.wait(timeout=15)
        app.close()


def queue_two(s, out, stub):
    """The second picture comes while the stub still sits on the first: it
    waits its turn, and both arrive whole."""
    stub.point_program_at("slow")
    before = len(out.app.trace())
    started = out.count("upload started")
    panel = out.open_editor(BIG)
    out.press(panel, UPLOAD_Y)
    out.wait_count("upload started", started + 1)
    if s.find_window(cls="TLoadForm", visible=True):
        s.screenshot("upload-progress")
    panel = out.open_editor(BIG)
    out.press(panel, UPLOAD_Y)
    out.wait_closed()
    wait_for(lambda: sum("upload link copied" in t for t in out.app.trace()[before:]) >= 2, 90,
             "both links copied")
    lines = out.app.trace()[before:]
    queued = [i for i, t in enumerate(lines) if t == "upload queued"]
    delivered = [i for i, t in enumerate(lines) if t.startswith("upload reply delivered")]
    if len(queued) != 2 or queued[1] > delivered[0]:
        raise ScenarioError(f"the second upload was not queued behind the first: {lines}")
    slow = [(ct, body) for mode, ct, body in stub.received if mode == "slow"]
    if len(slow) != 2:
        raise ScenarioError(f"{len(slow)} slow uploads reached the stub")
    for ct, body in slow:
        # The format chosen last (JPEG); the picture says which it is.
        w, h, _ = rgb_of("-", uploaded_picture(body, ct))
        if (w, h) != (BIG[2] - BIG[0], BIG[3] - BIG[1]):
            raise ScenarioError(f"a queued upload arrived as {w}x{h}")
    if s.find_window(cls="TLoadForm", visible=True):
        raise ScenarioError("the progress window stayed after the uploads")


def scenario():
    with Session("upload") as s:
        recorder = browser_recorder(s)
        with ImageServer(s) as srv:
            app = s.start()
            s.tray_icon_center()
            out = Output(s, app)
            link = upload_once(s, out, srv, "png")
            wait_for(lambda: os.path.exists(recorder) and link in open(recorder).read(), 20,
                     "the browser asked to open the link")

            # A server that is gone: the message, the clipboard kept.
            srv.proc.terminate()
            srv.proc.wait(timeout=15)
            set_clipboard_text(s, "kept")
            failed = out.count("upload failed")
            panel = out.open_editor()
            out.press(panel, UPLOAD_Y)
            out.wait_count("upload failed", failed + 1)
            if clipboard_text(s) != "kept":
                raise ScenarioError(f"a failed upload changed the clipboard: {clipboard_text(s)!r}")
            out.wait_closed()
            app.close()

        # JPEG, from a fresh start with the format chosen in the settings.
        s.reg_run("add", KEY, "/v", "format", "/t", "REG_DWORD", "/d", "1", "/f")
        with ImageServer(s) as srv:
            app = s.start()
            s.tray_icon_center()
            out = Output(s, app)
            upload_once(s, out, srv, "jpg")
            app.close()

        # A server whose certificate nobody trusts: refused.
        with ImageServer(s, trust=False) as srv:
            app = s.start()
            s.tray_icon_center()
            out = Output(s, app)
            failed = out.count("upload failed")
            panel = out.open_editor()
            out.press(panel, UPLOAD_Y)
            out.wait_count("upload failed", failed + 1)
            if stored_files(srv):
                raise ScenarioError("an untrusted server received the picture")
            app.close()
        stub_failures_and_queue(s)


if __name__ == "__main__":
    harness.run(scenario)
