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
orca --debug-file="$2" >"$2.out" 2>&1 &
pids+=($!)
/usr/bin/python3 "$here/screen_reader.py" "$1" "$2"
