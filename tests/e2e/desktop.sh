#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real karvo under a window manager (openbox on Xvfb), as users run it: at scale 1 the menu
# is centred on its outer frame, a calculator opens at the same place each time, and a
# double-click on "INFOS" opens the help without pressing what the move put under the pointer;
# at scale 2 on 1920x1080 (a 960x540 screen) every window it places keeps its title bar on the
# screen. Screenshots of each step go to OUTPUT_DIR. Skipped (77) without openbox.
# Usage: desktop.sh path/to/karvo path/to/karvo_layout OUTPUT_DIR
set -euo pipefail
export LC_ALL=C.UTF-8
karvo=${1:?usage: desktop.sh karvo karvo_layout OUTPUT_DIR}
layout=${2:?usage: desktop.sh karvo karvo_layout OUTPUT_DIR}
out=${3:?usage: desktop.sh karvo karvo_layout OUTPUT_DIR}
command -v openbox >/dev/null || { echo "desktop: skipped, openbox is not installed" >&2; exit 77; }
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "desktop: FAIL: $*" >&2
  import -window root "$out/failure.png" 2>/dev/null || true
  exit 1
}
step() { echo "desktop: $*"; }
poll() { # seconds command...: retries every 0.1 s
  local tries=$(($1 * 10)); shift
  while ((tries-- > 0)); do "$@" && return 0; sleep 0.1; done
  return 1
}

declare -A at=()
while read -r window control x y w h; do at[$window.$control]="$x $y $w $h"; done < <("$layout")

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }  # the display is ours alone
shown() { [ -n "$(visible "$1")" ]; }
not_shown() { ! shown "$1"; }
window_of() { poll 10 shown "$1" || fail "no window named $1"; visible "$1"; }
# The outer frame "left top right bottom" of a client window, in screen pixels.
frame() {
  local x y w h l r t b
  read -r x y w h <<<"$(xwininfo -id "$1" | awk '/Absolute upper-left|Width:|Height:/ { printf "%s ", $NF }')"
  read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
  echo $((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))
}
# Clicks a control (logical pixels from the tables, times the scale); $3 more xdotool words.
click() {
  local x y w h
  read -r x y w h <<<"${at[$2]}"
  xdotool mousemove --window "$1" $(((x + w / 2) * scale)) $(((y + h / 2) * scale)) click ${3:-} 1
  sleep 0.3
}
shot() { import -window root "$out/$1.png"; }
# "RETOUR" on the concrete window; the menu is clicked only once the window has gone.
back_to_menu() {
  click "$concrete" Form1.CmdRetour1
  poll 5 not_shown '^Dosage du b' || fail "the concrete window is still shown after RETOUR"
}
workarea() { xprop -root _NET_WORKAREA 2>/dev/null | grep -q =; }

start() { # width height scale
  scale=$3
  Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  pids+=($!)
  poll 10 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=:$(head -1 "$work/display")
  rm "$work/display"
  openbox >/dev/null 2>&1 &
  pids+=($!)
  # Ready once it publishes the work area, which Qt reads as the available area.
  poll 10 workarea || fail "openbox did not start"
  env -u QT_QPA_PLATFORM -u LC_ALL QT_SCALE_FACTOR="$scale" LANG=fr_FR.UTF-8 "$karvo" >"$work/karvo.log" 2>&1 &
  app=$!
  pids+=($app)
  menu=$(window_of '^Menu')
  sleep 0.5
}

step "scale 1, 1280x1024: the menu centred on its frame"
start 1280 1024 1
read -r l t r b <<<"$(frame "$menu")"
((${l} + r - 1280 <= 1 && 1280 - l - r <= 1)) || fail "menu frame $l..$r across 1280"
((t + b - 1024 <= 1 && 1024 - t - b <= 1)) || fail "menu frame $t..$b: $t above, $((1024 - b)) below"
step "menu frame $l,$t to $r,$b"
shot menu
click "$menu" Form2.CmdOk
concrete=$(window_of '^Dosage du b')
first=$(frame "$concrete")
step "a double-click on INFOS opens the help and leaves the concrete window open"
click "$concrete" Form1.CmdAideBet "--repeat 2 --delay 120"
window_of '^Aide beton' >/dev/null
shown '^Dosage du b' || fail "the double-click pressed RETOUR"
shot concrete-help
click "$(window_of '^Aide beton')" FormAideBeton.CmdQuitAideBeton
poll 5 not_shown '^Aide beton' || fail "the help is still shown"
back_to_menu
click "$menu" Form2.CmdOk
[ "$(frame "$(window_of '^Dosage du b')")" = "$first" ] || fail "opened at $first, then at $(frame "$concrete")"
step "the concrete window opens at $first both times"
cleanup
work=$(mktemp -d)
pids=()

step "scale 2, 1920x1080: every window placed with its title bar on the screen"
start 1920 1080 2
on_screen() { # window name
  local l t r b
  read -r l t r b <<<"$(frame "$1")"
  ((l >= 0 && t >= 0 && l < 1920 && t < 1080)) || fail "$2 at $l,$t"
  (((r - l) > 1920 || r <= 1920)) || fail "$2 reaches $r past the right edge"
  (((b - t) > 1080 || b <= 1080)) || fail "$2 reaches $b below the bottom"
}
on_screen "$menu" menu
shot scaled-menu
click "$menu" Form2.CmdOk
concrete=$(window_of '^Dosage du b')
on_screen "$concrete" concrete
click "$concrete" Form1.CmdAideBet
on_screen "$concrete" "concrete beside its help"
on_screen "$(window_of '^Aide beton')" "concrete help"
shot scaled-concrete-help
xdotool windowactivate --sync "$(visible '^Aide beton')" key Escape  # its buttons are below the screen
poll 5 not_shown '^Aide beton' || fail "Escape did not close the help"
back_to_menu
click "$menu" Form2.Option2
click "$menu" Form2.CmdOk
mortar=$(window_of '^Dosage du mortier')
on_screen "$mortar" mortar
# Its buttons are below the screen: five Tabs from the dosage reach "INFOS".
xdotool windowactivate --sync "$mortar" key --delay 50 Tab Tab Tab Tab Tab space
on_screen "$mortar" "mortar beside its help"
on_screen "$(window_of '^Aide mortier')" "mortar help"
shot scaled-mortar-help
step "passed; screenshots in $out"
