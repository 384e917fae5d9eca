#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Karvo on the user's display. Without a display, starts it on a virtual one (Xvfb),
# saves a screenshot of the screen after start-up, says where it is, and stops the program.
set -euo pipefail
program=$1
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi
# Xvfb picks a free display number itself and writes it once it accepts clients: a number
# chosen here could be another server's, whose screen would then be the one saved.
ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$ready"' EXIT
for _ in $(seq 100); do [ -s "$ready" ] && break; sleep 0.1; done
[ -s "$ready" ] || { echo "The virtual display (Xvfb) did not start" >&2; exit 1; }
display=:$(head -1 "$ready")
DISPLAY=$display "$program" &
app=$!
sleep 3
if ! kill -0 "$app" 2>/dev/null; then
  wait "$app" || status=$?
  echo "Karvo stopped on its own (exit status ${status:-0}) before the screenshot" >&2
  exit 1
fi
mkdir -p screenshots
shot=$PWD/screenshots/karvo-start.png
DISPLAY=$display import -window root "$shot"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "No display: Karvo ran on a virtual display; screenshot after start-up: $shot"
