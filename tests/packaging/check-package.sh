#!/usr/bin/env bash
# Checks the install and the Debian package as a distribution would: the
# staged install, then the package that debian/ builds from a copy of the
# source, with lintian, its file list, apt, and its own autopkgtest.
# Usage: check-package.sh <release build dir> <source dir>
set -euo pipefail
build=$(realpath "$1")
src=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
expected="$src/tests/packaging/expected-files.txt"

echo "-- staged install holds exactly the expected files"
DESTDIR="$work/stage" cmake --install "$build" >/dev/null
(cd "$work/stage" && find . -type f | sort) > "$work/files"
diff -u "$expected" "$work/files"

echo "-- desktop entry and AppStream metadata, named after the newest changelog entry"
desktop-file-validate "$work/stage/usr/share/applications/it.scuola.NumeriRelativi.desktop"
appstreamcli validate --no-net "$work/stage/usr/share/metainfo/it.scuola.NumeriRelativi.metainfo.xml"
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
grep -q "<release version=\"$version\" date=\"$(date -u -d "$(dpkg-parsechangelog -l "$src/debian/changelog" -S Date)" +%F)\"/>" \
  "$work/stage/usr/share/metainfo/it.scuola.NumeriRelativi.metainfo.xml" || { echo "the metadata does not name release $version" >&2; exit 1; }
zcat "$work/stage/usr/share/man/man1/numeri-relativi.1.gz" | grep -q "\"numeri-relativi $version\"" ||
  { echo "the manual page does not name release $version" >&2; exit 1; }

echo "-- Debian package, built from debian/"
# A copy without build trees; the package lands beside it, in $work.
mkdir "$work/src"
tar -C "$src" --exclude=./build --exclude=./.git --exclude='./obj-*' --exclude=./debian/numeri-relativi \
    --exclude=./debian/.debhelper --exclude=./debian/tmp -cf - . | tar -C "$work/src" -xf -
# The suite has just run on three builds; this one only packages.
(cd "$work/src" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" DEB_BUILD_PROFILES=nocheck \
   dpkg-buildpackage -us -uc -b >"$work/build.log" 2>&1) || { tail -40 "$work/build.log"; exit 1; }
deb=$(ls "$work"/numeri-relativi_*.deb)
lintian --fail-on error,warning "$work"/numeri-relativi_*.changes
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no computed dependencies" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'fonts-liberation' || { echo "the design's fonts are not a dependency" >&2; exit 1; }
# Loaded when the first sound is played, so not found among the binary's libraries.
dpkg-deb -f "$deb" Depends | grep -q 'libcanberra0' || { echo "the sound theme library is not a dependency" >&2; exit 1; }
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sort > "$work/packaged"
diff -u "$expected" "$work/packaged"
apt-get install --simulate "$deb" >/dev/null

echo "-- the packaged program passes its autopkgtest"
dpkg-deb -x "$deb" "$work/root"
PATH="$work/root/usr/bin:$PATH" "$src/debian/tests/window-appears"
echo "package checks passed"
