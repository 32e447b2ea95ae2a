#!/usr/bin/env python3
"""SMTP server for the mail tests, on 127.0.0.1 only.

Usage: smtp_server.py DIR [--files]. Makes a CA and server certificates in DIR (DIR/ca.pem
is the CA to trust), opens one listener per behaviour below on a port the system chooses,
prints "name=port ..." on one line and serves until its standard input closes. With
--files (for a parent under wine, whose standard handles a Linux child does not get) the
line goes to DIR/ports.txt instead, and the server serves until the parent removes DIR. What the clients
send is appended to DIR/log.txt as lines "listener KIND hex(bytes)", each written before
the server answers it.

Listeners: plain (AUTH LOGIN without TLS), starttls (AUTH only after STARTTLS), tls (TLS from
the connect), other_starttls and other_tls (a certificate for another host name), drop
(closes the connection once the message is in, without answering), drop_tls (TLS from the
connect; answers DATA and closes the connection at once), silent (says nothing), refused
(a port bound but not listening).
The one account is user / secret.
"""
import asyncio
import datetime
import ipaddress
import os
import socket
import ssl
import sys
import threading

from aiosmtpd.smtp import SMTP, AuthResult
from cryptography import x509
from cryptography.hazmat.primitives import hashes, serialization
from cryptography.hazmat.primitives.asymmetric import ec
from cryptography.x509.oid import NameOID

DIR = sys.argv[1]
FILES = sys.argv[2:] == ["--files"]
if FILES:
    # The standard handles are the parent's own (the test runner's output): left open, they
    # would keep the runner waiting on a server that outlives its test.
    os.dup2(os.open(os.devnull, os.O_RDWR), 0)
    os.dup2(0, 1)
    os.dup2(os.open(os.path.join(DIR, "server.err"), os.O_WRONLY | os.O_CREAT | os.O_TRUNC), 2)
LOG = open(os.path.join(DIR, "log.txt"), "a", encoding="ascii")


def log(listener, kind, data):
    if data is None:
        data = b""
    elif isinstance(data, str):
        data = data.encode("latin-1")
    LOG.write(f"{listener} {kind} {data.hex()}\n")
    LOG.flush()


def name(cn):
    return x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, cn)])


def certificate(subject, key, issuer, issuer_key, sans=None, ca=False):
    now = datetime.datetime.now(datetime.timezone.utc)
    b = (x509.CertificateBuilder().subject_name(name(subject)).issuer_name(name(issuer))
         .public_key(key.public_key()).serial_number(x509.random_serial_number())
         .not_valid_before(now - datetime.timedelta(days=1))
         .not_valid_after(now + datetime.timedelta(days=1))
         .add_extension(x509.BasicConstraints(ca=ca, path_length=None), critical=True))
    if sans:
        b = b.add_extension(x509.SubjectAlternativeName(sans), critical=False)
    return b.sign(issuer_key, hashes.SHA256())


def server_context(subject, sans, ca_cert, ca_key):
    key = ec.generate_private_key(ec.SECP256R1())
    cert = certificate(subject, key, "Test CA", ca_key, sans)
    path = os.path.join(DIR, subject + ".pem")
    with open(path, "wb") as f:
        f.write(key.private_bytes(serialization.Encoding.PEM,
                                  serialization.PrivateFormat.PKCS8,
                                  serialization.NoEncryption()))
        f.write(cert.public_bytes(serialization.Encoding.PEM))
        f.write(ca_cert.public_bytes(serialization.Encoding.PEM))
    ctx = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    ctx.load_cert_chain(path)
    return ctx


class Handler:
    def __init__(self, listener, drop=False):
        self.listener = listener
        self.drop = drop

    async def handle_DATA(self, server, session, envelope):
        log(self.listener, "CONTENT", envelope.original_content)
        if self.drop:
            server.transport.abort()
        return "250 OK"


def logging_smtp(listener, drop=False, drop_at_data=False, **kwargs):
    def authenticator(server, session, envelope, mechanism, auth):
        log(listener, "LOGIN", auth.login + b" " + auth.password)
        return AuthResult(success=auth.login == b"user" and auth.password == b"secret",
                          handled=False)

    class Logging(SMTP):
        async def smtp_HELO(self, arg):
            log(listener, "HELO", arg)
            return await super().smtp_HELO(arg)

        async def smtp_EHLO(self, arg):
            log(listener, "EHLO", arg)
            return await super().smtp_EHLO(arg)

        async def smtp_STARTTLS(self, arg):
            log(listener, "STARTTLS", arg)
            return await super().smtp_STARTTLS(arg)

        async def smtp_MAIL(self, arg):
            log(listener, "MAIL", arg)
            return await super().smtp_MAIL(arg)

        async def smtp_DATA(self, arg):
            if not drop_at_data:
                return await super().smtp_DATA(arg)
            await self.push("354 End data with <CR><LF>.<CR><LF>")
            self.transport.abort()

        async def smtp_RCPT(self, arg):
            log(listener, "RCPT", arg)
            return await super().smtp_RCPT(arg)

        async def smtp_QUIT(self, arg):
            log(listener, "QUIT", arg)
            return await super().smtp_QUIT(arg)

    return lambda: Logging(Handler(listener, drop), authenticator=authenticator, **kwargs)


async def silent(reader, writer):
    await reader.read()
    writer.close()


async def main():
    ca_key = ec.generate_private_key(ec.SECP256R1())
    ca_cert = certificate("Test CA", ca_key, "Test CA", ca_key, ca=True)
    with open(os.path.join(DIR, "ca.pem"), "wb") as f:
        f.write(ca_cert.public_bytes(serialization.Encoding.PEM))
    good = server_context("localhost", [x509.DNSName("localhost"),
                                        x509.IPAddress(ipaddress.ip_address("127.0.0.1"))],
                          ca_cert, ca_key)
    other = server_context("other.example", [x509.DNSName("other.example")], ca_cert, ca_key)

    loop = asyncio.get_running_loop()
    servers = {
        "plain": await loop.create_server(logging_smtp("plain", auth_require_tls=False),
                                          "127.0.0.1", 0),
        "starttls": await loop.create_server(logging_smtp("starttls", tls_context=good),
                                             "127.0.0.1", 0),
        "tls": await loop.create_server(logging_smtp("tls", auth_require_tls=False),
                                        "127.0.0.1", 0, ssl=good),
        "other_starttls": await loop.create_server(
            logging_smtp("other_starttls", tls_context=other), "127.0.0.1", 0),
        "other_tls": await loop.create_server(
            logging_smtp("other_tls", auth_require_tls=False), "127.0.0.1", 0, ssl=other),
        "drop": await loop.create_server(logging_smtp("drop", drop=True), "127.0.0.1", 0),
        "drop_tls": await loop.create_server(logging_smtp("drop_tls", drop_at_data=True),
                                             "127.0.0.1", 0, ssl=good),
        "silent": await asyncio.start_server(silent, "127.0.0.1", 0),
    }
    ports = {k: s.sockets[0].getsockname()[1] for k, s in servers.items()}
    refused = socket.socket()
    refused.bind(("127.0.0.1", 0))
    ports["refused"] = refused.getsockname()[1]
    line = " ".join(f"{k}={p}" for k, p in ports.items())
    stop = asyncio.Event()
    if FILES:
        with open(os.path.join(DIR, "ports.tmp"), "w", encoding="ascii") as f:
            f.write(line + "\n")
        os.replace(os.path.join(DIR, "ports.tmp"), os.path.join(DIR, "ports.txt"))

        async def watch_parent():
            # The parent removes DIR when it ends; an hour is the limit should it crash.
            for _ in range(18000):
                if not os.path.exists(os.path.join(DIR, "ports.txt")):
                    break
                await asyncio.sleep(0.2)
            stop.set()

        asyncio.ensure_future(watch_parent())
    else:
        print(line, flush=True)
        threading.Thread(target=lambda: (sys.stdin.read(), loop.call_soon_threadsafe(stop.set)),
                         daemon=True).start()
    await stop.wait()


asyncio.run(main())
