"""The Windows libcurl under Wine against a real SMTP server on 127.0.0.1.

Starts Python's aiosmtpd (Debian's python3-aiosmtpd) on the loopback address
in four ways -- plain, STARTTLS, TLS from the start, and STARTTLS with a
certificate for another name -- with a CA and server certificates made here
with openssl, then runs curl_smtp_smoke.exe under Wine (through
cmake/wine-run.sh, in the caller's WINEPREFIX) once per case and checks both
its result code and what the server received.

    python3 curl_smtp_smoke_test.py SMOKE_EXE WINE_RUN

Needs Debian's python3 (/usr/bin/python3: aiosmtpd is installed for it) and
openssl. Nothing goes beyond 127.0.0.1; no timing is asserted (each program
run only has a generous limit so that a hang ends as a failure).
"""

import asyncio
import logging
import os
import ssl
import subprocess
import sys
import tempfile
import threading
import warnings
from pathlib import Path

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword

USER = "camera@example.com"
PASSWORD = "smoke-test-pw"
SENDER = "camera@example.com"
RECIPIENT = "owner@example.org"

# curl's result codes the cases expect.
CURLE_OK = 0
CURLE_PEER_FAILED_VERIFICATION = 60


def openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def make_ca(folder, name):
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-sha256", "-days", "30",
            "-keyout", f"{name}.key", "-out", f"{name}.pem", "-subj", f"/CN=Quelmo {name}",
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign", cwd=folder)


def make_server_cert(folder, name, ca, san):
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-sha256", "-keyout", f"{name}.key",
            "-out", f"{name}.csr", "-subj", f"/CN={name}", cwd=folder)
    (folder / f"{name}.ext").write_text(
        f"subjectAltName={san}\n"
        "basicConstraints=critical,CA:FALSE\n"
        "keyUsage=critical,digitalSignature,keyEncipherment\n"
        "extendedKeyUsage=serverAuth\n")
    openssl("x509", "-req", "-in", f"{name}.csr", "-CA", f"{ca}.pem", "-CAkey", f"{ca}.key",
            "-CAcreateserial", "-days", "30", "-sha256", "-extfile", f"{name}.ext",
            "-out", f"{name}.pem", cwd=folder)


class Recorder:
    """Keeps what each server accepted."""

    def __init__(self):
        self.messages = []
        self.lock = threading.Lock()

    async def handle_DATA(self, server, session, envelope):
        with self.lock:
            self.messages.append((envelope.mail_from, list(envelope.rcpt_tos),
                                  envelope.content.decode("utf-8", "replace")))
        return "250 OK"

    def take(self):
        with self.lock:
            taken, self.messages = self.messages, []
        return taken


def authenticator(server, session, envelope, mechanism, auth_data):
    ok = (isinstance(auth_data, LoginPassword) and auth_data.login == USER.encode()
          and auth_data.password == PASSWORD.encode())
    return AuthResult(success=ok)


class Servers:
    """The SMTP servers, each on a port of its own on 127.0.0.1, in one thread."""

    def __init__(self, folder, recorder):
        self.loop = asyncio.new_event_loop()
        self.ports = {}
        good = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        good.load_cert_chain(folder / "server.pem", folder / "server.key")
        wrong_name = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        wrong_name.load_cert_chain(folder / "elsewhere.pem", folder / "elsewhere.key")
        self.kinds = {
            "plain": (lambda: SMTP(recorder, hostname="quelmo-test"), None),
            "starttls": (lambda: SMTP(recorder, hostname="quelmo-test", tls_context=good,
                                      require_starttls=True, authenticator=authenticator,
                                      auth_required=True, auth_require_tls=True), None),
            "smtps": (lambda: SMTP(recorder, hostname="quelmo-test", authenticator=authenticator,
                                   auth_required=True, auth_require_tls=False), good),
            "wrong-name": (lambda: SMTP(recorder, hostname="quelmo-test", tls_context=wrong_name,
                                        require_starttls=True), None),
        }
        self.servers = []
        started = threading.Event()
        self.thread = threading.Thread(target=self._run, args=(started,), daemon=True)
        self.thread.start()
        started.wait()

    def _run(self, started):
        asyncio.set_event_loop(self.loop)
        for kind, (factory, implicit_tls) in self.kinds.items():
            server = self.loop.run_until_complete(
                self.loop.create_server(factory, "127.0.0.1", 0, ssl=implicit_tls))
            self.servers.append(server)
            self.ports[kind] = server.sockets[0].getsockname()[1]
        started.set()
        self.loop.run_forever()

    def close(self):
        def stop():
            for server in self.servers:
                server.close()
            self.loop.stop()
        self.loop.call_soon_threadsafe(stop)
        self.thread.join(30)


def windows_path(path):
    """The same file seen from Wine: its Z: drive is the Unix root."""
    return "Z:" + str(path).replace("/", "\\")


def main():
    # aiosmtpd's own warnings (AUTH without TLS is what the TLS-from-the-start
    # server is meant to allow) would only crowd the output.
    warnings.filterwarnings("ignore", module="aiosmtpd")
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    smoke, wine_run = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="quelmo-curl-smtp.") as scratch:
        folder = Path(scratch)
        make_ca(folder, "ca")
        make_ca(folder, "other-ca")
        make_server_cert(folder, "server", "ca", f"DNS:{HOST},IP:127.0.0.1")
        make_server_cert(folder, "elsewhere", "ca", "DNS:elsewhere.example")
        recorder = Recorder()
        servers = Servers(folder, recorder)
        ca = windows_path(folder / "ca.pem")
        other_ca = windows_path(folder / "other-ca.pem")
        try:
            judged, failures = run_cases(smoke, wine_run, servers.ports, recorder, ca, other_ca)
        finally:
            servers.close()
    print(f"{judged - len(failures)} passed, {len(failures)} failed")
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


# The server's name in its certificate; the program is told its address
# (CURLOPT_RESOLVE), so that no lookup ever happens.
HOST = "smtp.quelmo.test"

# Debian's bundle of the CAs it trusts (package ca-certificates).
HOST_BUNDLE = "/etc/ssl/certs/ca-certificates.crt"

# Each case: its name, the server, the URL scheme, the host in the URL, the
# arguments, the result expected and whether the message arrives. A case whose
# expected result is None is only observed: its outcome is printed, not
# judged (what Wine does where Windows would do otherwise).
CA_AUTH = ["--user", USER, "--password", PASSWORD]
CASES = [
    ("plain SMTP", "plain", "smtp", "127.0.0.1", [], CURLE_OK, True),
    ("STARTTLS, AUTH, CA file (CURLOPT_CAINFO)", "starttls", "smtp", HOST,
     ["--tls", "starttls", "--cainfo", "{ca}", *CA_AUTH], CURLE_OK, True),
    ("STARTTLS, AUTH, CA file, no revocation check (CURLSSLOPT_NO_REVOKE)", "starttls", "smtp",
     HOST, ["--tls", "starttls", "--cainfo", "{ca}", "--no-revoke", *CA_AUTH], CURLE_OK, True),
    ("STARTTLS, AUTH, CA in memory (CURLOPT_CAINFO_BLOB)", "starttls", "smtp", HOST,
     ["--tls", "starttls", "--cainfo-blob", "{ca}", *CA_AUTH], CURLE_OK, True),
    ("TLS from the start, AUTH, CA file", "smtps", "smtps", HOST,
     ["--cainfo", "{ca}", *CA_AUTH], CURLE_OK, True),
    ("STARTTLS, a CA file that did not sign the server's certificate", "starttls", "smtp", HOST,
     ["--tls", "starttls", "--cainfo", "{other_ca}", *CA_AUTH],
     CURLE_PEER_FAILED_VERIFICATION, False),
    ("STARTTLS, CA file, a certificate for another name", "wrong-name", "smtp", HOST,
     ["--tls", "starttls", "--cainfo", "{ca}"], CURLE_PEER_FAILED_VERIFICATION, False),
    ("STARTTLS, the host's CA bundle as CA file, which does not hold the test CA", "starttls",
     "smtp", HOST, ["--tls", "starttls", "--cainfo", "{bundle}", *CA_AUTH],
     CURLE_PEER_FAILED_VERIFICATION, False),
    ("STARTTLS, no verification", "starttls", "smtp", HOST,
     ["--tls", "starttls", "--no-verify", *CA_AUTH], CURLE_OK, True),
    # Observed only.
    ("STARTTLS, CA file, the server named by its IP address (in the certificate)", "starttls",
     "smtp", "127.0.0.1", ["--tls", "starttls", "--cainfo", "{ca}", *CA_AUTH], None, None),
    ("STARTTLS, the system's store, which does not hold the test CA", "starttls", "smtp", HOST,
     ["--tls", "starttls", *CA_AUTH], None, None),
    ("STARTTLS, the system's store, a certificate for another name", "wrong-name", "smtp", HOST,
     ["--tls", "starttls"], None, None),
]


def run_cases(smoke, wine_run, ports, recorder, ca, other_ca):
    """Runs each case; returns how many were judged, and the failures."""
    judged, failures = 0, []
    for name, kind, scheme, host, arguments, expected, delivered in CASES:
        if "{bundle}" in arguments and not Path(HOST_BUNDLE).is_file():
            print(f"--- {name}: left out, no {HOST_BUNDLE}")
            continue
        subject = f"Quelmo smoke: {name}"
        port = ports[kind]
        command = [wine_run, smoke, "--url", f"{scheme}://{host}:{port}",
                   "--resolve", f"{HOST}:{port}:127.0.0.1",
                   "--from", SENDER, "--to", RECIPIENT, "--subject", subject]
        command += [a.format(ca=ca, other_ca=other_ca, bundle=windows_path(HOST_BUNDLE))
                    for a in arguments]
        if os.environ.get("QUELMO_CURL_SMOKE_VERBOSE") == "1":
            command.append("--verbose")
        try:
            run = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                 text=True, errors="replace", timeout=120)
            output, code = run.stdout, run.returncode
        except subprocess.TimeoutExpired as timeout:
            output, code = f"{timeout.output or ''}\n(no end after 120 s)", None
        messages = recorder.take()
        got = [m for m in messages if f"Subject: {subject}" in m[2]]
        verdict = "observed only" if expected is None else f"expected {expected}"
        print(f"--- {name}: exit {code} ({verdict}), {len(got)} message(s) received")
        print(output.rstrip())
        if expected is None:
            continue
        judged += 1
        problems = []
        if code != expected:
            problems.append(f"exit {code}, expected {expected}")
        if delivered:
            if len(got) != 1:
                problems.append(f"{len(got)} messages received, expected 1")
            elif got[0][0] != SENDER or got[0][1] != [RECIPIENT]:
                problems.append(f"envelope {got[0][0]} -> {got[0][1]}")
        elif messages:
            problems.append("a message arrived where none should")
        if problems:
            failures.append(f"{name}: {'; '.join(problems)}")
    return judged, failures


if __name__ == "__main__":
    sys.exit(main())
