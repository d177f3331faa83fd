"""A misbehaving image server for the upload scenarios: HTTPS on a free
loopback port with a certificate the Wine prefix trusts, answering each
upload as the first segment of its path says. The program is pointed at
`url(mode)` through "ServerURL", so one stub serves every case:

  html   200 with a web page          e500   500 with a JSON link
  e404   404                          empty  200 with nothing
  loop   a redirect to itself         hang   no reply at all
  error  200 with a link and an error  ok     200 with a link
  slow   reads the picture slowly, then answers like ok
  drip   answers like ok, its reply's bytes one by one over many seconds

Each upload that reached the stub is kept (mode, body) in `received`."""
import http.server
import json
import socket
import ssl
import tempfile
import threading
import time

from harness import ScenarioError
from image_server import KEY, free_port, make_certificate, trust_certificate

MODES = ("html", "e500", "e404", "empty", "loop", "hang", "error", "ok", "slow", "drip")
# A slow reader is bounded by the client's buffers: they take a whole
# picture at once, and the client waits only 10 s for the reply after its
# last write. A reply that comes a byte at a time keeps an upload under
# way for longer, each byte well within that limit.
DRIP_PAUSE = 0.3


class _Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_POST(self):
        stub = self.server.stub
        mode = self.path.strip("/").split("/")[0]
        length = int(self.headers.get("Content-Length", "0"))
        body = self._read(length, slow=mode == "slow")
        with stub.lock:
            stub.received.append((mode, self.headers.get("Content-Type", ""), body))
        n = len(stub.received)
        link = f"{stub.base}/s/{n}.png"
        if mode == "hang":
            stub.release.wait(60)  # until the scenario ends
            return
        if mode == "loop":
            self._answer(302, b"", [("Location", self.path)])
        elif mode == "html":
            self._answer(200, b"<html><body>Service unavailable</body></html>",
                         [("Content-Type", "text/html")])
        elif mode == "e500":
            self._answer(500, json.dumps({"error": "", "screen_link": link}).encode())
        elif mode == "e404":
            self._answer(404, b"not found")
        elif mode == "empty":
            self._answer(200, b"")
        elif mode == "error":
            self._answer(200, json.dumps({"error": "quota", "screen_link": link}).encode())
        elif mode == "drip":
            self._answer(200, json.dumps({"error": "", "screen_link": link}).encode(),
                         drip=True)
        else:
            self._answer(200, json.dumps({"error": "", "screen_link": link}).encode())

    def _read(self, length, slow):
        # Slow: a pause first, so the sender's buffers stay small, then a
        # trickle.
        if slow:
            time.sleep(3)
        data = bytearray()
        while len(data) < length:
            piece = self.rfile.read(min(65536, length - len(data)))
            if not piece:
                break
            data += piece
            if slow:
                time.sleep(0.05)
        return bytes(data)

    def _answer(self, status, body, headers=(), drip=False):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if not drip:
            self.wfile.write(body)
            return
        self.wfile.flush()
        for i in range(len(body)):
            time.sleep(DRIP_PAUSE)
            self.wfile.write(body[i:i + 1])
            self.wfile.flush()


class _SmallWindowServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # a client that gave up (the redirect loop, the hang) is expected

    def server_bind(self):
        # A small receive window makes the sender wait for the slow reader,
        # so the picture really goes out over seconds.
        self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
        super().server_bind()


class UploadStub:
    def __init__(self, session):
        self.s = session
        self.dir = tempfile.mkdtemp(prefix="lg-stub-", dir=session.tmp)
        self.port = free_port()
        self.base = f"https://localhost:{self.port}"
        self.received = []
        self.lock = threading.Lock()
        self.release = threading.Event()
        self.httpd = None

    def url(self, mode):
        assert mode in MODES
        return f"{self.base}/{mode}"

    def point_program_at(self, mode):
        self.s.reg_run("add", KEY, "/v", "ServerURL", "/t", "REG_SZ", "/d", self.url(mode), "/f")

    def __enter__(self):
        cert, key = make_certificate(self.dir)
        self.httpd = _SmallWindowServer(("127.0.0.1", self.port), _Handler)
        self.httpd.stub = self
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(cert, key)
        self.httpd.socket = context.wrap_socket(self.httpd.socket, server_side=True)
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        trusted = trust_certificate(self.s, cert)
        if not trusted:
            self.__exit__(None, None, None)
            raise ScenarioError("the prefix did not take the stub's certificate")
        return self

    def __exit__(self, *exc):
        self.release.set()
        if self.httpd:
            self.httpd.shutdown()
            self.httpd.server_close()
        self.s.reg_run("delete", KEY, "/v", "ServerURL", "/f", check=False)
        return False

    def count(self, mode):
        with self.lock:
            return sum(m == mode for m, _, _ in self.received)
