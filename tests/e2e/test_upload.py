"""Uploading to the program's own image server, as a user does: the
upload button sends the selection with its annotations; the link lands on
the clipboard, the server holds exactly the encoded picture and serves it
at that link, and the browser is asked to open it. PNG and JPEG. A server
that is gone, or one whose certificate nobody trusts, gives the failure
message and leaves the clipboard as it was; the next upload works."""
import glob
import os
import stat
import subprocess

import harness
from harness import ScenarioError, Session, wait_for
from image_server import KEY, ImageServer
from test_output import (ARROW, SEL, SEL_H, SEL_W, Output, compare_with_screen, rgb_of,
                         screen_region_rgb)

UPLOAD_Y = 17  # the output panel's first row, 33 high


def reg_run(s, *args, check=True):
    subprocess.run(["wine", "reg", *args], env=s.env, check=check, capture_output=True,
                   timeout=120)


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
    reg_run(s, "add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/t", "REG_SZ",
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
    if ext == "jpg" and len(wrong) > SEL_W * SEL_H // 2:
        raise ScenarioError("the JPEG does not look like the selection")
    if red < 50:
        raise ScenarioError(f"the arrow is missing from the upload ({red} red pixels)")
    return link


def scenario():
    with Session("upload") as s:
        reg_run(s, "delete", KEY, "/f", check=False)
        recorder = browser_recorder(s)
        try:
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
            reg_run(s, "add", KEY, "/v", "format", "/t", "REG_DWORD", "/d", "1", "/f")
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
        finally:
            reg_run(s, "delete", KEY, "/f", check=False)
            reg_run(s, "delete", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/f",
                    check=False)


if __name__ == "__main__":
    harness.run(scenario)
