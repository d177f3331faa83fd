"""The update check and the information windows against the program's own
image server: "ver=2.1" brings up the notice about a second after start
and closing it moves the next check to tomorrow; "ver=2.0" and a server
that fails show nothing; the start-up check reaches the server on every
start, and one that found no server tries again a minute later;
"Проверить обновление" in the tray menu always answers: the notice
whatever the stored day, "up to date" with the version, or why it could
not check; "/install" shows the welcome window whose "Сделать скриншот"
starts a capture; the first output brings the offer and the third the
rating window. The five windows are looked at at 96 DPI and once at 144
DPI."""
import datetime
import struct

import harness
from harness import PROGRAM_KEY, ScenarioError, Session, wait_for
from image_server import KEY, ImageServer, free_port
from test_hotkeys import Trace, close_capture, stays_false
from test_output import COPY_Y, Output

SIZES = {"TNewVersionForm": (526, 258), "TAboutForm": (576, 371), "TWelcomForm": (576, 371),
         "TFormOfferKVR": (789, 480), "TFormSurvey": (592, 260)}
NOTICE_CLOSE = (504 + 7, 8 + 7)
WELCOME_CAPTURE = (355 + 100, 315 + 21)
OFFER_CLOSE = (736 + 16, 24 + 16)
SURVEY_CLOSE = (552 + 19, 19)
ABOUT_CLOSE = (417 + 71, 318 + 19)
# The tray menu at 96 DPI ends with "Проверить обновление", "О программе", a
# separator and "Выход": items 19 px high, the separator 9, a 3 px border.
MENU_CHECK_FROM_BOTTOM = 3 + 19 + 9 + 19 + 19 // 2


def px(v, dpi):
    return (v * dpi + 48) // 96


def forget(s):
    s.reg_run("delete", KEY, "/f", check=False)


def window(s, cls, dpi=96):
    w = s.wait_window(cls=cls, visible=True)
    want = tuple(px(v, dpi) for v in SIZES[cls])
    got = (w["rect"][2] - w["rect"][0], w["rect"][3] - w["rect"][1])
    if got != want:
        raise ScenarioError(f"{cls} is {got}, not {want}")
    return w


def click_in(s, w, point, dpi=96):
    s.click(w["rect"][0] + px(point[0], dpi), w["rect"][1] + px(point[1], dpi))


def gone(s, cls):
    wait_for(lambda: not s.find_window(cls=cls, visible=True), 15, f"{cls} to close")


def update_notice(s):
    with ImageServer(s, latest_version="2.1") as srv:
        app = s.start()
        t = Trace(app)
        t.wait_next("update check: newer version", 0, timeout=30)
        w = window(s, "TNewVersionForm")
        s.screenshot("info-new-version")
        click_in(s, w, NOTICE_CLOSE)
        gone(s, "TNewVersionForm")
        stored = s.reg(PROGRAM_KEY, "UpdateDate")
        if not stored or not stored.get("value"):
            raise ScenarioError(f"closing the notice stored no next day: {stored}")
        app.close()

        # The next start: the day has not come, no request is made.
        app = s.start()
        Trace(app).wait_next("update check: not due", 0, timeout=30)
        app.close()
    forget(s)

    for version, why in (("2.0", "up to date"),):
        with ImageServer(s, latest_version=version):
            app = s.start()
            Trace(app).wait_next(f"update check: {why}", 0, timeout=30)
            if not stays_false(lambda: s.find_window(cls="TNewVersionForm", visible=True), 2):
                raise ScenarioError(f"ver={version} brought up the notice")
            app.close()

    # A server without an update list answers 404: no notice, and the
    # automatic check says nothing else either.
    with ImageServer(s, extra_args=["--base-path", "/elsewhere"]) as srv:
        app = s.start()
        Trace(app).wait_next("update check: no reply (status, status 404", 0, timeout=30)
        if not stays_false(lambda: s.find_window(cls="TBHintForm", visible=True), 2):
            raise ScenarioError("the automatic check told of its failure")
        app.close()
    forget(s)


def updates_asked(srv):
    return srv.requests("/updates.txt")


def startup_reaches_the_server(s):
    """Five starts with a fresh state: each start-up check reaches the
    server. Then a start before the server is there: the check that could
    not connect comes again a minute later and gets through."""
    with ImageServer(s, latest_version="2.0") as srv:
        for n in range(1, 6):
            s.reg_run("delete", KEY, "/v", "UpdateDate", "/f", check=False)
            before = updates_asked(srv)
            app = s.start()
            wait_for(lambda: updates_asked(srv) > before, 20,
                     f"the start-up check of start {n} at the server")
            Trace(app).wait_next("update check: up to date", 0)
            app.close()

    late = ImageServer(s, latest_version="2.0")  # its port, not listening yet
    s.reg_run("add", KEY, "/v", "ServerURL", "/t", "REG_SZ", "/d", late.url, "/f")
    app = s.start()
    t = Trace(app)
    t.wait_next("update check: no reply (no connection", 0, timeout=30)
    t.wait_next("update check: retry in 60 s", 0)
    with late:
        before = updates_asked(late)
        wait_for(lambda: updates_asked(late) > before, 80, "the retry a minute after start")
        t.wait_next("update check: up to date", 0)
    app.close()
    forget(s)


def settings_date(day):
    """A settings date as reg.exe takes a REG_BINARY: the day count since
    30 December 1899 as a little-endian double, in hex."""
    days = (day - datetime.date(1899, 12, 30)).days
    return struct.pack("<d", days).hex()


def point_at(s, url):
    s.reg_run("add", KEY, "/v", "ServerURL", "/t", "REG_SZ", "/d", url, "/f")


def ask_for_update(s, t):
    """Clicks "Проверить обновление" in the tray menu."""
    asked = t.count("update check asked for")
    left, _, right, bottom = s.tray_menu()["rect"]
    s.click((left + right) // 2, bottom - MENU_CHECK_FROM_BOTTOM)
    t.wait_next("update check asked for", asked)


def notification_says(s, text, shot):
    """Waits for the notification window with `text` (its window text is
    the message) and photographs it."""
    def look():
        w = s.find_window(cls="TBHintForm", visible=True)
        return w if w and w["caption"] == text else None
    try:
        w = wait_for(look, 30, f"the notification {text!r}")
    except ScenarioError:
        w = s.find_window(cls="TBHintForm", visible=True)
        raise ScenarioError(f"the notification says {w and w['caption']!r}, not {text!r}")
    s.screenshot(shot)
    return w


UP_TO_DATE = "Установлена последняя версия.\r\nВерсия программы 2.0."
FAILED = "Не удалось проверить обновление.\r\n"


def asked_checks(s):
    """One running program asked four times, its server changed between."""
    with ImageServer(s, latest_version="2.0") as current, \
            ImageServer(s, extra_args=["--base-path", "/elsewhere"]) as missing, \
            ImageServer(s, trust=False) as stranger, \
            ImageServer(s, latest_version="2.1") as newer:
        point_at(s, current.url)
        app = s.start()
        t = Trace(app)
        t.wait_next("update check: up to date", 0, timeout=30)
        if s.find_window(cls="TBHintForm", visible=True):
            raise ScenarioError("the start-up check told that it found nothing")

        for url, text, shot in (
                (current.url, UP_TO_DATE, "update-asked-up-to-date"),
                (missing.url, FAILED + "Сервер ответил с кодом 404.", "update-asked-status"),
                (f"https://localhost:{free_port()}", FAILED + "Нет соединения с сервером.",
                 "update-asked-no-connection"),
                (stranger.url, FAILED + "Сертификат сервера не принят.",
                 "update-asked-certificate")):
            point_at(s, url)
            ask_for_update(s, t)
            notification_says(s, text, shot)

        # The notice was closed yesterday: the automatic check waits until
        # tomorrow, the user's does not.
        tomorrow = datetime.date.today() + datetime.timedelta(days=1)
        s.reg_run("add", KEY, "/v", "UpdateDate", "/t", "REG_BINARY", "/d",
                  settings_date(tomorrow), "/f")
        point_at(s, newer.url)
        ask_for_update(s, t)
        w = window(s, "TNewVersionForm")
        s.screenshot("update-asked-newer")
        click_in(s, w, NOTICE_CLOSE)
        gone(s, "TNewVersionForm")
        app.close()
    forget(s)


def welcome_and_feedback(s):
    with ImageServer(s):
        app = s.start("/install")
        w = window(s, "TWelcomForm")
        s.screenshot("info-welcome")
        t = Trace(app)
        shown = t.count("capture shown")
        # The button takes clicks once the welcome page had its two seconds;
        # a click is given only while the window is still there, so none
        # lands on the capture it starts.
        def press_capture():
            if s.find_window(cls="TWelcomForm", visible=True):
                click_in(s, w, WELCOME_CAPTURE)
                return False
            return True
        wait_for(press_capture, 20, "the welcome window's button to close it")
        t.wait_next("capture shown", shown)
        close_capture(s, t)

        out = Output(s, app)
        for n in (1, 2, 3):
            panel = out.open_editor()
            copied = out.count("copied to the clipboard")
            out.press(panel, COPY_Y)
            out.wait_count("copied to the clipboard", copied + 1)
            out.wait_closed()
            if n == 1:
                w = window(s, "TFormOfferKVR")
                s.screenshot("info-offer")
                click_in(s, w, OFFER_CLOSE)
                gone(s, "TFormOfferKVR")
            elif n == 2:
                if not stays_false(lambda: s.find_window(cls="TFormSurvey", visible=True) or
                                   s.find_window(cls="TFormOfferKVR", visible=True), 2):
                    raise ScenarioError("the second output brought up a window")
            else:
                w = window(s, "TFormSurvey")
                s.screenshot("info-survey")
                click_in(s, w, SURVEY_CLOSE)
                gone(s, "TFormSurvey")
        app.close()
    forget(s)


def scenario():
    with Session("update", feedback=True) as s:
        update_notice(s)
        asked_checks(s)
        startup_reaches_the_server(s)
        welcome_and_feedback(s)


if __name__ == "__main__":
    harness.run(scenario)
