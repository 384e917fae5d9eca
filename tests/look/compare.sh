#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Each window as the screenshots tool renders it, headless, as a French user sees it: as created,
# with every control shown, and the menu and concrete window of the worked example, compared
# pixel for pixel with the pictures that show how they look (the last two are the ones software
# centres publish). A picture that differs is kept in OUTPUT_DIR with a map of the differences.
# After a change to the look made on purpose: `make screenshots`, look at them, then copy them.
# Usage: compare.sh path/to/karvo_screenshots SOURCE_DIR OUTPUT_DIR
set -euo pipefail
tool=${1:?usage: compare.sh karvo_screenshots SOURCE_DIR OUTPUT_DIR}
source=${2:?usage: compare.sh karvo_screenshots SOURCE_DIR OUTPUT_DIR}
out=${3:?usage: compare.sh karvo_screenshots SOURCE_DIR OUTPUT_DIR}
rm -rf "$out"
mkdir -p "$out"
env -u LC_ALL -u LC_NUMERIC LANG=fr_FR.UTF-8 QT_QPA_PLATFORM=offscreen "$tool" "$out" >/dev/null
expected=("$source"/tests/look/expected/*.png)
pairs=()
for picture in "${expected[@]}"; do pairs+=("$picture $out/$(basename "$picture")"); done
pairs+=("$source/packaging/screenshots/menu.png $out/Form2-example.png")
pairs+=("$source/packaging/screenshots/concrete-result.png $out/Form1-example.png")
faults=0
for pair in "${pairs[@]}"; do
  read -r want got <<<"$pair"
  differ=$(compare -metric AE "$want" "$got" "$got.differences.png" 2>&1) || true
  if [ "$differ" != 0 ]; then
    echo "look: FAIL: $(basename "$got") differs from $want in $differ pixels" >&2
    faults=$((faults + 1))
  else
    rm -f "$got" "$got.differences.png"
  fi
done
[ "$faults" = 0 ] || exit 1
echo "look: the ${#pairs[@]} pictures are the same pixels"
