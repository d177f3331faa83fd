"""The program's own image server for a scenario: started on a free loopback
port with HTTPS and a certificate made for the occasion, that certificate
trusted by the Wine prefix as an administrator would trust a self-hosted
server's authority, and "ServerURL" pointing the program at it. Everything
is taken back when the scenario leaves."""
import glob
import os
import socket
import subprocess
import tempfile
import urllib.request
import ssl

import harness
from harness import PROGRAM_KEY, ROOT, ScenarioError, wait_for

KEY = "HKCU\\" + PROGRAM_KEY


def server_binary():
    explicit = os.environ.get("LUMIGRAB_SERVER_BIN")
    if explicit:
        return explicit
    for pattern in ("dist-server/lumigrab-server", "build/native/**/lumigrab-server"):
        found = [p for p in glob.glob(os.path.join(ROOT, pattern), recursive=True)
                 if os.access(p, os.X_OK) and os.path.isfile(p)]
        if found:
            return found[0]
    raise ScenarioError("lumigrab-server is not built (make native)")


def make_certificate(folder):
    """A self-signed certificate for "localhost" made for the occasion:
    (certificate path, key path)."""
    cert = os.path.join(folder, "cert.pem")
    key = os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes",
                    "-keyout", key, "-out", cert, "-days", "2", "-subj", "/CN=localhost",
                    "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1",
                    "-addext", "basicConstraints=critical,CA:TRUE"],
                   check=True, capture_output=True, timeout=60)
    return cert, key


def trust_certificate(session, cert):
    """The certificate added to the prefix's trusted roots; True once taken."""
    trusted = session.probe("trust", cert)
    return bool(trusted and trusted.get("trusted"))


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class ImageServer:
    def __init__(self, session, latest_version="2.0", extra_args=(), trust=True):
        """`trust` False leaves the certificate unknown to Wine, as a server
        nobody vouched for."""
        self.s = session
        self.trust = trust
        self.latest_version = latest_version
        self.extra_args = list(extra_args)
        self.dir = tempfile.mkdtemp(prefix="lg-server-", dir=session.tmp)
        self.port = free_port()
        self.url = f"https://localhost:{self.port}"
        self.proc = None

    def __enter__(self):
        try:
            return self._start()
        except BaseException:
            self.__exit__(None, None, None)  # never leave the server running
            raise

    def _start(self):
        cert, key = make_certificate(self.dir)
        self.cert = cert
        data = os.path.join(self.dir, "data")
        os.makedirs(data)
        self.data = data
        self.log = open(os.path.join(self.dir, "server.log"), "wb")
        self.proc = subprocess.Popen(
            [server_binary(), "--data", data, "--listen", f"127.0.0.1:{self.port}",
             "--public-url", self.url, "--cert", cert, "--key", key,
             "--latest-version", self.latest_version, *self.extra_args],
            stdout=self.log, stderr=subprocess.STDOUT)
        wait_for(self._answers, 30, f"the image server on port {self.port}")
        if self.trust:
            if not trust_certificate(self.s, cert):
                raise ScenarioError("the prefix did not take the certificate")
        self._reg("add", KEY, "/v", "ServerURL", "/t", "REG_SZ", "/d", self.url, "/f")
        return self

    def __exit__(self, *exc):
        self._reg("delete", KEY, "/v", "ServerURL", "/f", check=False)
        if not hasattr(self, "log"):
            return False
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait(timeout=10)
        self.log.close()
        return False

    def _reg(self, *args, check=True):
        self.s.reg_run(*args, check=check)

    def get(self, path):
        """(status, body bytes) of a GET from this side, trusting the test
        certificate only."""
        context = ssl.create_default_context(cafile=self.cert)
        try:
            with urllib.request.urlopen(self.url + path, context=context, timeout=20) as r:
                return r.status, r.read()
        except urllib.error.HTTPError as e:
            return e.code, e.read()

    def requests(self, path):
        """How many requests for `path` the server has logged, whatever it
        answered (its own start-up probe of "/updates.txt" included)."""
        self.log.flush()
        with open(os.path.join(self.dir, "server.log"), "rb") as f:
            lines = f.read().decode("utf-8", "replace").splitlines()
        return sum(f" GET {path} " in line for line in lines)

    def _answers(self):
        if self.proc.poll() is not None:
            raise ScenarioError(f"the image server ended with {self.proc.returncode}")
        try:
            self.get("/updates.txt")  # any answer: a base path makes it 404
            return True
        except OSError:
            return False


if __name__ == "__main__":
    # A quick look by hand: a session, the server, and what Wine's side gets.
    def scenario():
        with harness.Session("image_server") as s, ImageServer(s, "2.1") as srv:
            print(srv.url, srv.get("/updates.txt"))
            print("from Wine:", s.probe("get", srv.url + "/updates.txt"))
    harness.run(scenario)
