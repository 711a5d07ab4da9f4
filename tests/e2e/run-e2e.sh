#!/usr/bin/env bash
# Runs the end-to-end test of the real binary: a virtual X server, a window
# manager, a session bus with the accessibility bus, then the Python driver.
# Usage: run-e2e.sh <numeri-relativi binary>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(realpath "$1")
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
exec "$here/../kit/x-server" 1024x768 dbus-run-session -- bash "$here/session.sh" "$bin"
