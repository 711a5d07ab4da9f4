#!/usr/bin/env bash
# Inside the X server and session bus made by run-e2e.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
# Screen readers switch accessibility on through this setting.
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LANG=C.UTF-8
PYTHONPATH=$here/..${PYTHONPATH:+:$PYTHONPATH} /usr/bin/python3 "$here/e2e.py" "$1"
