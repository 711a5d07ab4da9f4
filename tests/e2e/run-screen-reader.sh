#!/usr/bin/env bash
# Plays the real binary by ear with the Orca screen reader, in Italian, on a
# virtual X server with a session bus and the accessibility bus.
# Usage: run-screen-reader.sh <numeri-relativi binary>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(realpath "$1")
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/run HOME=$work/home
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
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  dbus-run-session -- bash "$here/screen-reader-session.sh" "$bin" "$work/orca.log"
