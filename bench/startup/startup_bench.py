#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up, memory and idle-CPU figures of the real program under a virtual X display.

Each run starts build/bin/vorelles with a fresh settings folder (so it also writes its first-run
settings, unless --game gives a settings file that opens a game at start-up), watches the X window tree for the splash (360 x 200) and the main window, then reads
the resident memory and the CPU time used over an idle minute from /proc.
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

WINDOW = re.compile(r'"VORELLES[^"]*".*?(\d+)x(\d+)')


def windows(display):
    out = subprocess.run(["xwininfo", "-root", "-tree"], env={"DISPLAY": display},
                         capture_output=True, text=True).stdout
    return [(int(w), int(h)) for w, h in WINDOW.findall(out)]


def cpu_seconds(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def rss_mib(pid):
    for line in open(f"/proc/{pid}/status"):
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) / 1024
    return float("nan")


def one_run(binary, display, idle_seconds, game):
    config = tempfile.mkdtemp(prefix="vorelles-bench-")
    if game:
        # A settings file from an earlier run that opens a game at start-up.
        name = os.path.basename(binary)
        os.makedirs(os.path.join(config, name))
        with open(os.path.join(config, name, name + ".ini"), "w") as ini:
            ini.write("[parametres]\ndate%20de%20debut=01/12/2026\n"
                      f"demarrage={game}\nmelange=10\nnom%20du%20joueur=MARIE\n")
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=config)
    start = time.perf_counter()
    proc = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    splash = main = None
    try:
        while main is None and time.perf_counter() - start < 20:
            now = time.perf_counter() - start
            shown = windows(display)
            if splash is None and (360, 200) in shown:
                splash = now
            if any(w >= 800 for w, _ in shown):
                main = now
            time.sleep(0.002)
        time.sleep(3)
        rss = rss_mib(proc.pid)
        cpu = None
        if idle_seconds:
            before = cpu_seconds(proc.pid)
            time.sleep(idle_seconds)
            cpu = cpu_seconds(proc.pid) - before
        return splash, main, rss, cpu
    finally:
        proc.kill()
        proc.wait()
        shutil.rmtree(config, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", default="build/bin/vorelles")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle", type=float, default=60.0, help="idle seconds measured per run")
    parser.add_argument("--game", default="", help="game opened at start-up, e.g. Monte-Carlo")
    parser.add_argument("--display", default=":97", help="virtual display, free on this machine")
    args = parser.parse_args()

    display = args.display
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    try:
        results = [one_run(args.binary, display, args.idle, args.game) for _ in range(args.runs)]
    finally:
        xvfb.kill()
        xvfb.wait()

    def median(values):
        values = [v for v in values if v is not None]
        return statistics.median(values) if values else float("nan")

    for i, (splash, main_shown, rss, cpu) in enumerate(results, 1):
        print(f"run {i}: splash {splash * 1000 if splash else float('nan'):.0f} ms, "
              f"main window {main_shown * 1000 if main_shown else float('nan'):.0f} ms, "
              f"RSS {rss:.1f} MiB, CPU over idle {cpu if cpu is not None else float('nan'):.3f} s")
    print(f"median: splash {median([r[0] for r in results]) * 1000:.0f} ms, "
          f"main window {median([r[1] for r in results]) * 1000:.0f} ms, "
          f"RSS {median([r[2] for r in results]):.1f} MiB, "
          f"CPU per idle {args.idle:.0f} s {median([r[3] for r in results]):.3f} s")


if __name__ == "__main__":
    sys.exit(main())
