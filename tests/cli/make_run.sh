#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `make run` as users meet it: scripts/run.sh started with the program, from a folder of the
# test's own, three times. On an X display of the test's own, the menu shows there and
# "QUITTER" ends the program with status 0; on a Wayland compositor of the test's own (weston,
# headless), the menu shows there; with neither DISPLAY nor WAYLAND_DISPLAY, run.sh stops by
# itself, leaving no process behind, after naming a screenshot under screenshots/ that shows
# the menu. Neither of the first two makes a screenshot. QT_QPA_PLATFORM=wayland, with an X
# display too, opens the menu on Wayland.
# Usage: make_run.sh path/to/run.sh path/to/karvo path/to/karvo_layout
set -euo pipefail
usage="usage: make_run.sh path/to/run.sh path/to/karvo path/to/karvo_layout"
run=$(realpath "${1:?$usage}")
karvo=$(realpath "${2:?$usage}")
layout=${3:?$usage}
work=$(mktemp -d)
xvfb_pid='' weston_pid='' sessions=()
cleanup() {
  for sid in "${sessions[@]}"; do kill -- "-$sid" 2>/dev/null || true; done
  for pid in $xvfb_pid $weston_pid; do kill "$pid" 2>/dev/null || true; done
  wait
  rm -rf "$work"
}
trap cleanup EXIT
who=make_run
. "$(dirname "$0")/../e2e/drive.sh"
own_folders "$work"
# "-u NAME" for each Qt variable of the caller's.
mapfile -t user_env < <(env | grep -o '^QT_[A-Z_]*' | sed 's/^/-u\n/')
# run.sh in the folder $1 with env's arguments $2... (its -u first), its output in $1.out. Sets
# started: its pid, which is also its session's id, so whatever it starts can be found and ended.
start_run() {
  mkdir "$work/$1"
  (cd "$work/$1" && exec setsid env "${user_env[@]}" -u LC_ALL -u LC_NUMERIC "${@:2}" \
    LANG=fr_FR.UTF-8 bash "$run" "$karvo") >"$work/$1.out" 2>&1 &
  started=$!
  sessions+=("$started")
}
# Exited, even if not yet reaped.
ended() {
  local state
  state=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) || return 0
  [ -z "$state" ] || [ "$state" = Z ]
}
no_screenshot() {
  [ ! -e "$work/$1/screenshots" ] || fail "$1: a screenshot was made: $(ls "$work/$1/screenshots")"
  not grep -q 'screenshot' "$work/$1.out" || fail "$1: run.sh says: $(cat "$work/$1.out")"
}

step "on an X display: the menu shows there, and QUITTER ends karvo with status 0"
start_xvfb 1280x1024
start_run x -u WAYLAND_DISPLAY DISPLAY="$DISPLAY"
poll 20 shown '^Menu ' || fail "no menu on the display: $(cat "$work/x.out")"
menu=$(visible '^Menu ')
read -r x y w h < <("$layout" | awk '$1 == "Form2" && $2 == "CmdQuitter" { print $3, $4, $5, $6 }')
[ -n "${h:-}" ] || fail "no CmdQuitter in the layout"
focus "$menu"
xdotool mousemove --window "$menu" $((x + w / 2)) $((y + h / 2)) click 1
poll 20 ended "$started" || fail "karvo still runs 20 s after QUITTER"
status=0
wait "$started" || status=$?
[ "$status" = 0 ] || fail "karvo ended with status $status after QUITTER: $(cat "$work/x.out")"
no_screenshot x
kill "$xvfb_pid"
unset DISPLAY

step "on a Wayland compositor: the menu shows there"
export WAYLAND_DISPLAY=wayland-make-run
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1280 --height=1024 \
  --debug --no-config --log="$work/weston.log" >/dev/null 2>&1 &
weston_pid=$!
poll 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
  fail "weston did not start: $(cat "$work/weston.log")"
on_weston() {
  weston-debug scene-graph 2>/dev/null |
    grep -F "top-level window 'Menu   béton - mortier  Karvo'" >/dev/null
}
start_run wayland -u DISPLAY WAYLAND_DISPLAY="$WAYLAND_DISPLAY"
poll 10 on_weston || fail "no menu on weston: $(cat "$work/wayland.out")"
no_screenshot wayland
kill -- "-$started"
poll 10 not on_weston || fail "the menu stays on weston after its program ended"

step "QT_QPA_PLATFORM=wayland with an X display too: the menu on Wayland, as the user chose"
start_xvfb 1280x1024
start_run chosen DISPLAY="$DISPLAY" WAYLAND_DISPLAY="$WAYLAND_DISPLAY" QT_QPA_PLATFORM=wayland
poll 10 on_weston || fail "no menu on weston: $(cat "$work/chosen.out")"
not shown '^Menu ' || fail "the menu opened on the X display, not where the user chose"
kill -- "-$started"
kill "$xvfb_pid" "$weston_pid"
unset WAYLAND_DISPLAY DISPLAY

step "with no display: run.sh stops by itself and names a screenshot of the menu"
start_run none -u DISPLAY -u WAYLAND_DISPLAY
poll 30 ended "$started" || fail "run.sh still runs after 30 s: $(cat "$work/none.out")"
status=0
wait "$started" || status=$?
[ "$status" = 0 ] || fail "run.sh ended with status $status: $(cat "$work/none.out")"
poll 5 not pgrep -s "$started" >/dev/null ||
  fail "still running after run.sh: $(pgrep -a -s "$started")"
mapfile -t named < <(grep -oE "$work/none/screenshots/[^ ]+\.png" "$work/none.out" || true)
[ "${#named[@]}" = 1 ] ||
  fail "run.sh names no single PNG under screenshots/: $(cat "$work/none.out")"
shot=${named[0]}
[ -f "$shot" ] || fail "run.sh names $shot, which does not exist"
[ "$(identify -format %wx%h "$shot")" = 1280x1024 ] || fail "$shot is no picture of the screen"
# Pixels of the menu's flat colours, about half the areas its design gives them at least: the
# title (345 x 49 px), the four price boxes (89 x 25 each), the frame of the choice (65 x 145)
# and its two options (49 x 33 each).
histogram=$(convert "$shot" -format %c histogram:info:-)
for want in "C0C000 8000" "FFFF80 4000" "004000 4000" "FF8000 1500"; do
  read -r colour least <<<"$want"
  count=$(awk -v c="#$colour" '$3 == c { sub(":", "", $1); print $1 }' <<<"$histogram")
  ((${count:-0} >= least)) || fail "$shot has ${count:-0} pixels of #$colour, not $least: no menu"
done
step "ok: $shot shows the menu"
