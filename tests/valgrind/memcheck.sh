#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs widget tests that cover a whole session under valgrind memcheck (both calculators, the
# note, the help windows, printing, the exit): an invalid access, a use of an uninitialised value
# or a definitely lost block fails, and so does a test that fails.
set -euo pipefail
tests=${1:?usage: memcheck.sh path/to/karvo_ui_tests}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
filter="UiTest.ConcreteChecks*:UiTest.MortarWorked*:PrintTest.ACalculator*:UiTest.Infos*:UiTest.TheExit*"
# Each pattern of the filter must name a test: a renamed test would leave its scenario unchecked.
IFS=: read -ra patterns <<<"$filter"
for pattern in "${patterns[@]}"; do
  listed=$(QT_QPA_PLATFORM=offscreen "$tests" --gtest_list_tests --gtest_filter="$pattern" 2>/dev/null)
  grep -q '^  ' <<<"$listed" || { echo "memcheck: no test named $pattern" >&2; exit 1; }
done
status=0
# Regular expressions compiled to machine code at run time are beyond what memcheck follows.
QT_ENABLE_REGEXP_JIT=0 QT_QPA_PLATFORM=offscreen LANG=fr_FR.UTF-8 timeout 600 valgrind --tool=memcheck \
  --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
  --show-leak-kinds=definite --num-callers=30 --log-file="$log" "$tests" \
  --gtest_filter="$filter" \
  || status=$?
grep -E 'ERROR SUMMARY|definitely lost|indirectly lost' "$log" | sed 's/^==[0-9]*== */memcheck: /'
if [ "$status" -ne 0 ]; then
  cat "$log" >&2
  echo "memcheck: FAILED (status $status)" >&2
  exit 1
fi
echo "memcheck: clean"
