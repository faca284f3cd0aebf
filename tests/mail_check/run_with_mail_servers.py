#!/usr/bin/python3
"""Runs a Windows test program under Wine with the test mail servers.

  run_with_mail_servers.py COMMAND...

Starts mail_servers.py (Linux's python3 with aiosmtpd, on 127.0.0.1, which
Wine's processes reach too) in a fresh folder, runs COMMAND with that folder
as a Windows path in QUELMO_MAIL_SERVERS_FOLDER, then ends the servers by
closing their input. The exit status is COMMAND's.
"""

import os
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    with tempfile.TemporaryDirectory(prefix="quelmo-mail-") as folder:
        servers = subprocess.Popen([sys.executable, os.path.join(HERE, "mail_servers.py"), folder],
                                   stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
        try:
            # Certificates and start-up take a second or two; a server that
            # fails ends the process, which ends the wait.
            while not os.path.exists(os.path.join(folder, "ports.json")):
                if servers.poll() is not None:
                    print("the test mail servers did not start (is python3-aiosmtpd installed?)",
                          file=sys.stderr)
                    return 1
                time.sleep(0.05)
            env = dict(os.environ)
            # Wine's drive Z: is the Linux root.
            env["QUELMO_MAIL_SERVERS_FOLDER"] = "Z:" + folder.replace("/", "\\")
            return subprocess.run(sys.argv[1:], env=env).returncode
        finally:
            servers.stdin.close()
            try:
                servers.wait(timeout=5)
            except subprocess.TimeoutExpired:
                servers.kill()
                servers.wait()


if __name__ == "__main__":
    sys.exit(main())
