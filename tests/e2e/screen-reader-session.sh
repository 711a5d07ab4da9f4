#!/usr/bin/env bash
# Inside the X server and session bus made by run-screen-reader.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
openbox --sm-disable >/dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
# As on a desktop: accessibility is switched on by the setting and by Orca,
# on the X server (the test suite's own default is offscreen).
export QT_QPA_PLATFORM=xcb
gsettings set org.gnome.desktop.interface toolkit-accessibility true
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
# Orca writes its log through an 8 KiB buffer: a sentence could wait there
# for seconds. The log is opened line-buffered instead, so every word is
# heard as soon as it is said.
/usr/bin/python3 -c '
import builtins, runpy, sys
log, plain_open = sys.argv[1], builtins.open
def open_log(file, mode="r", buffering=-1, *rest, **named):
    return plain_open(file, mode, 1 if file == log else buffering, *rest, **named)
builtins.open = open_log
sys.argv = ["orca", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
' "$NR_ORCA_LOG" >"$NR_ORCA_LOG.out" 2>&1 &
pids+=($!)
PYTHONPATH=$here:$here/..${PYTHONPATH:+:$PYTHONPATH} /usr/bin/python3 "$@"
