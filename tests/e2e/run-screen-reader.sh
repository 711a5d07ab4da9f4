#!/usr/bin/env bash
# Plays by ear with the Orca screen reader, in Italian, on a virtual X server
# with a session bus and the accessibility bus: runs `python3 DRIVER ARGS...`
# beside an Orca of its own, whose speech log is named by NR_ORCA_LOG.
# Everything runs in a process namespace of its own, so that neither Orca
# sees the other: a screen reader the user runs, or another test run.
# Usage: run-screen-reader.sh DRIVER [ARGS...]
#   e.g. run-screen-reader.sh tests/e2e/screen_reader.py <numeri-relativi binary>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ -z ${NR_OWN_PIDS:-} ]]; then
  own=(--pid --fork --mount-proc)
  [[ $(id -u) -eq 0 ]] || own+=(--user --map-root-user)
  NR_OWN_PIDS=1 exec unshare "${own[@]}" "$0" "$@"
fi
driver=$(realpath "$1")
shift
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/run HOME=$work/home NR_ORCA_LOG=$work/orca.log
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$HOME"
# Speech goes nowhere: no sound card, and speech-dispatcher must not wait for one.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc"
mkdir -p "$HOME/.config/speech-dispatcher"
printf 'AudioOutputMethod "alsa"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\nDefaultLanguage "it"\n' \
  > "$HOME/.config/speech-dispatcher/speechd.conf"
# An Italian locale of our own, so that nothing on the machine changes.
mkdir "$work/locale"
localedef -i it_IT -f UTF-8 "$work/locale/it_IT.UTF-8" 2>/dev/null || [ -e "$work/locale/it_IT.UTF-8/LC_CTYPE" ]
export LOCPATH=$work/locale LANG=it_IT.UTF-8 LANGUAGE=it
"$here/../kit/x-server" 1280x1024 dbus-run-session -- bash "$here/screen-reader-session.sh" "$driver" "$@"
