#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real karvo's command line with no display at all: each case runs it once, through a link
# of another name, and compares its exit status, its whole output and its whole error output
# with glob patterns. A window cannot open by mistake: Karvo stops when there is no display.
# Usage: command_line.sh path/to/karvo VERSION
set -uo pipefail
karvo=${1:?usage: command_line.sh path/to/karvo VERSION}
version=${2:?usage: command_line.sh path/to/karvo VERSION}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$(realpath "$karvo")" "$work/mixer"
no_display="karvo: no display: neither DISPLAY nor WAYLAND_DISPLAY is set."

# environment | arguments | status | output | error output
cases=(
  "|--version|0|karvo $version|"
  "|-v|0|karvo $version|"
  "|--help|0|Usage: karvo \[options\]*  -h, --help *  -v, --version *|"
  "|-platform offscreen --version|0|karvo $version|"
  "|--bogus|1||karvo: Unknown option 'bogus'.*Try 'karvo --help'*"
  "|stray|1||karvo: Unexpected argument 'stray'.*"
  "|-platform|1||karvo: Missing value after '-platform'.*"
  "||1||$no_display"
  "DISPLAY= WAYLAND_DISPLAY=||1||$no_display"
  "QT_QPA_PLATFORM=||1||$no_display"
)

failures=0
for case in "${cases[@]}"; do
  IFS='|' read -r vars args want_status want_out want_err <<<"$case"
  # shellcheck disable=SC2086 # the variables and the arguments are words
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $vars timeout 10 "$work/mixer" $args \
    2>"$work/err")
  status=$?
  err=$(cat "$work/err")
  # shellcheck disable=SC2053 # the expectations are patterns
  if [ "$status" != "$want_status" ] || [[ $out != $want_out ]] || [[ $err != $want_err ]]; then
    printf 'FAIL: %s karvo %s\n  status %s (want %s)\n  out: %s\n  err: %s\n' \
      "$vars" "$args" "$status" "$want_status" "$out" "$err"
    failures=$((failures + 1))
  fi
done
echo "command line: $((${#cases[@]} - failures)) of ${#cases[@]} cases pass"
[ "$failures" = 0 ]
