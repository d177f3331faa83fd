"""The harness's one way into Wine. Every Wine command the scripts and
scenarios use (wine, winepath, wineboot, reg, wineserver) runs through
scripts/wine-tool in 64-bit mode, in a prefix of its own, with Wine's own
commands shadowed in PATH as in every session: so a call that would start
the 32-bit loader on a machine without 32-bit mode fails on this machine
too. And no script or scenario calls a Wine command directly."""
import os
import re
import shutil
import subprocess

import harness
from harness import ROOT, ScenarioError, wine_argv

# Wine's commands as a script would name them.
WINE_COMMANDS = ("wine", "wine64", "wine-stable", "winepath", "wineboot", "wineserver",
                 "winecfg", "wineconsole", "winedbg", "msiexec", "regedit")
_NAMES = "|".join(re.escape(n) for n in WINE_COMMANDS)
# Python: a command list that starts with one of them.
PY_CALL = re.compile(r"""\[\s*["'](?:%s)["']\s*[,\]]""" % _NAMES)
# Shell: one of them where a command starts (line start, after ; & | ( or
# exec, or after variable assignments).
SH_CALL = re.compile(
    r"""(?:^|[;&|(]|\bexec\s|\btime\s)\s*(?:[A-Za-z_][A-Za-z0-9_]*=\S*\s+)*(?:%s)(?=\s|$)"""
    % _NAMES)


def sources():
    """The scripts and scenarios that may start Wine."""
    for folder in ("scripts", os.path.join("tests", "e2e")):
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            path = os.path.join(ROOT, folder, name)
            # The tool itself, the package list, and this check's own samples.
            if name in ("wine-tool", "wine-trap", "setup-deps", "test_wine_tool.py") \
                    or not os.path.isfile(path):
                continue
            with open(path, "rb") as f:
                head = f.read(200)
            if name.endswith(".py") or name.endswith(".sh") or head.startswith(b"#!"):
                yield path


def direct_calls(path):
    """(line number, line) of each direct call of a Wine command."""
    found = []
    python = path.endswith(".py")
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            code = line.split("#", 1)[0] if not python else line
            if (PY_CALL if python else SH_CALL).search(code):
                found.append((number, line.rstrip()))
    return found


def check_sources():
    # The patterns themselves must see what they are for.
    for sample, python in (('subprocess.run(["winepath", "-u", p])', True),
                           ("(['wine', exe])", True),
                           ("    DISPLAY= wine reg add X", False),
                           ("exec wineserver -k", False),
                           ("x=1; wineboot -i", False)):
        if not (PY_CALL if python else SH_CALL).search(sample):
            raise ScenarioError(f"the direct-call pattern misses {sample!r}")
    for sample, python in (('wine_argv("winepath", "-u", p)', True),
                           ('s.wine("reg", "add")', True),
                           ('    lg_wine wineserver -w', False),
                           ('exec "$root/scripts/wine-tool" explorer', False)):
        if (PY_CALL if python else SH_CALL).search(sample):
            raise ScenarioError(f"the direct-call pattern takes {sample!r} for a direct call")
    bad = [f"{os.path.relpath(p, ROOT)}:{n}: {line.strip()}"
           for p in sources() for n, line in direct_calls(p)]
    if bad:
        raise ScenarioError("Wine commands called directly, not through scripts/wine-tool:\n"
                            + "\n".join(bad))


def check_win64_commands():
    work = os.path.join(harness.BUILD, "wine-tool-check")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    env = dict(os.environ)
    env.update({
        "WINEPREFIX": os.path.join(work, "prefix"),
        "LUMIGRAB_WINEARCH": "win64",
        "WINEDEBUG": "-all",
        "WINEDLLOVERRIDES": "winemenubuilder.exe=d;mscoree=d;mshtml=d",
        "PATH": harness.WINE_TRAP + os.pathsep + os.environ.get("PATH", ""),
    })
    env.pop("DISPLAY", None)

    def run(tool, *args, check=True):
        done = subprocess.run(wine_argv(tool, *args), env=env, capture_output=True, text=True,
                              timeout=300)
        if check and done.returncode != 0:
            raise ScenarioError(f"wine-tool {tool} {args} ended with {done.returncode}: "
                                f"{done.stderr[-400:]}")
        return done.stdout

    try:
        # A direct call in a session's PATH is refused.
        direct = subprocess.run(["winepath", "-u", "C:\\"], env=env, capture_output=True,
                                text=True, timeout=30)
        if direct.returncode == 0 or "wine-tool" not in direct.stderr:
            raise ScenarioError(f"a direct winepath call was not refused: {direct.stderr!r}")

        run("wineboot", "-i")
        run("wineserver", "-w")
        if not os.path.isdir(os.path.join(env["WINEPREFIX"], "drive_c", "windows", "syswow64")) \
                and not os.path.isdir(os.path.join(env["WINEPREFIX"], "drive_c", "windows",
                                                   "system32")):
            raise ScenarioError("wineboot made no Windows folder")
        arch = run("wine", "cmd", "/c", "echo %PROCESSOR_ARCHITECTURE%").split()
        if "AMD64" not in arch:
            raise ScenarioError(f"cmd ran as {arch}, not as a 64-bit program")
        key = r"HKCU\Software\Lumigrab wine-tool check"
        run("reg", "add", key, "/v", "Probe", "/d", "Привет", "/f")
        if "Probe" not in run("reg", "query", key, "/v", "Probe"):
            raise ScenarioError("reg query does not find the value reg add wrote")
        unix = run("winepath", "-u", "C:\\windows").strip()
        if not os.path.samefile(unix, os.path.join(env["WINEPREFIX"], "drive_c", "windows")):
            raise ScenarioError(f"winepath gave {unix!r}")
        # An unknown architecture is refused before anything starts.
        odd = dict(env, LUMIGRAB_WINEARCH="win16")
        if subprocess.run(wine_argv("wine", "cmd", "/c", "echo"), env=odd, capture_output=True,
                          timeout=30).returncode != 2:
            raise ScenarioError("wine-tool ran with an unknown architecture")
    finally:
        subprocess.run(wine_argv("wineserver", "-k"), env=env, capture_output=True, timeout=60)
        shutil.rmtree(work, ignore_errors=True)


def scenario():
    check_sources()
    check_win64_commands()


if __name__ == "__main__":
    harness.run(scenario)
