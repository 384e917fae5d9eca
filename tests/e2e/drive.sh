# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive a real karvo from outside: messages, bounded waits, state of
# the run's own (runtime, config and cache folders, an Xvfb, a CUPS scheduler), the layout the
# program's tables give, and a user's hands (focus, clicks on a control's centre, typing, copying
# a box). The script sets `who` (its name in messages), optionally `shots` (where a failure's
# screenshot goes), and reads the layout with `read_layout COMMAND...`.

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

# Folders of this run alone for what Qt, openbox and the libraries they use would otherwise keep
# in the user's: the runtime folder (else a fixed /tmp/runtime-USER), configuration, caches; and
# no session bus of the user's (a screen reader there would find the program under test).
own_folders() { # dir
  mkdir -p -m 700 "$1/run" "$1/config" "$1/cache"
  export XDG_RUNTIME_DIR=$1/run XDG_CONFIG_HOME=$1/config XDG_CACHE_HOME=$1/cache
  unset DBUS_SESSION_BUS_ADDRESS
}

# What a script started and adds to pids, ended the last first: karvo before its display.
pids=()
stop_started() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null || true
  done
  pids=()
}

start_xvfb() { # WIDTHxHEIGHT [Xvfb options...]: sets xvfb_pid and DISPLAY
  local ready
  ready=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset "${@:2}" 3>"$ready" 2>/dev/null &
  xvfb_pid=$!
  poll 10 test -s "$ready" || fail "Xvfb did not start"
  export DISPLAY=:$(head -1 "$ready")
  rm -f "$ready"
}

scheduler_up() { [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
# A CUPS scheduler of this run in DIR (run as root): it listens on a socket there only, which
# CUPS_SERVER names to every CUPS client started from here on, asks for no authentication, may
# print to files (file:// queues), and tells no system service (colord, over the system bus) of
# its queues. Sets cupsd_pid.
start_cups() { # dir
  mkdir -p "$1/ppd" "$1/spool" "$1/tmp"
  chmod 755 "$1"         # CUPS's filters run as the user lp
  chown root:lp "$1/tmp" # and write their temporary files here
  chmod 1770 "$1/tmp"
  printf '%s\n' "ServerRoot $1" "RequestRoot $1/spool" "TempDir $1/tmp" "CacheDir $1" \
    "StateDir $1" "ErrorLog $1/error_log" "AccessLog $1/access_log" "PageLog $1/page_log" \
    "FileDevice Yes" >"$1/cups-files.conf"
  printf '%s\n' "Listen $1/socket" "Browsing No" "DefaultAuthType None" "<Policy default>" \
    "<Limit All>" "Order deny,allow" "</Limit>" "</Policy>" >"$1/cupsd.conf"
  export CUPS_SERVER=$1/socket
  DBUS_SYSTEM_BUS_ADDRESS=unix:path=$1/no-bus /usr/sbin/cupsd -f -c "$1/cupsd.conf" \
    -s "$1/cups-files.conf" &
  cupsd_pid=$!
  poll 5 scheduler_up || fail "the CUPS scheduler did not start: $(cat "$1/error_log" 2>&1)"
}

# The layout: where each control lies in its window, in the pixels of the window's design, as
# the program's tables say: at[Window.Control]="left top width height"; at[Window.Window] is the
# window itself. Read from the layout tool's output (karvo_layout, or what runs it).
declare -A at=()
read_layout() { # command...
  local window control x y w h
  while read -r window control x y w h; do
    at[$window.$control]="$x $y $w $h"
  done < <("$@" | tr -d '\r')
  ((${#at[@]} > 0)) || fail "no layout from $*"
}
# Every control a script touches, checked before it starts: a misspelt name stops it there.
need() { for name; do [ -n "${at[$name]:-}" ] || fail "no control named $name"; done; }

# The id of the shown window whose title matches, or nothing; the display is the script's own.
visible() { xdotool search --all --onlyvisible --name "$1" 2>/dev/null | head -1; }
# The client area "left top width height" of a window, in screen pixels.
client() {
  [ -n "$1" ] || fail "no window to measure"
  xwininfo -id "$1" | awk '/Absolute upper-left|Width:|Height:/ { printf "%s ", $NF }'
}
# A control's rectangle "left top width height" in its window: the tables' pixels times the
# window's own scale, its width over the width of its design.
rect() { # window Window.Control
  local x y w h width design
  [ -n "${at[$2]:-}" ] || fail "no control named $2"
  read -r x y w h <<<"${at[$2]}"
  read -r _ _ design _ <<<"${at[${2%%.*}.${2%%.*}]}"
  read -r _ _ width _ <<<"$(client "$1")"
  awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" -v f="$width" -v d="$design" \
    'BEGIN { printf "%d %d %d %d", x * f / d, y * f / d, w * f / d, h * f / d }'
}

# Share of the pixels of a control's rectangle that have the colour $3 (#RRGGBB), from 0 to 1.
colour_share() { # window Window.Control colour
  local x y w h
  read -r x y w h <<<"$(rect "$1" "$2")"
  import -window "$1" -crop "${w}x${h}+${x}+${y}" +repage png:- |
    convert png:- -fill black +opaque "$3" -fill white -opaque "$3" -format '%[fx:mean]' info:
}
mostly() { awk -v s="$(colour_share "$1" "$2" "$3")" 'BEGIN { exit !(s > 0.5) }'; }

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
