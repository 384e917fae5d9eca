#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The setup program as a French user runs it by hand, in a Wine prefix and an Xvfb of its own
# with a window manager (openbox, title bars): its pages, each taken with "Entrée", to the finish
# page, whose box "Lancer Karvo béton - mortier" is ticked, so that "Fermer" starts Karvo; Karvo's
# window with its icon in the title bar; then the setup again while Karvo runs, which asks to
# close it before it touches a file, and on OK closes it and installs. Screenshots of each page
# go to OUTPUT_DIR.
# Usage: setup.sh SETUP_EXE OUTPUT_DIR
set -euo pipefail
export LC_ALL=C
setup=$(realpath "${1:?usage: setup.sh SETUP_EXE OUTPUT_DIR}")
out=${2:?usage: setup.sh SETUP_EXE OUTPUT_DIR}
started=$(date +%s)
work=$(mktemp -d)
xvfb_pid=
openbox_pid=
. "$(dirname "$0")/wine.sh"

cleanup() { stop_all $openbox_pid $xvfb_pid; }
trap cleanup EXIT
who=windows-setup shots=$out
. "$(dirname "$0")/../e2e/drive.sh"
programs="$WINEPREFIX/drive_c/Program Files/Karvo"

# A page is taken once the window's picture has changed and then holds still for half a second.
# A window gone reads as an empty picture; import waits for a click rather than fail.
picture() { { timeout 5 import -window "$1" rgb:- 2>/dev/null || true; } | md5sum; }
changed_from() { [ "$(picture "$1")" != "$2" ]; }
settle() { # window what: at most 20 s
  local before now deadline=$((SECONDS + 20))
  before=$(picture "$1")
  while ((SECONDS < deadline)); do
    sleep 0.5
    now=$(picture "$1")
    [ "$now" = "$before" ] && return 0
    before=$now
  done
  fail "the window does not settle: $2"
}
shoot() { # window name
  settle "$1" "$2"
  import -window root "$out/$2.png"
  step "screenshot: $out/$2.png"
}
press() { # window key
  local before
  before=$(picture "$1")
  focus "$1"
  xdotool key --clearmodifiers "$2"
  poll 60 changed_from "$1" "$before" || fail "nothing changed after $2"
}
setup_window() { window_of '^Installation de Karvo'; }
karvo_runs() { pgrep -f 'Karvo.bin.karvo\.exe' >/dev/null; }
# The uninstaller is written once the files are in place, after the mark of the setup's start.
installed() { [ "$programs/Uninstall.exe" -nt "$work/mark" ]; }

mkdir -p "$out"
rm -f "$out"/*.png
own_folders "$work"
start_xvfb 1280x1024
openbox >/dev/null 2>&1 &
openbox_pid=$!
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
poll 10 wm_up || fail "openbox did not start"
step "a French Wine prefix"
make_prefix

step "the pages, each taken with Entrée"
touch "$work/mark"
win "$setup" &
window=$(setup_window)
shoot "$window" setup-1-welcome
for page in 2-licence 3-folder 4-start-menu; do
  press "$window" Return
  shoot "$window" "setup-$page"
done
press "$window" Return
poll 60 installed || fail "nothing installed"
shoot "$window" setup-5-finish

step "Fermer, with the box ticked: Karvo starts"
press "$window" Return
menu=$(window_of '^Menu')
karvo_runs || fail "the window named Menu is not the installed karvo.exe"
poll 5 not shown '^Installation de Karvo' || fail "the setup's window stays after Fermer"
shoot "$menu" karvo-window

step "the setup again while Karvo runs: it asks to close Karvo"
touch "$work/mark"
win "$setup" &
window=$(setup_window)
for page in 1 2 3; do
  press "$window" Return
  settle "$window" "page $page"
done
press "$window" Return
# The question, a window of the setup's name beside the setup's.
question() { xdotool search --onlyvisible --name '^Installation de Karvo' | grep -vx "$window"; }
poll 20 question >/dev/null || fail "the setup did not ask to close Karvo"
asked=$(question | head -1)
shoot "$asked" setup-6-close-karvo
karvo_runs || fail "Karvo was closed before the answer"
focus "$asked"
xdotool key --clearmodifiers Return
poll 15 not karvo_runs || fail "Karvo still runs after OK"
poll 60 installed || fail "nothing installed after closing Karvo"
shoot "$window" setup-7-finish-again
step "passed in $(($(date +%s) - started)) s"
