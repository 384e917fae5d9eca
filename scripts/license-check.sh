#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming them, when tracked source files lack the licence identifier line in their first
# three lines: after "//" in C++ (*.cpp, *.h), after "#" in scripts (*.sh, *.py, *.awk, .ci/run),
# CMake (CMakeLists.txt, *.cmake) and the Makefile, after '.\"' in manual page templates (*.1.in).
set -euo pipefail
cd "$(dirname "$0")/.."
id='SPDX-License-Identifier: GPL-3.0-or-later'
missing=()
while IFS= read -r -d '' file; do
  case $file in
    *.cpp | *.h) prefix='//' ;;
    *.sh | *.py | *.awk | .ci/run | CMakeLists.txt | */CMakeLists.txt | *.cmake | Makefile) prefix='#' ;;
    *.1.in) prefix='.\"' ;;
    *) continue ;;
  esac
  [ -f "$file" ] || continue # deleted, not yet committed
  head -n 3 -- "$file" | grep -qxF "$prefix $id" || missing+=("$file")
done < <(git ls-files -z)
if [ "${#missing[@]}" -gt 0 ]; then
  echo "license-check: ${#missing[@]} files lack '$id' in their first three lines:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi
echo "license-check: ok"
