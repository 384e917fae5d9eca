#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the project is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find calc ui app -name '*.cpp' -o -name '*.h')
[ -n "$files" ] || exit 0
if ! echo "$files" | xargs clang-format --dry-run --Werror; then
  echo "format-check: run clang-format -i on the files above" >&2
  exit 1
fi
echo "format-check: ok"
