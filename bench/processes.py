#!/usr/bin/env python3
"""Whole-process measurements of orvane-cli (and of the desktop program's
start-up), as a user meets them: start-up, the Flood range on one and on
all cores, and the peak memory of a thousand-year calendar export.

The machine may be shared, so every comparison is made in pairs: the two
programs are run alternately, round after round, and each round gives one
ratio; the median ratio is reported with the spread of the rounds.  Ratios,
not absolute times, are what carry from one machine to another.

  bench/processes.py [--cli build/release/bin/orvane-cli] [--old OTHER_CLI]
                     [--desktop build/release/bin/orvane] [--old-desktop OTHER]
                     [--rounds 7]

--old and --old-desktop name a previous build to hold these against.  The bare
programs the start-up is compared with (a C++ hello-world, and a Qt program
that shows one empty window) are compiled into a temporary folder.
"""

import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HELLO_CPP = '#include <iostream>\nint main() { std::cout << "hello\\n"; }\n'
HELLO_QT = """#include <QApplication>
#include <QWidget>
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget w;
  w.setWindowTitle("Bare");
  w.resize(400, 300);
  w.show();
  return app.exec();
}
"""


def run_quiet(command, **kwargs):
    return subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, **kwargs)


def seconds(command, repeat=1, cwd=None):
    """Wall-clock and processor seconds (user and system) of one run."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    for _ in range(repeat):
        run_quiet(command, cwd=cwd)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall / repeat, cpu / repeat


def paired(label, first, second, rounds, repeat=1):
    """The ratios second / first of wall-clock and processor time over
    alternating rounds."""
    walls, cpus = [], []
    for r in range(rounds):
        if r % 2 == 0:
            a = seconds(first, repeat)
            b = seconds(second, repeat)
        else:
            b = seconds(second, repeat)
            a = seconds(first, repeat)
        walls.append(b[0] / a[0])
        cpus.append(b[1] / a[1] if a[1] > 0 else float("nan"))
    print(f"{label}: wall clock {statistics.median(walls):.2f}x (rounds {min(walls):.2f} to {max(walls):.2f}), "
          f"processor time {statistics.median(cpus):.2f}x (rounds {min(cpus):.2f} to {max(cpus):.2f})")
    return statistics.median(walls)


def peak_mib(command, cwd):
    result = subprocess.run(["/usr/bin/time", "-v"] + command, cwd=cwd, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True, check=True)
    for line in result.stderr.splitlines():
        if "Maximum resident set size" in line:
            return int(line.split(":")[1]) / 1024
    raise RuntimeError("no peak memory reported")


def compile_bare(folder):
    hello = os.path.join(folder, "hello")
    with open(hello + ".cpp", "w") as f:
        f.write(HELLO_CPP)
    run_quiet(["g++", "-O2", "-o", hello, hello + ".cpp"])
    qt = None
    flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Widgets"], capture_output=True, text=True)
    if flags.returncode == 0:
        qt = os.path.join(folder, "bare-qt")
        with open(qt + ".cpp", "w") as f:
            f.write(HELLO_QT)
        run_quiet(["g++", "-O2", "-fPIC", "-o", qt, qt + ".cpp"] + flags.stdout.split())
    return hello, qt


def first_window(command, display):
    """Seconds from the start of a program until a window of it is on the
    screen (mapped and viewable, which it is once it has been painted)."""
    env = dict(os.environ, DISPLAY=display)
    start = time.perf_counter()
    program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               cwd=tempfile.gettempdir())
    try:
        run_quiet(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(program.pid)], env=env, timeout=30)
        return time.perf_counter() - start
    finally:
        program.kill()
        program.wait()


def desktop(args, bare_qt):
    if not (args.desktop and os.path.exists(args.desktop) and bare_qt and shutil.which("Xvfb")):
        print("desktop start-up: skipped (needs the desktop program, Qt's headers, Xvfb and xdotool)")
        return
    display = ":97"
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    manager = None
    try:
        time.sleep(1)
        manager = subprocess.Popen(["openbox"], env=dict(os.environ, DISPLAY=display), stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        time.sleep(1)
        programs = [("bare", [bare_qt]), ("this", [os.path.abspath(args.desktop)])]
        if args.old_desktop:
            programs.append(("other", [os.path.abspath(args.old_desktop)]))
        ratios = {"this": [], "other": []}
        for r in range(args.rounds):
            order = programs if r % 2 == 0 else list(reversed(programs))
            times = {name: first_window(cmd, display) for name, cmd in order}
            for name in ratios:
                if name in times:
                    ratios[name].append(times[name] / times["bare"])
        for name, label in (("this", "this build"), ("other", "the other build")):
            if ratios[name]:
                print(f"desktop, {label}: first window on the screen against a bare Qt window "
                      f"{statistics.median(ratios[name]):.2f}x (rounds {min(ratios[name]):.2f} to "
                      f"{max(ratios[name]):.2f})")
    finally:
        if manager:
            manager.kill()
            manager.wait()
        server.kill()
        server.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", default="build/release/bin/orvane-cli")
    parser.add_argument("--old")
    parser.add_argument("--desktop", default="build/release/bin/orvane")
    parser.add_argument("--old-desktop")
    parser.add_argument("--rounds", type=int, default=7)
    args = parser.parse_args()
    cli = os.path.abspath(args.cli)
    print("load average at the start:", " ".join(f"{x:.2f}" for x in os.getloadavg()))

    with tempfile.TemporaryDirectory() as folder:
        hello, bare_qt = compile_bare(folder)
        one_core = ["taskset", "-c", "0"]
        flood = ["flood", "-4004", "9999"]

        paired("holydays 2024 against a bare C++ program", [hello], [cli, "holydays", "2024"], args.rounds,
               repeat=20)
        if args.old:
            paired("Flood range on one core, this build against the other (below 1: faster)",
                   one_core + [os.path.abspath(args.old)] + flood, one_core + [cli] + flood, max(3, args.rounds // 2))
        paired("Flood range, all cores against one core (below 1: faster)", one_core + [cli] + flood, [cli] + flood,
               max(3, args.rounds // 2))
        export = [cli, "holydays", "--ics", "years.ics", "--years", "1", "1000"]
        print(f"peak memory of a 1000-year calendar export: {peak_mib(export, folder):.1f} MiB "
              f"(file {os.path.getsize(os.path.join(folder, 'years.ics')) / 1e6:.1f} MB)")
        if args.old:
            old_export = [os.path.abspath(args.old)] + export[1:]
            print(f"  the other build: {peak_mib(old_export, folder):.1f} MiB")
        desktop(args, bare_qt)
    print("load average at the end:", " ".join(f"{x:.2f}" for x in os.getloadavg()))


if __name__ == "__main__":
    sys.exit(main())
