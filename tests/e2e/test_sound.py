"""The shutter sound, heard: with a PulseAudio null sink started here (the
output Wine's pulse driver finds), a copy with the sound on puts the whole
click into the sink's monitor recording, with it off the recording stays
silent; without any audio device the copy goes on silently. While nothing
plays no thread of the program wakes (an 18 Hz keeper would add 180
wake-ups in the 10 s counted).

Wine's PulseAudio driver here drops roughly the first half second of every
new stream, so a 0.22 s click is never heard whole through it. The
scenario therefore runs a private copy of the program whose
screenshoot.wav is the build's click behind two seconds of silence (and
half a second after), and checks that the click's loud samples arrive:
all of them, or within 5 % where Wine's driver thread, starved on a busy
machine, let the sink skip a fragment. The player, the program's own
bass.dll and waveOut are what is tested, the lead-in only carries the
click past the driver's start."""
import os
import shutil
import wave
import signal
import struct
import subprocess
import time

import harness
from harness import PROGRAM_KEY, ScenarioError, Session, wait_for
from test_hotkeys import stays_false
from test_output import COPY_Y, Output

KEY = "HKCU\\" + PROGRAM_KEY
# Loud enough to be the click, far above the null sink's silence (0).
ENERGY_THRESHOLD = 200
LOUD = 1000  # a sample this loud belongs to the click
LEAD_IN_S, TAIL_S = 2.0, 0.5


class NullSink:
    """A private PulseAudio server with one null sink; `record()` captures
    its monitor into a WAV file."""

    def __init__(self, s):
        self.dir = os.path.join(s.tmp, "pulse")
        os.makedirs(os.path.join(self.dir, "home"), exist_ok=True)
        os.makedirs(os.path.join(self.dir, "run"), exist_ok=True)
        self.socket = os.path.join(self.dir, "run", "native")
        self.env = dict(os.environ, HOME=os.path.join(self.dir, "home"),
                        XDG_RUNTIME_DIR=os.path.join(self.dir, "run"))
        self.server = None
        self.recorder = None

    def __enter__(self):
        if not shutil.which("pulseaudio"):
            raise ScenarioError("pulseaudio is not installed (scripts/setup-deps)")
        self.server = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
             "--use-pid-file=no", "-L", "module-null-sink sink_name=lgsink rate=44100",
             "-L", f"module-native-protocol-unix socket={self.socket} auth-anonymous=1"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: os.path.exists(self.socket), 20, "the PulseAudio socket")
        return self

    def __exit__(self, *exc):
        self.stop_recording()
        if self.server and self.server.poll() is None:
            self.server.terminate()
            try:
                self.server.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.server.kill()
        return False

    @property
    def address(self):
        return "unix:" + self.socket

    def record(self, path):
        self.path = path
        self.recorder = subprocess.Popen(
            ["parec", "-d", "lgsink.monitor", "--file-format=wav", "--rate=44100",
             "--channels=1", path], env=dict(self.env, PULSE_SERVER=self.address))
        wait_for(lambda: os.path.exists(path) and os.path.getsize(path) > 44, 10,
                 "the recording to start")

    def stop_recording(self):
        if self.recorder and self.recorder.poll() is None:
            self.recorder.send_signal(signal.SIGINT)
            try:
                self.recorder.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.recorder.kill()
        self.recorder = None

    def samples(self):
        """The samples recorded so far. The file is read raw after
        its "data" tag: the recorder writes the header's sizes only at the
        end."""
        with open(self.path, "rb") as f:
            raw = f.read()
        at = raw.find(b"data")
        frames = raw[at + 8:] if at >= 0 else b""
        frames = frames[: len(frames) // 2 * 2]
        return struct.unpack(f"<{len(frames) // 2}h", frames)

    def peak(self):
        return max((abs(v) for v in self.samples()), default=0)


def loud_samples(samples):
    return sum(abs(v) > LOUD for v in samples)


def settled_loud_count(sink, click_loud, quiet_s=1.5, timeout=10):
    """The loud samples recorded once they reach the click's count or
    have not grown for `quiet_s` seconds."""
    last = {"count": -1, "since": time.monotonic()}

    def settled():
        count = loud_samples(sink.samples())
        now = time.monotonic()
        if count != last["count"]:
            last.update(count=count, since=now)
        return count >= click_loud or now - last["since"] >= quiet_s

    try:
        wait_for(settled, timeout, "the click's recording to settle", interval=0.1)
    except ScenarioError as e:
        raise ScenarioError(f"{e}: {last['count']} of {click_loud} loud samples heard")
    return loud_samples(sink.samples())


def private_copy(s):
    """The program and its own files in a folder of the scenario's, the
    click padded with silence; (the exe, the click's loud sample count)."""
    folder = os.path.join(s.tmp, "program")
    os.makedirs(folder)
    for name in ("Lumigrab.exe", "bass.dll"):
        shutil.copy2(os.path.join(harness.DIST, name), folder)
    shutil.copytree(os.path.join(harness.DIST, "Fonts"), os.path.join(folder, "Fonts"))
    with wave.open(os.path.join(harness.DIST, "screenshoot.wav")) as r:
        params, click = r.getparams(), r.readframes(r.getnframes())
    rate, width = params.framerate, params.sampwidth * params.nchannels
    with wave.open(os.path.join(folder, "screenshoot.wav"), "wb") as w:
        w.setparams(params)
        w.writeframes(bytes(int(rate * LEAD_IN_S) * width) + click +
                      bytes(int(rate * TAIL_S) * width))
    count = loud_samples(struct.unpack(f"<{len(click) // 2}h", click))
    return os.path.join(folder, "Lumigrab.exe"), count


def copy_once(s, out):
    panel = out.open_editor()
    copied = out.count("copied to the clipboard")
    out.press(panel, COPY_Y)
    out.wait_count("copied to the clipboard", copied + 1)
    out.wait_closed()


def thread_wakeups(pid):
    """Voluntary context switches so far, per thread: {tid: (name, count)}."""
    found = {}
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/status") as f:
                fields = dict(line.split(":", 1) for line in f if ":" in line)
            found[task] = (fields["Name"].strip(), int(fields["voluntary_ctxt_switches"]))
        except (OSError, KeyError, ValueError):
            pass
    return found


def scenario():
    with Session("sound") as s:
        exe, click_loud = private_copy(s)
        try:
            with NullSink(s) as sink:
                s.env["PULSE_SERVER"] = sink.address
                app = s.start(exe=exe)
                app.wait_trace("sound output opened")
                s.tray_icon_center()
                out = Output(s, app)

                # Idle: the keeper sleeps while no sound is open.
                pid = wait_for(app.linux_pid, 20, "the program's process")
                time.sleep(2)  # let the start-up settle before counting
                before = thread_wakeups(pid)
                time.sleep(10)
                after = thread_wakeups(pid)
                woke = {t: (after[t][0], after[t][1] - before[t][1]) for t in after if t in before}
                print(f"idle wake-ups over 10 s per thread: {sorted(woke.values(), key=lambda v: -v[1])}")
                busiest = max((n for _, n in woke.values()), default=0)
                if busiest >= 20:
                    raise ScenarioError(f"a thread woke {busiest} times in 10 idle seconds: {woke}")

                sink.record(os.path.join(s.tmp, "on.wav"))
                copy_once(s, out)
                app.wait_trace("shutter sound played")
                wait_for(lambda: sink.peak() > ENERGY_THRESHOLD, 10, "the click in the sink")
                # All of the click, and nothing else loud. On a busy machine
                # the sink can skip a fragment Wine's driver delivered late,
                # so the count is taken once it stops growing.
                heard = settled_loud_count(sink, click_loud)
                print(f"the click's loud samples: {click_loud} in the file, {heard} heard")
                if abs(heard - click_loud) > click_loud // 20:
                    raise ScenarioError(f"{heard} loud samples heard for {click_loud}")
                sink.stop_recording()
                app.close()

                # The sound switched off: the same output, silence.
                s.reg_run("add", KEY, "/v", "playsound", "/t", "REG_DWORD", "/d", "0", "/f")
                app = s.start(exe=exe)
                app.wait_trace("sound output opened")
                s.tray_icon_center()
                out = Output(s, app)
                sink.record(os.path.join(s.tmp, "off.wav"))
                copy_once(s, out)
                # Longer than the click and the sink's latency.
                if not stays_false(lambda: sink.peak() > ENERGY_THRESHOLD, 1.5) or \
                        "shutter sound played" in app.trace():
                    raise ScenarioError("the shutter played with the sound off")
                sink.stop_recording()
                app.close()
                s.reg_run("delete", KEY, "/v", "playsound", "/f", check=False)

            # No audio server at all: the output goes on, silently.
            s.env["PULSE_SERVER"] = "unix:" + os.path.join(s.tmp, "no-such-socket")
            app = s.start(exe=exe)
            app.wait_trace("sound output unavailable")
            s.tray_icon_center()
            copy_once(s, Output(s, app))
            app.close()
        finally:
            s.env.pop("PULSE_SERVER", None)


if __name__ == "__main__":
    harness.run(scenario)
