#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# High DPI: the program on a 96-dpi screen and on denser ones (a 192-dpi screen, scale factors 2
# and 1.5), each a process of its own since the scale is fixed at start-up. The windows keep
# their sizes, are rendered with that many more device pixels, and every label breaks its lines
# at the same words; on a screen too small for them (960x522), the windows are laid out smaller
# and still break every label's lines at the same words. Usage: compare.sh path/to/karvo_layout
set -euo pipefail
layout=${1:?usage: compare.sh path/to/karvo_layout}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
report() { # width height dpi scale
  printf '{"windowFrameMargins":false,"screens":[{"name":"s","x":0,"y":0,"width":%d,"height":%d,"logicalDpi":%d}]}' \
    "$1" "$2" "$3" >"$work/screen.json"
  env -u QT_SCALE_FACTOR ${4:+QT_SCALE_FACTOR=$4} QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
    "$layout" --rendered 2>/dev/null
}
report 1280 1024 96 >"$work/base"
[ "$(grep -c '^window ' "$work/base")" = 6 ] || { echo "high-dpi: not six windows" >&2; exit 1; }
[ "$(grep '^label FormAideBeton.LblAideBeton ' "$work/base" | wc -w)" -gt 22 ] ||
  { echo "high-dpi: the concrete help text is not laid out in lines" >&2; exit 1; }
for run in "2560 2048 192 '' 2" "2560 2048 96 2 2" "1920 1536 96 1.5 1.5"; do
  eval "set -- $run"
  report "$1" "$2" "$3" "$4" >"$work/scaled"
  # Expected: the same report with the dpr and each window's device size scaled.
  awk -v dpr="$5" '/^dpr / { print "dpr " dpr; next }
    /^window / { split($3, s, "x"); printf "%s %s %s %dx%d\n", $1, $2, $3,
      int(s[1] * dpr + 0.5), int(s[2] * dpr + 0.5); next } { print }' "$work/base" >"$work/expected"
  diff -u "$work/expected" "$work/scaled" || { echo "high-dpi: differs at dpr $5" >&2; exit 1; }
done
report 960 522 96 >"$work/small"
[ "$(grep '^window Form3 ' "$work/small")" = "window Form3 499x522 499x522" ] ||
  { echo "high-dpi: the mortar window is not laid out to fit 960x522" >&2; exit 1; }
diff -u <(grep '^label' "$work/base") <(grep '^label' "$work/small") ||
  { echo "high-dpi: line breaks differ on a small screen" >&2; exit 1; }
echo "high-dpi: same sizes and line breaks at dpr 2 (192 dpi), 2 and 1.5; same line breaks at 960x522"
