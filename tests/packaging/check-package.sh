#!/usr/bin/env bash
# Installs into a staging folder, builds the .deb and checks both as a
# distribution would. Usage: check-package.sh <release build dir> <source dir>
set -euo pipefail
build=$(realpath "$1")
src=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "-- desktop entry and AppStream metadata"
desktop-file-validate "$src/packaging/it.scuola.NumeriRelativi.desktop"
appstreamcli validate --no-net "$src/packaging/it.scuola.NumeriRelativi.metainfo.xml"

echo "-- staged install holds exactly the expected files"
DESTDIR="$work/stage" cmake --install "$build" >/dev/null
(cd "$work/stage" && find . -type f | sort) > "$work/files"
diff -u "$src/tests/packaging/expected-files.txt" "$work/files"

echo "-- Debian package"
(cd "$build" && cpack -G DEB >/dev/null)
deb="$build/numeri-relativi.deb"
lintian --fail-on error,warning "$deb"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no computed dependencies" >&2; exit 1; }
apt-get install --simulate "$deb" >/dev/null

echo "-- the packaged program starts and shows its window"
dpkg-deb -x "$deb" "$work/root"
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
  "$1" & pid=$!
  shown=$(timeout 20 xdotool search --sync --onlyvisible --name "^Giocare con i numeri relativi, per la classe IIIA del Borvano$" || true)
  kill $pid 2>/dev/null || true
  [ -n "$shown" ] || { echo "the window did not appear" >&2; exit 1; }
' _ "$work/root/usr/bin/numeri-relativi"
echo "package checks passed"
