#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real karvo on Xvfb prints the concrete window, driven from the keyboard, through Qt's
# default-printer path to the CUPS queue of the cups-pdf virtual printer: once on 1280x1024, once
# at QT_SCALE_FACTOR=2 on 1920x1080 (a 960x540 screen, where the window is laid out smaller).
# Both PDFs are rendered to PNG: the same page, in print colours, without buttons, the prices
# right under the image. A print that fails at the queue offers a PDF file instead.
# Usage: scripts/print-e2e.sh path/to/karvo OUTPUT_DIR
set -euo pipefail
karvo=$(realpath "${1:?usage: print-e2e.sh path/to/karvo OUTPUT_DIR}")
out=${2:?usage: print-e2e.sh path/to/karvo OUTPUT_DIR}
queue=PDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
who=print-e2e
. "$(dirname "$0")/../tests/e2e/drive.sh"

# A scheduler started here is stopped on exit; one already running is left alone.
scheduler_up() { [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
pids=()
cupsd=
work=$(mktemp -d)
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true; done
  pids=()
}
trap 'cleanup; pids=($cupsd); cleanup; rm -rf "$work"' EXIT
if ! scheduler_up; then
  /usr/sbin/cupsd -f &
  cupsd=$!
  poll 5 scheduler_up || fail "the CUPS scheduler did not start"
fi
lpstat -p "$queue" >/dev/null 2>&1 || lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd"
pdf_dir=$HOME/PDF
mkdir -p "$pdf_dir" "$out"
rm -f "$out"/*.pdf "$out"/*.png

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
new_pdf() { find "$pdf_dir" -name '*.pdf' -newer "$work/stamp" | grep -q . && [ -z "$(lpstat -o "$queue")" ]; }
print() { # width height scale [variable=value...]: the worked example, printed
  start_xvfb "$1x$2"
  pids+=("$xvfb_pid")
  touch "$work/stamp"
  sleep 1  # file times have one-second steps on some file systems
  # PRINTER makes the queue this process's default printer without changing the system's.
  env -u QT_QPA_PLATFORM PRINTER="$queue" QT_SCALE_FACTOR="$3" LANG=fr_FR.UTF-8 "${@:4}" "$karvo" &
  pids+=($!)
  focus "$(window_of '^Menu')"  # on "OK"; the two choices are one Tab stop; Enter in a price box is "OK"
  xdotool key Tab Tab Tab type 7,25
  xdotool key Tab type 40
  xdotool key Tab type 35
  xdotool key Tab type 60
  xdotool key Return
  focus "$(window_of '^Dosage du b')"  # on the dosage; Enter in an input is "CALCULS"
  xdotool type 350
  xdotool key Tab type 1000
  xdotool key Tab type 150
  xdotool key Return
  # From the capacity, sixteen Tabs to "IMPRIMER" (the note's hidden "QUITTER" is skipped).
  xdotool key --delay 20 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
}
page() { # scale: the PDF printed at that scale, as $out/page-<scale>.png
  poll 30 new_pdf || fail "no PDF in $pdf_dir at scale $1"
  mv "$(find "$pdf_dir" -name '*.pdf' -newer "$work/stamp" | head -1)" "$out/window-$1.pdf"
  pdftoppm -q -png -r 72 -singlefile "$out/window-$1.pdf" "$out/page-$1"
  cleanup
}
print 1280 1024 1
page 1
print 1920 1080 2
page 2
print 1280 1024 1 TMPDIR="$work/none"  # the queue's spool file cannot be made: the print fails
poll 10 shown '^Impression$' || fail "a failed print offered no PDF file"
cleanup
page=$out/page-1.png
differ=$(compare -metric AE "$page" "$out/page-2.png" /dev/null 2>&1 || true)
[ "$differ" = 0 ] || fail "$differ pixels differ between the pages printed at scale 1 and 2"

# The window in print colours: light grey paper, black frame lines, and none of the green of
# the screen scheme; no button either: no pixel near the colours of their faces, which Fusion
# paints in shades.
histogram=$(convert "$page" -format %c histogram:info:-)
count() { awk -v colour="#$1 " 'index(toupper($0), colour) {s += $1} END {print s + 0}' <<<"${2:-$histogram}"; }
near() { count 010203 "$(convert "$page" -fuzz 6% -fill '#010203' -opaque "#$1" -format %c histogram:info:-)"; }
paper=$(count E0E0E0)
green=$(count 00FF00)
button=$(($(near 80FF80) + $(near FFC080) + $(near 80FFFF)))
black=$(count 000000)
echo "print-e2e: $page, the same at scale 2: paper $paper, black $black, green $green, button $button"
[ "$paper" -gt 50000 ] && [ "$black" -gt 500 ] && [ "$green" -eq 0 ] && [ "$button" -eq 0 ] ||
  fail "the page does not look like the printed window"

# Under the image, the prices of the calculation in small type (cups-pdf keeps no text to
# read): their first dark row at most two lines of that type (20 pixels at 72 dpi) below the
# last row of the image's grey.
read -r bottom ink < <(convert "$page" -depth 8 txt:- | awk -F'[,:() ]+' '
  NR > 1 && $3 == 224 && $4 == 224 && $5 == 224 && ++greys[$2] == 100 { grey = $2 }
  NR > 1 && $3 + $4 + $5 < 300 { dark[$2] = 1 }
  END { for (y = grey + 1; !(y in dark) && y < grey + 200; y++); print grey, y }')
echo "print-e2e: the image down to row $bottom, the prices from row $ink"
[ "$bottom" -gt 400 ] && [ $((ink - bottom)) -le 20 ] || fail "no prices right under the image"
echo "print-e2e: ok"
