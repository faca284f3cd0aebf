#!/usr/bin/env python3
"""Lays out a clean root for a Debian package: its own files and those of the
packages its Depends name, with their dependencies in turn, as this machine
has them installed, and nothing else. A program that runs in it (chroot)
needs no library the package does not declare.

  package-root.py DEB ROOT

Files are hard links where ROOT is on the same file system (else copies),
so a root of a few hundred megabytes costs next to nothing. Prints the
packages taken, one a line.
"""

import os
import re
import shutil
import subprocess
import sys


def query(package, field):
    done = subprocess.run(["dpkg-query", "-W", "-f=${" + field + "}", package],
                          capture_output=True, text=True)
    return done.stdout if done.returncode == 0 else ""


def installed(package):
    return query(package, "db:Status-Status") == "installed"


def providers():
    """Virtual package name -> installed packages that provide it."""
    listed = subprocess.run(["dpkg-query", "-W", "-f=${db:Status-Status} ${Package} ${Provides}\n"],
                            capture_output=True, text=True, check=True).stdout
    provided = {}
    for line in listed.splitlines():
        status, package, *provides = line.split(" ", 2)
        if status != "installed" or not provides:
            continue
        for name in provides[0].split(","):
            name = re.sub(r"\(.*?\)", "", name).strip()
            if name:
                provided.setdefault(name, []).append(package)
    return provided


def alternatives(depends):
    """[['a', 'b'], ['c']] for 'a (>= 1) | b, c:any'."""
    clauses = []
    for clause in depends.split(","):
        names = [re.sub(r"\(.*?\)|\[.*?\]|:\w+", "", name).strip() for name in clause.split("|")]
        names = [name for name in names if name]
        if names:
            clauses.append(names)
    return clauses


def closure(depends):
    provided = providers()
    taken, queue = [], alternatives(depends)
    while queue:
        names = queue.pop(0)
        if any(name in taken for name in names):
            continue
        choice = next((name for name in names if installed(name)), None)
        if choice is None:
            choice = next((provided[name][0] for name in names if name in provided), None)
        if choice is None:
            sys.exit("package-root: no installed package satisfies " + " | ".join(names))
        if choice in taken:
            continue
        taken.append(choice)
        queue += alternatives(query(choice, "Pre-Depends") + "," + query(choice, "Depends"))
    return taken


def place(source, root):
    target = root + source
    if os.path.islink(source):
        if not os.path.lexists(target):
            os.makedirs(os.path.dirname(target), exist_ok=True)
            os.symlink(os.readlink(source), target)
    elif os.path.isdir(source):
        os.makedirs(target, exist_ok=True)
    elif os.path.isfile(source) and not os.path.lexists(target):
        os.makedirs(os.path.dirname(target), exist_ok=True)
        try:
            os.link(source, target)
        except OSError:
            shutil.copy2(source, target)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    deb, root = sys.argv[1], os.path.abspath(sys.argv[2])
    os.makedirs(root, exist_ok=True)
    # A merged /usr keeps /lib, /bin ... as links into /usr: the same in the root.
    for name in ("bin", "sbin", "lib", "lib32", "lib64", "libx32"):
        if os.path.islink("/" + name) and not os.path.lexists(os.path.join(root, name)):
            target = os.readlink("/" + name)
            os.makedirs(os.path.join(root, target.lstrip("/")), exist_ok=True)
            os.symlink(target, os.path.join(root, name))
    for name in ("tmp", "dev", "etc"):
        os.makedirs(os.path.join(root, name), exist_ok=True)
    depends = subprocess.run(["dpkg-deb", "-f", deb, "Pre-Depends", "Depends"],
                             capture_output=True, text=True, check=True).stdout
    depends = ",".join(line.split(":", 1)[1] for line in depends.splitlines() if ":" in line)
    for package in closure(depends):
        print(package)
        files = subprocess.run(["dpkg-query", "-L", package], capture_output=True, text=True,
                               check=True).stdout
        for path in files.splitlines():
            if path.startswith("/") and path not in ("/.", "/"):
                place(path, root)
    subprocess.run(["dpkg-deb", "-x", deb, root], check=True)


if __name__ == "__main__":
    main()
