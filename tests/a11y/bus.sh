#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Karvo on the accessibility bus as a screen reader finds it: its own Xvfb and D-Bus session,
# the AT-SPI bus launched and enabled through org.a11y.Status.IsEnabled, the real executable
# started with no Qt variable, then client.py drives and checks it over AT-SPI.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = --in-session ]; then
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  # Set once the launcher owns its name, or D-Bus would start a second launcher for the call.
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q 'boolean true' && break
    sleep 0.1
  done
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null
  env $(env | grep -o '^QT_[A-Z_]*' | sed 's/^/-u /') -u LC_ALL -u LC_NUMERIC \
    LANG=fr_FR.UTF-8 "$2" &
  exec /usr/bin/python3 "$here/client.py"
fi

karvo=${1:?usage: bus.sh path/to/karvo}
work=$(mktemp -d)
xvfb= session=
# The session, the launcher, its bus and karvo share one process group, ended as a whole.
trap '[ -z "$session" ] || kill -- "-$session" 2>/dev/null; [ -z "$xvfb" ] || kill "$xvfb"
  wait; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "a11y: FAIL: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
mkdir -m 700 "$work/run"
export DISPLAY=:$(head -1 "$work/display") XDG_RUNTIME_DIR=$work/run GSETTINGS_BACKEND=memory
setsid dbus-run-session -- bash "$0" --in-session "$karvo" &
session=$!
wait "$session"
