#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real karvo's command line with no display at all: each case runs it once and compares its
# exit status, its whole output and its whole error output with glob patterns. A window cannot
# open by mistake: without a display, Qt would abort (134).
# Usage: command_line.sh path/to/karvo VERSION
set -uo pipefail
karvo=${1:?usage: command_line.sh path/to/karvo VERSION}
version=${2:?usage: command_line.sh path/to/karvo VERSION}
err_file=$(mktemp)
trap 'rm -f "$err_file"' EXIT

# arguments | status | output | error output
cases=(
  "--version|0|karvo $version|"
  "-v|0|karvo $version|"
  "--help|0|Usage: *karvo \[options\]*  -h, --help *  -v, --version *|"
  "-platform offscreen --version|0|karvo $version|"
  "--bogus|1||karvo: Unknown option 'bogus'.*Try 'karvo --help'*"
  "stray|1||karvo: Unexpected argument 'stray'.*"
  "-platform|1||karvo: Missing value after '-platform'.*"
)

failures=0
for case in "${cases[@]}"; do
  IFS='|' read -r args want_status want_out want_err <<<"$case"
  # shellcheck disable=SC2086 # the arguments are words
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$karvo" $args 2>"$err_file")
  status=$?
  err=$(cat "$err_file")
  # shellcheck disable=SC2053 # the expectations are patterns
  if [ "$status" != "$want_status" ] || [[ $out != $want_out ]] || [[ $err != $want_err ]]; then
    printf 'FAIL: karvo %s\n  status %s (want %s)\n  out: %s\n  err: %s\n' \
      "$args" "$status" "$want_status" "$out" "$err"
    failures=$((failures + 1))
  fi
done
echo "command line: $((${#cases[@]} - failures)) of ${#cases[@]} cases pass"
[ "$failures" = 0 ]
