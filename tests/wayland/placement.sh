#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Karvo on a Wayland desktop: weston's headless backend with Xwayland, and the real karvo started
# as a Wayland session starts it (WAYLAND_DISPLAY, the DISPLAY of Xwayland, no Qt variable). The
# compositor's own scene graph says where the menu and the help window INFOS opens are shown;
# the backend has no pointer, so INFOS is pressed over the accessibility bus.
# Usage: placement.sh path/to/karvo; fails without weston, Xwayland or Qt's Wayland plugin
# (Debian packages weston, xwayland, qt6-wayland, which make test installs).
set -euo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
who=wayland
. "$here/../e2e/drive.sh"

if [ "${1:-}" = --in-session ]; then
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  poll 10 eval 'dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q "boolean true"'
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null
  # shellcheck disable=SC2046 # "-u NAME" for each Qt variable
  env $(env | grep -o '^QT_[A-Z_]*' | sed 's/^/-u /') -u LC_ALL LANG=fr_FR.UTF-8 "$2" &

  # "left top right bottom" of the window titled $1, shadow included, as the compositor shows it.
  view() {
    weston-debug scene-graph 2>/dev/null | awk -v t="top-level window '$1'" \
      'index($0, t) { getline; gsub(/[(),]/, " "); print $2, $3, $5, $6; exit }'
  }
  shown() { [ -n "$(view "$1")" ]; }
  # "width height left top" of the X window titled $1, the last two inside weston's frame.
  x_window() {
    xwininfo -root -tree | grep -F "\"$1\":" | grep -oE '[0-9]+x[0-9]+\+[0-9]+\+[0-9]+' | tr 'x+' '  '
  }
  # Where the X window titled $1 is, as "left top width height": weston's XWM puts its frame, a
  # 32-px shadow, then a 6-px border and a 27-px title bar, where the window asked to be, and tells
  # no frame size (no _NET_FRAME_EXTENTS): Qt's outer rectangle is the window alone.
  placed() {
    local l t r b w h x y
    poll 10 shown "$1" || fail "no window '$1' on the screen"
    read -r l t r b <<<"$(view "$1")"
    read -r w h x y <<<"$(x_window "$1")"
    [ -n "$w" ] || fail "'$1' at $l,$t is no X window: Qt chose Wayland, where a window stays put"
    [ "$x $y $((r - l - w)) $((b - t - h))" = "38 59 76 97" ] ||
      fail "'$1': ${w}x$h at $x,$y in a $((r - l))x$((b - t)) frame, not weston's"
    echo "$((l + 32)) $((t + 32)) $w $h"
  }

  menu="Menu   béton - mortier  Karvo"
  at=$(placed "$menu")
  read -r mx my mw mh <<<"$at"
  cx=$(awk -v w="$mw" 'BEGIN { print (1280 * 15 - w * 15) / 2 / 15 }')
  cy=$(awk -v h="$mh" 'BEGIN { print (1024 * 15 - h * 15) / 2 / 15 }')
  near "$mx" "$cx" && near "$my" "$cy" || fail "menu at $mx,$my, expected $cx,$cy (centred)"
  echo "wayland: menu ${mw}x$mh at $mx,$my, centred"

  /usr/bin/python3 - <<'EOF' || fail "INFOS not pressed"
import time, pyatspi
def find(node):
    if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == "INFOS": return node
    return next(filter(None, map(find, node)), None)
for _ in range(100):
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "karvo"]
    if button := next(filter(None, map(find, apps)), None): break
    time.sleep(0.1)
button.queryAction().doAction(0)
EOF
  at=$(placed "Aide menu Karvo")
  read -r hx hy hw hh <<<"$at"
  at=$(placed "$menu")
  read -r nx ny _ _ <<<"$at"
  read -r ex ey ea <<<"$(awk -v ax="$mx" -v ay="$my" -v aw="$mw" -v ah="$mh" -v hw="$hw" \
    -v hh="$hh" -v sw=1280 -f "$here/../e2e/help_placement.awk")"
  near "$hx" "$ex" && near "$hy" "$ey" || fail "help window at $hx,$hy, expected $ex,$ey"
  near "$nx" "$ea" && [ "$ny" = "$my" ] || fail "menu moved to $nx,$ny, expected $ea,$my"
  echo "wayland: help window ${hw}x$hh at $hx,$hy, beside the menu at $nx,$ny"
  exit 0
fi

karvo=${1:?usage: placement.sh path/to/karvo}
missing() {
  echo "wayland: FAIL: $1 is missing" >&2
  exit 1
}
command -v weston >/dev/null || missing weston
command -v Xwayland >/dev/null || missing Xwayland
compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so' >/dev/null || missing qt6-wayland
work=$(mktemp -d)
weston='' session=''
trap '[ -z "$session" ] || kill -- "-$session" 2>/dev/null; [ -z "$weston" ] || kill "$weston"
  wait; rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run WAYLAND_DISPLAY=wayland-karvo XDG_SESSION_TYPE=wayland
export GSETTINGS_BACKEND=memory
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1280 --height=1024 \
  --xwayland --debug --no-config --log="$work/weston.log" >/dev/null 2>&1 &
weston=$!
# Weston's Xwayland module names its X display in the log, and starts Xwayland at first use.
x_display() { sed -n 's/.*xserver listening on display //p' "$work/weston.log" 2>/dev/null; }
poll 10 eval '[ -n "$(x_display)" ]' || fail "weston did not start: $(cat "$work/weston.log")"
DISPLAY=$(x_display)
export DISPLAY
setsid dbus-run-session -- bash "$0" --in-session "$karvo" &
session=$!
wait "$session"
