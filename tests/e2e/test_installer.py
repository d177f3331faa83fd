"""The installer as an administrator uses it, silently: an install with
/SERVER= starts the program from its installed place (the welcome window,
the tray icon) and leaves the uninstall entry, the shortcut and the
server's address; a second install over the running first one (its welcome
window still up) closes it through its exit path and keeps a changed
setting; the silent uninstall closes the running copy and removes the
files, the shortcut, the autostart value and the entry, and nothing else:
a picture in the Pictures folder, another program's autostart value and
the settings stay, unless /REMOVESETTINGS asks for them too. A non-https
/SERVER= installs nothing.

The first install of this build stands in for the older copy."""
import filecmp
import os
import shutil
import subprocess

import harness
from harness import DIST, PROGRAM_KEY, ScenarioError, Session, wait_for

SETUP = os.path.join(DIST, "LumigrabSetup.exe")
UNINSTALL_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumigrab"
RUN_KEY = r"Software\Microsoft\Windows\CurrentVersion\Run"
MAIN_CLASS = "TVEY_Lumigrab_MainForm"
SERVER = "https://pictures.example.org/k3y"
# What the program itself loads from its folder.
PROGRAM_FILES = ["Lumigrab.exe", "bass.dll", "screenshoot.wav"] + [
    "Fonts/" + f for f in sorted(os.listdir(os.path.join(DIST, "Fonts")))]


class Place:
    """The user's folders in the prefix, as Windows names them and as
    files here."""

    def __init__(self, s):
        def folders():
            # cmd's exit status is not reliable under Wine; its lines are.
            out = s.wine("cmd", "/c", "echo %LOCALAPPDATA%&echo %APPDATA%&echo %USERPROFILE%",
                         capture_output=True, text=True)
            lines = [l.strip() for l in out.stdout.splitlines() if l.strip()]
            return lines[:3] if len(lines) >= 3 and all(":" in l for l in lines[:3]) else None
        local, roaming, profile = wait_for(folders, 60, "the user's folders from cmd", 1)
        self.win_dir = local + r"\Programs\Lumigrab"
        self.win_exe = self.win_dir + r"\Lumigrab.exe"
        self.dir = s.unix_path(self.win_dir)
        self.shortcut = s.unix_path(
            roaming + r"\Microsoft\Windows\Start Menu\Programs\ЛюмиГРАБ.lnk")
        self.picture = s.unix_path(profile + r"\Pictures\ЛюмиГРАБ-проверка.png")


def value(s, key, name):
    got = s.reg(key, name)
    return got["data"] if got and got.get("value") else None


def run_setup(s, *args, expect=0):
    # No pipes: the program the installer starts would hold them open.
    done = s.wine("wine", SETUP, *args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                  timeout=300)
    if done.returncode != expect:
        raise ScenarioError(f"LumigrabSetup.exe {args} ended with {done.returncode}, "
                            f"not {expect}")


def main_window_pid(s):
    w = s.find_window(cls=MAIN_CLASS)
    return w["pid"] if w else None


def check_installed(s, place):
    for rel in PROGRAM_FILES:
        path = os.path.join(place.dir, rel)
        if not os.path.isfile(path) or not filecmp.cmp(path, os.path.join(DIST, rel), False):
            raise ScenarioError(f"{rel} is not installed as built")
    if not os.path.isfile(place.shortcut):
        raise ScenarioError(f"no Start-menu shortcut at {place.shortcut}")
    quoted = f'"{place.win_dir}\\uninstall.exe"'
    expected = {
        "DisplayName": "ЛюмиГРАБ", "UninstallString": quoted,
        "QuietUninstallString": quoted + " /S", "DisplayIcon": f'"{place.win_exe}",0',
        "DisplayVersion": "2.0.0.0", "Publisher": "Vey Software", "NoModify": "1",
        "NoRepair": "1",
    }
    for name, want in expected.items():
        got = value(s, UNINSTALL_KEY, name)
        if str(got) != want:
            raise ScenarioError(f"uninstall entry {name} is {got!r}, not {want!r}")
    size_kb = int(value(s, UNINSTALL_KEY, "EstimatedSize") or 0)
    built_kb = sum(os.path.getsize(os.path.join(DIST, f)) for f in PROGRAM_FILES) // 1024
    if not built_kb <= size_kb <= built_kb * 2:
        raise ScenarioError(f"EstimatedSize {size_kb} KB for {built_kb} KB of files")


def silent_install_starts_the_program(s, place):
    run_setup(s, "/S", f"/SERVER={SERVER}")
    check_installed(s, place)
    if value(s, PROGRAM_KEY, "ServerURL") != SERVER:
        raise ScenarioError(f"ServerURL is {value(s, PROGRAM_KEY, 'ServerURL')!r}")
    pid = wait_for(lambda: main_window_pid(s), 30, "the installed program's main window")
    image = (s.probe("image", str(pid)) or {}).get("path") or ""
    if image.lower() != place.win_exe.lower():
        raise ScenarioError(f"the program runs from {image!r}, not {place.win_exe!r}")
    # Started with "/install": the welcome window.
    s.wait_window(cls="TWelcomForm", visible=True)
    s.tray_icon_center()
    s.screenshot("installer-installed")
    return pid


def install_over_keeps_settings(s, place, running_pid):
    # A setting the user changed, and autostart on, as the program stores them.
    s.reg_run("add", "HKCU\\" + PROGRAM_KEY, "/v", "playsound", "/t", "REG_DWORD", "/d", "0",
            "/f")
    s.reg_run("add", "HKCU\\" + RUN_KEY, "/v", "Lumigrab", "/d", f'"{place.win_exe}"', "/f")
    run_setup(s, "/S", "/NORUN")
    # The copy the first install started (its welcome window up) was asked
    # to close and went.
    pids = [w["pid"] for w in s.windows() if w["pid"] == running_pid]
    if pids:
        raise ScenarioError("the running copy still has windows after the install")
    if main_window_pid(s):
        raise ScenarioError("/NORUN started the program")
    check_installed(s, place)
    for name, want in (("playsound", 0), ("ServerURL", SERVER)):
        if value(s, PROGRAM_KEY, name) != want:
            raise ScenarioError(f"{name} is {value(s, PROGRAM_KEY, name)!r} after the "
                                f"install over, not {want!r}")


def silent_uninstall(s, place, *extra):
    """Runs the entry's quiet command (what deployment tools run) and waits
    until the entry has gone; the uninstaller runs from a copy of itself."""
    command = value(s, UNINSTALL_KEY, "QuietUninstallString")
    exe, _, args = command[1:].partition('" ')
    s.wine("wine", exe, *args.split(), *extra, stdout=subprocess.DEVNULL,
           stderr=subprocess.DEVNULL, check=True)
    wait_for(lambda: not (s.reg(UNINSTALL_KEY) or {}).get("key"), 60,
             "the uninstall entry to go")
    wait_for(lambda: not os.path.exists(place.dir), 30, "the program's folder to go")


def uninstall_removes_only_its_own(s, place):
    os.makedirs(os.path.dirname(place.picture), exist_ok=True)
    shutil.copy(os.path.join(DIST, "screenshoot.wav"), place.picture)
    s.reg_run("add", "HKCU\\" + RUN_KEY, "/v", "OtherTool", "/d", r'"C:\other\tool.exe"', "/f")
    app = s.start(exe=place.dir + "/Lumigrab.exe")
    app.wait_trace("main window created", timeout=30)

    silent_uninstall(s, place)
    # The running copy took the tray menu's exit path.
    if app.wait_exit(timeout=30) != 0:
        raise ScenarioError("the running copy did not end cleanly")
    app.wait_trace("exit requested")
    if os.path.exists(place.shortcut):
        raise ScenarioError("the shortcut stayed")
    if value(s, RUN_KEY, "Lumigrab") is not None:
        raise ScenarioError("the autostart value stayed")
    kept = {"the picture": os.path.isfile(place.picture),
            "another program's autostart": value(s, RUN_KEY, "OtherTool") is not None,
            "the changed setting": value(s, PROGRAM_KEY, "playsound") == 0,
            "the server's address": value(s, PROGRAM_KEY, "ServerURL") == SERVER}
    lost = [what for what, ok in kept.items() if not ok]
    if lost:
        raise ScenarioError(f"the uninstall removed {', '.join(lost)}")

    # Asked to, it removes the settings too.
    run_setup(s, "/S", "/NORUN")
    silent_uninstall(s, place, "/REMOVESETTINGS")
    if (s.reg(PROGRAM_KEY) or {}).get("key"):
        raise ScenarioError("/REMOVESETTINGS left the settings")


def refuses_a_plain_http_server(s, place):
    run_setup(s, "/S", "/SERVER=http://pictures.example.org", expect=2)
    if os.path.exists(place.dir) or (s.reg(UNINSTALL_KEY) or {}).get("key"):
        raise ScenarioError("an http:// address still installed the program")


def scenario():
    if not os.path.isfile(SETUP):
        raise ScenarioError(f"{SETUP} is not built (make dist)")
    with Session("installer") as s:
        # The session's prefix is new: nothing installed, no settings.
        place = Place(s)
        refuses_a_plain_http_server(s, place)
        pid = silent_install_starts_the_program(s, place)
        install_over_keeps_settings(s, place, pid)
        uninstall_removes_only_its_own(s, place)


if __name__ == "__main__":
    harness.run(scenario)
