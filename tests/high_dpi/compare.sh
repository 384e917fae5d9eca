#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# High DPI: the program on a 96-dpi screen and on denser ones (a 192-dpi screen, scale factors 2
# and 1.5), each a process of its own since the scale is fixed at start-up. The windows keep
# their sizes, are rendered with that many more device pixels, and every label breaks its lines
# at the same words. Usage: compare.sh path/to/karvo_layout
set -euo pipefail
layout=${1:?usage: compare.sh path/to/karvo_layout}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
screen() { # width height dpi
  printf '{"windowFrameMargins":false,"screens":[{"name":"s","x":0,"y":0,"width":%d,"height":%d,"logicalDpi":%d}]}' "$@" >"$work/$3.json"
}
screen 1280 1024 96
screen 2560 2048 192
report() { # config scale
  env -u QT_SCALE_FACTOR ${2:+QT_SCALE_FACTOR=$2} QT_QPA_PLATFORM="offscreen:configfile=$work/$1.json" \
    "$layout" --rendered 2>/dev/null
}
report 96 >"$work/base"
[ "$(grep -c '^window ' "$work/base")" = 6 ] || { echo "high-dpi: not six windows" >&2; exit 1; }
[ "$(grep '^label FormAideBeton.LblAideBeton ' "$work/base" | wc -w)" -gt 22 ] ||
  { echo "high-dpi: the concrete help text is not laid out in lines" >&2; exit 1; }
for run in "192 '' 2" "96 2 2" "96 1.5 1.5"; do
  eval "set -- $run"
  report "$1" "$2" >"$work/scaled"
  # Expected: the same report with the dpr and each window's device size scaled.
  awk -v dpr="$3" '/^dpr / { print "dpr " dpr; next }
    /^window / { split($3, s, "x"); printf "%s %s %s %dx%d\n", $1, $2, $3,
      int(s[1] * dpr + 0.5), int(s[2] * dpr + 0.5); next } { print }' "$work/base" >"$work/expected"
  diff -u "$work/expected" "$work/scaled" || { echo "high-dpi: differs at dpr $3" >&2; exit 1; }
done
echo "high-dpi: same sizes and line breaks at dpr 2 (192 dpi), 2 and 1.5"
