"""Starts a program and prints the seconds until its window, named by the
argument, is mapped and viewable; then its resident memory and its CPU use
over an idle period. Usage: wait_window.py NAME IDLE_SECONDS PROGRAM..."""

import os
import subprocess
import sys
import time

from Xlib import X, display

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests'))
from kit import poll  # noqa: E402

name, idle = sys.argv[1], float(sys.argv[2])
program = sys.argv[3:]
screen = display.Display().screen()


def viewable(window):
    try:
        if window.get_wm_name() == name and window.get_attributes().map_state == X.IsViewable:
            return True
        return any(viewable(child) for child in window.query_tree().children)
    except Exception:  # a window may vanish while we look
        return False


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return -1


start = time.monotonic()
process = subprocess.Popen(program)
try:
    if not poll(lambda: viewable(screen.root), 20, 0.002):
        sys.exit("the window did not appear")
    shown = time.monotonic() - start
    time.sleep(1.0)
    rss = rss_kib(process.pid)
    before = cpu_seconds(process.pid)
    time.sleep(idle)
    cpu = (cpu_seconds(process.pid) - before) / idle * 100
    print(f"{shown:.4f} {rss} {cpu:.4f}")
finally:
    process.kill()
    process.wait()
