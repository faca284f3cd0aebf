#!/usr/bin/python3
"""Mail servers for the e-mail check's tests, on 127.0.0.1 only.

Makes its certificates with openssl in FOLDER, starts every server on a free
port, writes their ports to FOLDER/ports.json (and prints them), stores each
message it receives in FOLDER/mail/, and ends when its standard input closes,
so that it cannot outlive the test that started it.

Servers (aiosmtpd, AUTH LOGIN/PLAIN for USER and PASSWORD):
  implicit      TLS from the start, trusted certificate for 127.0.0.1 and
                localhost (Windows' libcurl matches DNS names only)
  starttls      STARTTLS, trusted certificate
  plain         no encryption at all (AUTH allowed in the clear)
  untrusted     TLS from the start, certificate of an unknown authority
  wrong_name    TLS from the start, certificate for another host name
  no_login      STARTTLS, asks for no password (its EHLO names no AUTH)
  xoauth2_only  STARTTLS, offers XOAUTH2 alone, which takes no password
  slow_login    STARTTLS, takes AUTH PLAIN and never answers it
  echo_plain    STARTTLS, refuses AUTH PLAIN quoting back the base64 it got
  echo_login    STARTTLS, the same for AUTH LOGIN
Hostile servers (plain TCP):
  garbage       answers with lines that are no SMTP
  endless       one line that never ends
  huge          a 10 MB greeting, then silence
  drip          a greeting one byte a second
  silent        accepts and says nothing
  tls_garbage   plain bytes where a TLS handshake belongs
  refuse        a greeting of 554 with its reason, then only refusals
"""

import asyncio
import base64
import logging
import warnings
import json
import os
import socket
import ssl
import subprocess
import sys
import threading

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, SMTP

USER = "camera"
PASSWORD = "Pw-7q!xZ"
HOST = "127.0.0.1"


def openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def make_ca(name, cwd):
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
            "-subj", "/CN=" + name, "-keyout", name + ".key", "-out", name + ".pem",
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign", cwd=cwd)


def make_server_cert(name, ca, alt_name, cwd):
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=" + name,
            "-keyout", name + ".key", "-out", name + ".csr", cwd=cwd)
    with open(os.path.join(cwd, name + ".ext"), "w") as ext:
        ext.write("subjectAltName=" + alt_name + "\n"
                  "extendedKeyUsage=serverAuth\n")
    openssl("x509", "-req", "-in", name + ".csr", "-CA", ca + ".pem", "-CAkey", ca + ".key",
            "-CAcreateserial", "-days", "2", "-extfile", name + ".ext",
            "-out", name + ".pem", cwd=cwd)


def tls_context(name, cwd):
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(os.path.join(cwd, name + ".pem"), os.path.join(cwd, name + ".key"))
    return context


def free_port():
    with socket.socket() as probe:
        probe.bind((HOST, 0))
        return probe.getsockname()[1]


class Store:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0
        self.lock = threading.Lock()

    async def handle_DATA(self, server, session, envelope):
        with self.lock:
            self.count += 1
            path = os.path.join(self.folder, "%d.json" % self.count)
        record = {"mail_from": envelope.mail_from, "rcpt_tos": envelope.rcpt_tos,
                  "data": envelope.content.decode("utf-8", "replace")}
        with open(path + ".part", "w") as out:
            json.dump(record, out)
        os.replace(path + ".part", path)
        return "250 OK"


class Variant:
    """A server of its own that stores mail where the others do."""

    def __init__(self, store):
        self.store = store

    async def handle_DATA(self, server, session, envelope):
        return await self.store.handle_DATA(server, session, envelope)


class NoLogin(Variant):
    async def handle_EHLO(self, server, session, envelope, hostname, responses):
        session.host_name = hostname
        return [line for line in responses if "AUTH" not in line.upper()]


class OnlyXoauth2(Variant):
    async def auth_XOAUTH2(self, server, args):
        return AuthResult(success=False, handled=False)


class SlowLogin(Variant):
    async def auth_PLAIN(self, server, args):
        await asyncio.sleep(3600)


def b64(data):
    return base64.b64encode(data).decode() if isinstance(data, bytes) else "?"


class Echo(Variant):
    """Says back, in base64, what the client logged in with: a server that
    quotes it in its refusal must not make the check show it."""

    async def auth_PLAIN(self, server, args):
        data = await server.challenge_auth("", encode_to_b64=False)
        return AuthResult(success=False, handled=False,
                          message="535 5.7.8 Refused: " + b64(data))

    async def auth_LOGIN(self, server, args):
        user = await server.challenge_auth("Username:")
        password = await server.challenge_auth("Password:")
        return AuthResult(success=False, handled=False,
                          message="535 5.7.8 Refused " + b64(user) + " with " + b64(password))


def authenticate(server, session, envelope, mechanism, auth_data):
    ok = (getattr(auth_data, "login", None) == USER.encode()
          and getattr(auth_data, "password", None) == PASSWORD.encode())
    return AuthResult(success=ok, handled=False)


class TlsController(Controller):
    """A controller whose readiness probe speaks TLS when the server does."""

    def _trigger_server(self):
        if self.ssl_context is None:
            return super()._trigger_server()
        context = ssl.create_default_context()
        context.check_hostname = False
        context.verify_mode = ssl.CERT_NONE
        with socket.create_connection((self.hostname, self.port), timeout=5) as raw:
            with context.wrap_socket(raw) as wrapped:
                wrapped.recv(1024)


def start_smtp(handler, implicit=None, starttls=None, require_tls=True, auth_required=True,
               exclude=None):
    port = free_port()
    controller = TlsController(
        handler, hostname=HOST, port=port, ssl_context=implicit,
        tls_context=starttls, require_starttls=starttls is not None,
        authenticator=authenticate, auth_required=auth_required,
        auth_require_tls=require_tls and (implicit is None),
        auth_exclude_mechanism=exclude)
    if implicit is not None:
        # TLS from the start counts as TLS for AUTH.
        controller.SMTP_kwargs["auth_require_tls"] = False
    controller.start()
    return port, controller


async def hostile(reader, writer, kind):
    try:
        if kind == "garbage":
            for _ in range(50):
                writer.write(b"hello there, friend\r\n")
                await writer.drain()
                await asyncio.sleep(0.05)
        elif kind == "endless":
            chunk = b"A" * 65536
            while True:
                writer.write(chunk)
                await writer.drain()
        elif kind == "huge":
            line = b"220-" + b"x" * 1020 + b"\r\n"
            for _ in range(10 * 1024):
                writer.write(line)
                await writer.drain()
            await asyncio.sleep(3600)
        elif kind == "drip":
            for byte in b"220 slowly but surely ready\r\n" * 100:
                writer.write(bytes([byte]))
                await writer.drain()
                await asyncio.sleep(1)
        elif kind == "silent":
            await asyncio.sleep(3600)
        elif kind == "refuse":
            writer.write(b"554 5.7.1 No SMTP service here for 127.0.0.1\r\n")
            await writer.drain()
            while True:
                line = await reader.readline()
                if not line:
                    break
                if line.upper().startswith(b"QUIT"):
                    writer.write(b"221 2.0.0 Bye\r\n")
                    await writer.drain()
                    break
                writer.write(b"503 5.5.1 No service\r\n")
                await writer.drain()
        elif kind == "tls_garbage":
            writer.write(b"220 this is no TLS at all\r\n" * 20)
            await writer.drain()
            await asyncio.sleep(3600)
    except (ConnectionError, OSError):
        pass
    finally:
        writer.close()


def start_hostile(ports):
    loop = asyncio.new_event_loop()
    kinds = ["garbage", "endless", "huge", "drip", "silent", "tls_garbage", "refuse"]

    async def serve_all():
        for kind in kinds:
            server = await asyncio.start_server(
                lambda r, w, kind=kind: hostile(r, w, kind), HOST, 0)
            ports[kind] = server.sockets[0].getsockname()[1]

    loop.run_until_complete(serve_all())
    threading.Thread(target=loop.run_forever, daemon=True).start()


def main():
    warnings.simplefilter("ignore")
    logging.disable(logging.CRITICAL)
    folder = os.path.abspath(sys.argv[1])
    mail = os.path.join(folder, "mail")
    os.makedirs(mail, exist_ok=True)
    make_ca("ca", folder)
    make_ca("other-ca", folder)
    make_server_cert("server", "ca", "IP:127.0.0.1,DNS:localhost", folder)
    make_server_cert("stranger", "other-ca", "IP:127.0.0.1,DNS:localhost", folder)
    make_server_cert("elsewhere", "ca", "DNS:mail.elsewhere.invalid", folder)

    store = Store(mail)
    trusted = tls_context("server", folder)
    ports = {}
    controllers = []
    for name, handler, kwargs in [
        ("implicit", store, {"implicit": trusted}),
        ("starttls", store, {"starttls": trusted}),
        ("plain", store, {"require_tls": False}),
        ("untrusted", store, {"implicit": tls_context("stranger", folder)}),
        ("wrong_name", store, {"implicit": tls_context("elsewhere", folder)}),
        ("no_login", NoLogin(store), {"starttls": trusted, "auth_required": False}),
        ("xoauth2_only", OnlyXoauth2(store), {"starttls": trusted, "exclude": ["LOGIN", "PLAIN"]}),
        ("slow_login", SlowLogin(store), {"starttls": trusted, "exclude": ["LOGIN"]}),
        ("echo_plain", Echo(store), {"starttls": trusted, "exclude": ["LOGIN"]}),
        ("echo_login", Echo(store), {"starttls": trusted, "exclude": ["PLAIN"]}),
    ]:
        ports[name], controller = start_smtp(handler, **kwargs)
        controllers.append(controller)
    start_hostile(ports)
    ports["closed"] = free_port()

    with open(os.path.join(folder, "ports.json.part"), "w") as out:
        json.dump(ports, out)
    os.replace(os.path.join(folder, "ports.json.part"), os.path.join(folder, "ports.json"))
    print(json.dumps(ports), flush=True)

    sys.stdin.read()  # until the test closes its end, or dies
    os._exit(0)


if __name__ == "__main__":
    main()
