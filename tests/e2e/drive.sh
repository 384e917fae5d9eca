# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive a real karvo from outside: messages, bounded waits, an Xvfb of
# their own, and a user's hands (focus, clicks on a control's centre, typing, copying a box). The
# script sets `who` (its name in messages), optionally `shots` (where a failure's screenshot
# goes), and defines `visible NAME` (the id of the shown window titled NAME, or nothing) and
# `rect WINDOW CONTROL` ("left top width height" of the control in the window's pixels).

step() { echo "$who: $*"; }
# Called in a $(...) too, whose failure would not stop the script: it stops the script itself.
fail() {
  echo "$who: FAIL: $*" >&2
  if [ -n "${shots:-}" ] && [ -n "${DISPLAY:-}" ]; then
    import -window root "$shots/failure.png" 2>/dev/null || true
  fi
  [ "$BASHPID" = "$$" ] || kill -TERM "$$"
  exit 1
}
trap 'exit 1' TERM
poll() { # seconds command...: retries every 0.05 s
  local tries=$(($1 * 20))
  shift
  while ((tries-- > 0)); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}
not() { ! "$@"; }
# Within a pixel of each other.
near() { awk -v a="$1" -v b="$2" 'BEGIN { d = a - b; exit !(d <= 1 && d >= -1) }'; }

start_xvfb() { # WIDTHxHEIGHT [Xvfb options...]: sets xvfb_pid and DISPLAY
  local ready
  ready=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset "${@:2}" 3>"$ready" 2>/dev/null &
  xvfb_pid=$!
  poll 10 test -s "$ready" || fail "Xvfb did not start"
  export DISPLAY=:$(head -1 "$ready")
  rm -f "$ready"
}

shown() { [ -n "$(visible "$1")" ]; }
window_of() {
  poll 20 shown "$1" || fail "no visible window named $1"
  visible "$1"
}
# Without a window manager only the X server gives the keyboard focus to a window.
focus() { timeout 5 xdotool windowfocus --sync "$1" || fail "cannot focus window $1"; }
centre() { # window control: "x y" in the window
  local x y w h
  read -r x y w h <<<"$(rect "$1" "$2")"
  echo $((x + w / 2)) $((y + h / 2))
}
click() { xdotool mousemove --window "$1" $(centre "$1" "$2") click 1; }
type_into() { # window control text: the box emptied, then typed key by key
  focus "$1"
  click "$1" "$2"
  xdotool key --clearmodifiers ctrl+a BackSpace
  xdotool type --delay "${type_delay:-15}" "$3"
}

# The text of a box as the user copies it: click, select all, copy, read the clipboard.
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
changed() { [ "$(clipboard)" != "$1" ]; }
copy_box() {
  local sentinel="--sentinel-$RANDOM--"
  printf %s "$sentinel" | xclip -i -selection clipboard >/dev/null 2>&1
  focus "$1"
  click "$1" "$2"
  xdotool key --clearmodifiers ctrl+a ctrl+c
  poll 5 changed "$sentinel" || fail "$2: nothing copied"
  clipboard
}
expect_box() {
  local text
  text=$(copy_box "$1" "$2")
  [ "$text" = "$3" ] || fail "$2 shows '$text', expected '$3'"
  step "$2 = $text"
}
