#!/usr/bin/env python3
"""Where people and scripts wait, as ratios against a baseline in one run.

  bench/ratios.py [--build DIR] [--runs N] [--install-deps]

DIR is an optimised build with the benchmarks on (QUELMO_BENCHMARKS=ON,
e.g. the ci preset: build/ci). Measured, each against its baseline and
taken in turn (A B A B ...) so that a machine whose speed drifts affects
both alike:

- under a private Xvfb, start to launcher drawn, peak memory at the
  launcher, and for each of the four forms the click on its launcher button
  to the form drawn (a fresh process per form): `quelmo` against
  `quelmo_bare_dialog`, plain Qt widgets with the same controls at the same
  places (taken from the real windows by the probe, bench/ui_probe.cpp);
- `quelmo-cli --version` against a minimal C++ program that prints one line
  with iostream (built here with the system's C++ compiler, as a C++
  program is built by default: the C++ runtime shared), ten starts a run;
- `quelmo-cli write` of the four setting files (four processes) against
  `cp` of the same four files, wall and cpu time, in a folder under TMPDIR:
  the writes sync the file and the folder and cp does not, so on a disk
  the wall time holds the device's waits (a tmpfs TMPDIR leaves them out);
- the file calls (opens, removes, renames, fsyncs) in the folder per save
  of camera.dat and per save of a scrambled file (sms.dat), by strace;
- where valgrind is installed, the instructions (callgrind) and the shared
  libraries loaded for `--version` and one write, against the same
  baselines: figures a busy machine does not move.

The machine's load average is printed before and after.

Each figure is printed as median [min .. max]; a ratio is the median of the
run-by-run ratios. Needs Xvfb and strace (--install-deps installs them with
apt-get).
"""

import argparse
import json
import os
import re
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

KINDS = ["camera", "mms", "gprs", "sms"]
FILE_NAMES = {"camera": "camera.dat", "mms": "mms.dat", "gprs": "gprs.dat", "sms": "sms.dat"}
# Settings that pass each form's save checks.
SETTINGS = {
    "camera": '{"imageSize": "5MP", "clock": "2020-06-01T08:30:00"}',
    "mms": '{"mode": "Customer", "url": "http://mms.example.com", "apn": "mms", '
           '"gateway": "10.0.0.1", "port": "8080", "phone": "+4915112345678"}',
    "gprs": '{"apnMode": "Customer", "apn": "internet", "smtpServer": "smtp.example.com", '
            '"smtpPort": "25", "senderEmail": "cam@example.com", "senderPassword": "secret", '
            '"recipientEmail": "me@example.com"}',
    "sms": '{"phone1": "+4915112345678"}',
}


def fail(message):
    sys.exit("ratios: " + message)


def spread(values, unit=""):
    return "%.2f%s [%.2f .. %.2f]" % (statistics.median(values), unit, min(values), max(values))


def ratio_line(name, ours, base, unit, goal):
    ratios = [a / b for a, b in zip(ours, base)]
    median = statistics.median(ratios)
    verdict = "" if goal is None else ("  (goal <= %.2fx: %s)" % (goal, "met" if median <= goal else "NOT met"))
    print("%-34s %-28s %-28s %.2fx [%.2f .. %.2f]%s" % (
        name, spread(ours, unit), spread(base, unit), median, min(ratios), max(ratios), verdict))


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        xvfb.kill()
        fail("Xvfb did not start")
    return xvfb, ":" + number


# The launcher's buttons and the forms they open: each form's opening is
# timed against the bare dialog's copy of the same form, each with its goal.
FORMS = [
    ("Camera -> camera form drawn (ms)", "control1000", 1.2),
    ("MMS -> MMS form drawn (ms)", "control1001", 1.2),
    ("SMTP -> SMTP/GPRS form drawn (ms)", "control1002", 1.2),
    ("SMS -> SMS form drawn (ms)", "control1003", 1.2),
]
FORM_PEAK_GOAL = 1.1


def run_probed(command, env, out_file, click, dump=None, timeout=30):
    """Runs a window program with the probe clicking `click`; returns its figures."""
    if os.path.exists(out_file):
        os.remove(out_file)
    env = dict(env, QUELMO_PROBE_OUT=out_file, QUELMO_PROBE_CLICK=click)
    if dump:
        env["QUELMO_PROBE_DUMP"] = dump
    env["QUELMO_PROBE_T0"] = str(time.monotonic_ns())
    subprocess.run(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=timeout)
    try:
        with open(out_file) as figures:
            line = figures.read()
    except FileNotFoundError:
        fail("%s ended without drawing its windows" % command[0])
    values = dict(pair.split("=") for pair in line.split() if "=" in pair)
    if "form_ms" not in values:
        fail("%s, clicking %s: %s" % (command[0], click, line.strip()))
    return {key: float(value) for key, value in values.items()}


def copy_windows(quelmo, env, out_file, work):
    """The launcher and the four forms as quelmo draws them, for the bare dialog."""
    windows = {"forms": {}}
    dump = os.path.join(work, "dump.json")
    for _, click, _ in FORMS:
        run_probed([quelmo], env, out_file, click, dump=dump)
        with open(dump) as dumped:
            drawn = json.load(dumped)
        windows.setdefault("launcher", drawn["launcher"])
        windows["forms"][click] = drawn["form"]
    path = os.path.join(work, "windows.json")
    with open(path, "w") as out:
        json.dump(windows, out)
    return path


def measure_windows(build, runs, work):
    quelmo = os.path.join(build, "src/qt/quelmo")
    bare = os.path.join(build, "bench/quelmo_bare_dialog")
    probe = os.path.join(build, "bench/libquelmo_ui_probe.so")
    for needed in (quelmo, bare, probe):
        if not os.path.exists(needed):
            fail("%s is missing: build with QUELMO_BENCHMARKS=ON" % needed)
    xvfb, display = start_xvfb()
    try:
        home = os.path.join(work, "home")
        os.makedirs(home, exist_ok=True)
        env = dict(os.environ, DISPLAY=display, LD_PRELOAD=probe, HOME=home,
                   XDG_CONFIG_HOME=os.path.join(home, ".config"), QT_QPA_PLATFORM="xcb",
                   LANG="C.UTF-8")
        out_file = os.path.join(work, "probe.txt")
        # The bare dialog copies the windows as quelmo draws them; these
        # first runs, and one of each form in the bare dialog, also warm the
        # caches.
        windows = copy_windows(quelmo, env, out_file, work)
        for _, click, _ in FORMS:
            run_probed([bare, windows], env, out_file, click)
        ours = {click: [] for _, click, _ in FORMS}
        base = {click: [] for _, click, _ in FORMS}
        for _ in range(runs):
            for _, click, _ in FORMS:
                ours[click].append(run_probed([quelmo], env, out_file, click))
                base[click].append(run_probed([bare, windows], env, out_file, click))
    finally:
        xvfb.terminate()
        xvfb.wait()
    # Every process draws the launcher: its figures come from all of them.
    all_ours = [r for figures in ours.values() for r in figures]
    all_base = [r for figures in base.values() for r in figures]
    print("%-34s %-28s %-28s %s" % ("", "quelmo", "bare dialog", "ratio"))
    ratio_line("start -> launcher drawn (ms)", [r["launcher_ms"] for r in all_ours],
               [r["launcher_ms"] for r in all_base], "", 1.1)
    ratio_line("peak memory at launcher (MiB)", [r["peak_kib"] / 1024 for r in all_ours],
               [r["peak_kib"] / 1024 for r in all_base], "", 1.05)
    for name, click, goal in FORMS:
        ratio_line(name, [r["form_ms"] for r in ours[click]],
                   [r["form_ms"] for r in base[click]], "", goal)
        ratio_line("  of which until shown", [r["shown_ms"] for r in ours[click]],
                   [r["shown_ms"] for r in base[click]], "", None)
        ratio_line("  of which the click's own work", [r["click_ms"] for r in ours[click]],
                   [r["click_ms"] for r in base[click]], "", None)
        ratio_line("  peak memory with it (MiB)", [r["form_peak_kib"] / 1024 for r in ours[click]],
                   [r["form_peak_kib"] / 1024 for r in base[click]], "", FORM_PEAK_GOAL)


MINIMAL_PROGRAM = """#include <iostream>
int main() { std::cout << "quelmo-cli 1.0" << std::endl; }
"""


def build_minimal(work):
    """The minimal C++ program quelmo-cli's start is measured against."""
    source = os.path.join(work, "minimal.cpp")
    program = os.path.join(work, "minimal")
    with open(source, "w") as out:
        out.write(MINIMAL_PROGRAM)
    compiler = os.environ.get("CXX") or shutil.which("c++") or shutil.which("g++")
    if compiler is None:
        fail("no C++ compiler to build the minimal program with")
    subprocess.run([compiler, "-O2", "-o", program, source], check=True)
    return program


def timed(commands):
    """Runs the commands one after the other: (wall ms, cpu ms) of them all."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    for command in commands:
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wall = (time.perf_counter() - start) * 1000
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime) * 1000
    return wall, cpu


def write_command(cli, kind, folder, work):
    settings = os.path.join(work, kind + ".json")
    if not os.path.exists(settings):
        with open(settings, "w") as json:
            json.write(SETTINGS[kind])
    return [cli, "write", kind, "--out", folder, "--settings", settings]


def measure_cli(build, runs, work):
    cli = os.path.join(build, "src/cli/quelmo-cli")
    if not os.path.exists(cli):
        fail("%s is missing" % cli)
    source = os.path.join(work, "source")
    written = os.path.join(work, "written")
    copied = os.path.join(work, "copied")
    for folder in (source, written, copied):
        os.makedirs(folder, exist_ok=True)
    writes = [write_command(cli, kind, written, work) for kind in KINDS]
    timed([write_command(cli, kind, source, work) for kind in KINDS])
    copies = [["cp", os.path.join(source, FILE_NAMES[kind]), copied] for kind in KINDS]
    ours, base = [], []
    timed(writes)
    timed(copies)
    for _ in range(runs):
        ours.append(timed(writes))
        base.append(timed(copies))
    print()
    print("%-34s %-28s %-28s %s" % ("", "quelmo-cli write", "cp", "ratio"))
    ratio_line("four files, wall (ms)", [o[0] for o in ours], [b[0] for b in base], "", 1.3)
    ratio_line("four files, cpu (ms)", [o[1] for o in ours], [b[1] for b in base], "", 1.3)


STARTS = 10  # starts of each program a run: one takes about a millisecond


def measure_startup(build, runs, work):
    cli = os.path.join(build, "src/cli/quelmo-cli")
    if not os.path.exists(cli):
        fail("%s is missing" % cli)
    minimal = build_minimal(work)
    ours_commands = [[cli, "--version"]] * STARTS
    base_commands = [[minimal]] * STARTS
    timed(ours_commands)
    timed(base_commands)
    ours, base = [], []
    for _ in range(runs):
        ours.append(timed(ours_commands))
        base.append(timed(base_commands))
    print()
    print("%-34s %-28s %-28s %s" % ("", "quelmo-cli --version", "minimal C++", "ratio"))
    ratio_line("%d starts, wall (ms)" % STARTS, [o[0] for o in ours], [b[0] for b in base], "", 1.5)
    ratio_line("%d starts, cpu (ms)" % STARTS, [o[1] for o in ours], [b[1] for b in base], "", 1.5)
    return minimal


def instructions(command, work):
    """Instructions the command executes, loader included, by callgrind."""
    out = os.path.join(work, "callgrind.out")
    done = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out] + command,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, check=True)
    match = re.search(r"refs:\s+([\d,]+)", done.stderr)
    if not match:
        fail("callgrind gave no count for %s" % command[0])
    return int(match.group(1).replace(",", ""))


def libraries(program):
    listed = subprocess.run(["ldd", program], capture_output=True, text=True, check=True).stdout
    return len([line for line in listed.splitlines() if line.strip()])


def measure_instructions(build, minimal, work):
    if shutil.which("valgrind") is None:
        print()
        print("instructions: valgrind is not installed (try --install-deps)")
        return
    cli = os.path.join(build, "src/cli/quelmo-cli")
    folder = os.path.join(work, "counted")
    os.makedirs(folder, exist_ok=True)
    write = write_command(cli, "camera", folder, work)
    subprocess.run(write, check=True, stdout=subprocess.DEVNULL)
    copy = ["cp", os.path.join(folder, "camera.dat"), os.path.join(folder, "copy.dat")]
    print()
    print("%-34s %-28s %-28s %s" % ("instructions (callgrind)", "quelmo-cli", "baseline", "ratio"))
    for name, ours, base, goal in (("--version vs minimal C++", [cli, "--version"], [minimal], 1.5),
                                   ("write camera.dat vs cp", write, copy, 1.3)):
        a, b = instructions(ours, work), instructions(base, work)
        print("%-34s %-28s %-28s %.2fx  (goal <= %.2fx: %s)" % (
            name, "{:,}".format(a), "{:,}".format(b), a / b, goal, "met" if a / b <= goal else "NOT met"))
    print("%-34s %-28d %-28d" % ("shared libraries (ldd lines)", libraries(cli), libraries(minimal)))


# Calls that touch the folder or a file in it, and the fsyncs (the CLI syncs
# nothing else).
STRACED = "openat,open,unlink,unlinkat,rename,renameat,renameat2,fsync,fdatasync"


def file_calls(cli, kind, work):
    folder = os.path.join(work, "traced-" + kind)
    os.makedirs(folder, exist_ok=True)
    log = os.path.join(work, "strace-%s.txt" % kind)
    subprocess.run(["strace", "-f", "-o", log, "-e", "trace=" + STRACED]
                   + write_command(cli, kind, folder, work),
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    counts = {}
    with open(log) as lines:
        for line in lines:
            match = re.search(r"\b(openat|open|unlinkat|unlink|renameat2|renameat|rename|fsync|fdatasync)\(", line)
            if not match:
                continue
            call = match.group(1)
            if not call.startswith("f") and folder not in line:
                continue
            name = {"openat": "open", "unlinkat": "remove", "unlink": "remove", "renameat2": "rename",
                    "renameat": "rename", "fdatasync": "fsync"}.get(call, call)
            counts[name] = counts.get(name, 0) + 1
    return counts


def measure_file_calls(build, work):
    cli = os.path.join(build, "src/cli/quelmo-cli")
    print()
    print("file calls per save (opens, removes, renames, fsyncs in the folder)")
    for kind, goal in (("camera", 5), ("sms", 13)):
        counts = file_calls(cli, kind, work)
        total = sum(counts.values())
        detail = ", ".join("%s %d" % item for item in sorted(counts.items()))
        print("  %-8s %2d  (%s)  goal <= %d: %s" % (FILE_NAMES[kind], total, detail, goal,
                                                   "met" if total <= goal else "NOT met"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build/ci", help="optimised build with benchmarks")
    parser.add_argument("--runs", type=int, default=15, help="measured runs of each (default 15)")
    parser.add_argument("--install-deps", action="store_true", help="apt-get install Xvfb, strace and valgrind")
    args = parser.parse_args()
    if args.install_deps:
        subprocess.run(["apt-get", "install", "-y", "xvfb", "strace", "valgrind"], check=True)
    for tool in ("Xvfb", "strace", "cp"):
        if shutil.which(tool) is None:
            fail("%s is not installed (try --install-deps)" % tool)
    build = os.path.abspath(args.build)
    with tempfile.TemporaryDirectory(prefix="quelmo-ratios-") as work:
        print("runs: %d of each, taken in turn; figures are median [min .. max]" % args.runs)
        print("load average before: %.2f %.2f %.2f" % os.getloadavg())
        measure_windows(build, args.runs, work)
        minimal = measure_startup(build, args.runs, work)
        measure_cli(build, args.runs, work)
        measure_file_calls(build, work)
        measure_instructions(build, minimal, work)
        print()
        print("load average after: %.2f %.2f %.2f" % os.getloadavg())


if __name__ == "__main__":
    main()
