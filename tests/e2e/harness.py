"""End-to-end harness: the real Lumigrab.exe in a Wine virtual desktop on a
private Xvfb display, driven with xdotool and looked at with lgprobe (a
small Windows program that reports windows, the tray and the registry) and
ImageMagick screenshots.

Each scenario runs in a fresh copy of the build's booted Wine prefix, so
scenarios neither see each other's settings nor wait for each other.
Everything a session starts it stops again, however the scenario ends:
Xvfb by its process id, Wine with `wineserver -k` on the session's own
prefix. Every wait has a bound; nothing sleeps blindly. Wine is reached only
through scripts/wine-tool (`wine_argv`, `Session.wine`), which starts the
loader of the build under test; Wine's own commands are shadowed in PATH
so that a direct call fails on every machine.
"""
import fcntl
import json
import os
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.environ.get("LUMIGRAB_BUILD_DIR", os.path.join(ROOT, "build", "win32"))
PROBE = os.environ.get("LUMIGRAB_PROBE", os.path.join(BUILD, "tests", "e2e", "lgprobe.exe"))
DIST = os.environ.get("LUMIGRAB_DIST_DIR", os.path.join(ROOT, "dist"))
# win64 where this machine cannot start 32-bit programs (scripts/wine-arch).
WINEARCH = os.environ.get("LUMIGRAB_WINEARCH", "win32")
EXE = os.path.join(DIST, "Lumigrab.exe")
WINE_TOOL = os.path.join(ROOT, "scripts", "wine-tool")
WINE_TRAP = os.path.join(ROOT, "scripts", "wine-trap")
SHOTS = os.path.join(BUILD, "e2e-shots")
DESKTOP = "lumigrab"
# The virtual screen; scripts that measure big captures ask for another.
SIZE = tuple(int(v) for v in os.environ.get("LUMIGRAB_E2E_SIZE", "1280x800").split("x"))

PROGRAM_KEY = r"Software\Vey Software\Lumigrab"


class ScenarioError(AssertionError):
    pass


def wine_argv(tool, *args):
    """The command line that runs one of Wine's programs (`wine` with a
    Windows program, `wineserver`, `winepath`, `reg`, `cmd` ...) with the
    loader of the architecture under test."""
    return [WINE_TOOL, tool, *map(str, args)]


def wait_for(predicate, timeout, what, interval=0.2):
    """Polls `predicate` until it returns something truthy; fails after
    `timeout` seconds naming `what`."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        last = predicate()
        if last:
            return last
        if time.monotonic() >= deadline:
            raise ScenarioError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class App:
    """One started copy of the program; its debug trace goes to a file."""

    def __init__(self, session, args, exe=None):
        """`exe`: another copy of the program (an installed one) instead of
        the build's."""
        self.session = session
        exe = exe or EXE
        self.exe = exe
        self.trace_path = tempfile.mktemp(prefix="lg-trace-", suffix=".log", dir=session.tmp)
        self._trace = open(self.trace_path, "wb")
        env = dict(session.env)
        # Wine reports OutputDebugString as a warning of its "seh" channel.
        env["WINEDEBUG"] = os.environ.get("LG_WINEDEBUG", "-all,warn+seh")
        self.proc = subprocess.Popen(wine_argv("wine", exe, *args), env=env,
                                     cwd=os.path.dirname(exe),
                                     stdout=subprocess.DEVNULL, stderr=self._trace)

    def trace(self):
        """The program's own trace lines, in order."""
        self._trace.flush()
        lines = []
        with open(self.trace_path, "rb") as f:
            for raw in f.read().decode("utf-8", "replace").splitlines():
                at = raw.find("Lumigrab: ")
                if at >= 0 and "OutputDebugString" in raw:
                    text = raw[at + len("Lumigrab: "):]
                    # Wine quotes the string and escapes the line end.
                    for tail in ('\\n"', '"'):
                        if text.endswith(tail):
                            text = text[: -len(tail)]
                    lines.append(text)
        return lines

    def wait_trace(self, text, timeout=20):
        return wait_for(lambda: any(text in line for line in self.trace()), timeout,
                        f"trace line '{text}' (have: {self.trace()})")

    def running(self):
        return self.proc.poll() is None

    def linux_pid(self):
        """The Linux process that runs the program (the launcher the
        harness started hands over to it); None while there is none."""
        prefix = b"WINEPREFIX=" + self.session.env["WINEPREFIX"].encode()
        name = os.path.basename(self.exe).encode()
        for pid in os.listdir("/proc"):
            if not pid.isdigit():
                continue
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as f:
                    cmdline = f.read()
                with open(f"/proc/{pid}/environ", "rb") as f:
                    environ = f.read().split(b"\0")
            except OSError:
                continue
            if name in cmdline and prefix in environ:
                return int(pid)
        return None

    def resident_mb(self):
        """(resident MB, of which X shared memory MB) of the program's
        process. The second is the window surfaces Wine's X11 driver keeps
        in shared memory segments (a full-screen window's is a whole
        frame); on Windows the compositor holds those, outside the
        process."""
        pid = wait_for(self.linux_pid, 30, "the program's process")
        total = shared = 0
        in_shm = False
        with open(f"/proc/{pid}/smaps") as f:
            for line in f:
                first = line.split(maxsplit=1)[0]
                if "-" in first and not first.endswith(":"):
                    in_shm = "/SYSV" in line
                elif first == "Rss:":
                    kb = int(line.split()[1])
                    total += kb
                    if in_shm:
                        shared += kb
        return total / 1024, shared / 1024

    def wait_exit(self, timeout=20):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise ScenarioError(f"program still running after {timeout} s")

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(timeout=10)
        self._trace.close()


class Session:
    """Xvfb + the Wine virtual desktop for one scenario."""

    def __init__(self, name, log_pixels=None, feedback=False):
        """`log_pixels` runs the session at that display DPI (144 = 150 %),
        set in the prefix before anything starts. Without `feedback` the
        program starts as one used for a while: the survey answered and the
        next offer far off, so no window of those comes up after an output
        (a new prefix would bring the offer after the first one)."""
        self.name = name
        self.log_pixels = log_pixels
        self.feedback = feedback
        self.apps = []
        self.xvfb = None
        self.desktop = None
        self.lock = None
        self.tmp = tempfile.mkdtemp(prefix="lg-e2e-")
        self.prefix = os.path.join(BUILD, "e2e-prefixes", name)
        self.env = dict(os.environ)
        self.env.update({
            "WINEPREFIX": self.prefix,
            "LUMIGRAB_WINEPREFIX": self.prefix,
            "WINEARCH": WINEARCH,
            "LUMIGRAB_WINEARCH": WINEARCH,
            "LUMIGRAB_BUILD_DIR": BUILD,
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "winemenubuilder.exe=d;mscoree=d;mshtml=d",
            "PATH": WINE_TRAP + os.pathsep + os.environ.get("PATH", ""),
        })

    # -- lifetime ---------------------------------------------------------
    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def _start(self):
        if not os.path.exists(EXE):
            raise ScenarioError(f"{EXE} is not built")
        # The same scenario run twice at once would share the prefix.
        os.makedirs(os.path.dirname(self.prefix), exist_ok=True)
        self.lock = open(self.prefix + ".run-lock", "w")
        try:
            fcntl.flock(self.lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
        except BlockingIOError:
            raise ScenarioError(f"scenario {self.name} is already running")
        subprocess.run(["bash", "-c", f'. "{ROOT}/scripts/wine-env.sh" && lg_prefix_init fresh'],
                       env=self.env, check=True, timeout=600)
        self._seed_registry()
        self._start_xvfb()
        self.desktop = subprocess.Popen(
            wine_argv("explorer", f"/desktop={DESKTOP},{SIZE[0]}x{SIZE[1]}"), env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(self._desktop_window, 60, "the Wine virtual desktop window")

    def _seed_registry(self):
        keys = {}
        if self.log_pixels:
            keys[r"HKEY_CURRENT_USER\Control Panel\Desktop"] = [
                f'"LogPixels"=dword:{self.log_pixels:08x}']
        if not self.feedback:
            # A settings date is a day number stored as a little-endian double.
            far = ",".join(f"{b:02x}" for b in struct.pack("<d", 1e6))
            keys["HKEY_CURRENT_USER\\" + PROGRAM_KEY] = [
                '"SurveySeeSite"=dword:00000001', f'"ShowOffer"=hex:{far}']
        if not keys:
            return
        path = os.path.join(self.tmp, "seed.reg")
        with open(path, "w", encoding="utf-8", newline="\r\n") as f:
            f.write("Windows Registry Editor Version 5.00\n")
            for key, values in keys.items():
                f.write(f"\n[{key}]\n" + "\n".join(values) + "\n")
        self._wine_reg("import", path)

    def _wine_reg(self, *args):
        env = {k: v for k, v in self.env.items() if k != "DISPLAY"}
        subprocess.run(wine_argv("reg", *args), env=env, check=True, capture_output=True,
                       timeout=120)
        # The value reaches the registry files before the next server reads them.
        subprocess.run(wine_argv("wineserver", "-w"), env=env, timeout=120)

    def _start_xvfb(self):
        r, w = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(w), "-screen", "0", f"{SIZE[0]}x{SIZE[1]}x24",
             "-nolisten", "tcp"], pass_fds=(w,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(w)
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline or self.xvfb.poll() is not None:
                os.close(r)
                raise ScenarioError("Xvfb did not start")
            chunk = os.read(r, 16)
            if not chunk:
                break
            number += chunk
        os.close(r)
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def _desktop_window(self):
        out = subprocess.run(["xdotool", "search", "--name", f"{DESKTOP} - Wine desktop"],
                             env=self.env, capture_output=True, text=True)
        return out.stdout.strip()

    def __exit__(self, *exc):
        if exc[0] is not None and self.env.get("DISPLAY"):
            try:  # what the screen showed when the scenario failed
                self.screenshot(f"failed-{self.name}")
            except Exception:
                pass
        for app in self.apps:
            try:
                app.close()
            except Exception:
                pass
        subprocess.run(wine_argv("wineserver", "-k"), env=self.env, stderr=subprocess.DEVNULL)
        if self.desktop and self.desktop.poll() is None:
            self.desktop.kill()
            self.desktop.wait(timeout=10)
        if self.xvfb:
            self.xvfb.send_signal(signal.SIGTERM)
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
        if exc[0] is None:
            # A failed scenario's prefix stays for a look; a passed one's goes.
            shutil.rmtree(self.prefix, ignore_errors=True)
        if self.lock:
            self.lock.close()
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    # -- the program ------------------------------------------------------
    def start(self, *args, exe=None):
        app = App(self, list(args), exe)
        self.apps.append(app)
        return app

    def wine(self, tool, *args, **kwargs):
        """Runs one of Wine's programs in this session (subprocess.run's
        keywords; a bound of 120 s unless given)."""
        kwargs.setdefault("timeout", 120)
        return subprocess.run(wine_argv(tool, *args), env=self.env, **kwargs)

    def wine_popen(self, tool, *args, **kwargs):
        return subprocess.Popen(wine_argv(tool, *args), env=self.env, **kwargs)

    def reg_run(self, *args, check=True):
        """`reg.exe` with these arguments (add, delete, query ...)."""
        return self.wine("reg", *args, check=check, capture_output=True)

    def unix_path(self, windows_path):
        """Where a Windows path of the prefix lies on this machine."""
        out = self.wine("winepath", "-u", windows_path, capture_output=True, text=True,
                        check=True)
        return out.stdout.strip()

    # -- looking --------------------------------------------------------
    def probe(self, *args):
        out = subprocess.run(wine_argv("wine", PROBE, *args), env=self.env,
                             capture_output=True, timeout=60)
        text = out.stdout.decode("utf-8", "replace").strip()
        try:
            return json.loads(text) if text else None
        except json.JSONDecodeError:
            raise ScenarioError(f"lgprobe {args}: unreadable output {text!r}")

    def windows(self):
        return self.probe("windows") or []

    def hold_hotkey(self, modifiers, vk, seconds=300):
        """Another program holding a global hotkey (system modifiers, virtual
        key) until the returned process is killed."""
        proc = self.wine_popen("wine", PROBE, "hold", modifiers, vk, seconds,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        ready, _, _ = select.select([proc.stdout], [], [], 60)
        line = proc.stdout.readline().decode() if ready else ""
        if '"held":true' not in line:
            proc.kill()
            proc.wait(timeout=10)
            raise ScenarioError(f"lgprobe could not hold the hotkey: {line!r}")
        return proc

    def find_window(self, cls=None, caption=None, visible=None):
        for w in self.windows():
            if cls is not None and w["class"] != cls:
                continue
            if caption is not None and w["caption"] != caption:
                continue
            if visible is not None and w["visible"] != visible:
                continue
            return w
        return None

    def wait_window(self, cls=None, caption=None, visible=None, timeout=30):
        return wait_for(lambda: self.find_window(cls, caption, visible), timeout,
                        f"a window class={cls} caption={caption}")

    def reg(self, key, value=None):
        return self.probe("reg", key, *([value] if value else []))

    def pixels(self, x, y, w, h):
        """RGB of a screen region as {(x, y): (r, g, b)}, read from a fresh
        screenshot."""
        shot = os.path.join(self.tmp, "region.png")
        subprocess.run(["import", "-window", "root", shot], env=self.env, check=True,
                       timeout=60)
        out = subprocess.run(["convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "txt:-"],
                             capture_output=True, text=True, check=True, timeout=60)
        found = {}
        for line in out.stdout.splitlines():
            if line.startswith("#"):
                continue
            pos, _, rest = line.partition(":")
            px, py = (int(v) for v in pos.split(","))
            rgb = rest.strip().split(")")[0].lstrip("(").split(",")[:3]
            found[(x + px, y + py)] = tuple(int(float(v)) for v in rgb)
        return found

    def tray_icon_center(self, timeout=30):
        """Where the program's icon shows in the notification area: found by
        its accent colour at the right end of the taskbar, as a person finds it."""
        accent = (28, 194, 241)

        def look():
            strip = self.pixels(SIZE[0] - 320, SIZE[1] - 22, 320, 22)
            hits = [p for p, c in strip.items()
                    if all(abs(a - b) <= 12 for a, b in zip(c, accent))]
            if len(hits) < 20:
                return None
            return (sum(p[0] for p in hits) // len(hits), sum(p[1] for p in hits) // len(hits))

        return wait_for(look, timeout, "the tray icon")

    def tray_menu(self, timeout=15):
        """Right-clicks the tray icon and returns the popup menu's window."""
        x, y = self.tray_icon_center()
        self.click(x, y, button=3)
        return self.wait_window(cls="#32768", visible=True, timeout=timeout)

    def screenshot(self, name):
        os.makedirs(SHOTS, exist_ok=True)
        path = os.path.join(SHOTS, f"{name}.png")
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True,
                       timeout=60)
        return path

    # -- input -------------------------------------------------------------
    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=30)

    def key(self, *keys):
        self.xdotool("key", *keys)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y)
        self.xdotool("click", button)

    def drag(self, x0, y0, x1, y1, steps=8, button=1):
        self.xdotool("mousemove", x0, y0)
        self.xdotool("mousedown", button)
        for i in range(1, steps + 1):
            self.xdotool("mousemove", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
        self.xdotool("mouseup", button)


def run(scenario):
    """Runs one scenario function and prints a closing line ctest can read."""
    try:
        scenario()
    except Exception as e:  # noqa: BLE001 - the reason is printed, the exit code fails the test
        import traceback
        traceback.print_exc()
        print(f"FAILED: {e}")
        sys.exit(1)
    print("PASSED")
