#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the concrete window through Qt's default-printer path to the CUPS queue of the
# cups-pdf virtual printer, moves the PDF that lands in ~/PDF to OUTPUT_DIR and renders it to PNG.
# Usage: scripts/print-e2e.sh [BUILD_DIR] [OUTPUT_DIR]; exits 77 (skipped) without CUPS.
# Needs: apt-get install cups printer-driver-cups-pdf poppler-utils imagemagick
set -euo pipefail
build=$(realpath "${1:-build}")
out=${2:-$build/print-e2e}
queue=${KARVO_PRINT_QUEUE:-PDF}
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

skip() {
  echo "print-e2e: skipped, $1" >&2
  exit 77
}
command -v lpstat >/dev/null && [ -x /usr/sbin/cupsd ] || skip "CUPS is not installed"
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$ppd" ] || skip "cups-pdf is not installed"
command -v pdftoppm >/dev/null && command -v convert >/dev/null ||
  skip "pdftoppm or ImageMagick is missing"

# A scheduler started here is stopped on exit; one already running is left alone.
scheduler_up() { [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
cupsd_pid=
cleanup() {
  [ -n "$cupsd_pid" ] || return 0
  kill "$cupsd_pid" 2>/dev/null || true
  wait "$cupsd_pid" 2>/dev/null || true
}
trap cleanup EXIT
if ! scheduler_up; then
  [ "$(id -u)" -eq 0 ] || skip "the CUPS scheduler is not running"
  /usr/sbin/cupsd -f &
  cupsd_pid=$!
  for _ in $(seq 50); do scheduler_up && break; sleep 0.1; done
fi
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null
fi

pdf_dir=$HOME/PDF
mkdir -p "$pdf_dir" "$out"
stamp=$(mktemp)
trap 'rm -f "$stamp"; cleanup' EXIT
sleep 1  # file times have one-second steps on some file systems

# PRINTER makes the queue this process's default printer without changing the system's.
env PRINTER="$queue" KARVO_PRINT_E2E=1 LANG=fr_FR.UTF-8 "$build/ui/tests/karvo_ui_tests" \
  --gtest_filter='UiTest.PrintE2E*' || { echo "print-e2e: the print failed" >&2; exit 1; }

pdf=
for _ in $(seq 300); do
  pdf=$(find "$pdf_dir" -name '*.pdf' -newer "$stamp" | head -n 1)
  [ -n "$pdf" ] && [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] && break
  sleep 0.1
done
[ -n "$pdf" ] || { echo "print-e2e: no PDF in $pdf_dir" >&2; exit 1; }

rm -f "$out"/page-*.png
mv "$pdf" "$out/window.pdf"
pdf=$out/window.pdf
pdftoppm -q -png -r 72 "$pdf" "$out/page"
pages=("$out"/page-*.png)
[ "${#pages[@]}" -eq 1 ] || { echo "print-e2e: ${#pages[@]} pages, one expected" >&2; exit 1; }

# The window in print colours: light grey paper, black frame lines, and none of the green of
# the screen scheme; no button either: no pixel near the colours of their faces, which Fusion
# paints in shades.
histogram=$(convert "${pages[0]}" -format %c histogram:info:-)
count() { awk -v colour="#$1 " 'index(toupper($0), colour) {s += $1} END {print s + 0}' <<<"${2:-$histogram}"; }
near() { count 010203 "$(convert "${pages[0]}" -fuzz 6% -fill '#010203' -opaque "#$1" -format %c histogram:info:-)"; }
paper=$(count E0E0E0)
green=$(count 00FF00)
button=$(($(near 80FF80) + $(near FFC080) + $(near 80FFFF)))
black=$(count 000000)
echo "print-e2e: $pdf -> ${pages[0]}: paper $paper, black $black, green $green, button $button"
[ "$paper" -gt 50000 ] && [ "$black" -gt 500 ] && [ "$green" -eq 0 ] && [ "$button" -eq 0 ] ||
  { echo "print-e2e: the page does not look like the printed window" >&2; exit 1; }

# Under the image, the prices of the calculation in small type (cups-pdf keeps no text to
# read): their first dark row at most two lines of that type (20 pixels at 72 dpi) below the
# last row of the image's grey.
read -r bottom ink < <(convert "${pages[0]}" -depth 8 txt:- | awk -F'[,:() ]+' '
  NR > 1 && $3 == 224 && $4 == 224 && $5 == 224 && ++greys[$2] == 100 { grey = $2 }
  NR > 1 && $3 + $4 + $5 < 300 { dark[$2] = 1 }
  END { for (y = grey + 1; !(y in dark) && y < grey + 200; y++); print grey, y }')
echo "print-e2e: the image down to row $bottom, the prices from row $ink"
[ "$bottom" -gt 400 ] && [ $((ink - bottom)) -le 20 ] || { echo "print-e2e: no prices right under the image" >&2; exit 1; }
echo "print-e2e: ok"
