#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real karvo on Xvfb prints the concrete window, driven from the keyboard, through Qt's
# default-printer path to a PDF printer of a CUPS scheduler of the test's own (its socket, spool
# and output in a temporary folder; nothing of the system's scheduler or the user's printers and
# files is touched): once on 1280x1024, once at QT_SCALE_FACTOR=2 on 1920x1080 (a 960x540 screen,
# where the window is laid out smaller). Both pages are rendered to PNG: the same page, in print
# colours, without buttons, the prices right under the image. A print that fails at the queue
# offers a PDF file instead. Usage: tests/print/cups.sh path/to/karvo OUTPUT_DIR
set -euo pipefail
karvo=$(realpath "${1:?usage: cups.sh path/to/karvo OUTPUT_DIR}")
out=${2:?usage: cups.sh path/to/karvo OUTPUT_DIR}
queue=PDF
who=print
. "$(dirname "$0")/../e2e/drive.sh"

cupsd_pid=
work=$(mktemp -d)
trap 'stop_started; pids=($cupsd_pid); stop_started; rm -rf "$work"' EXIT
own_folders "$work"
chmod 755 "$work" # the scheduler's filters, run as the user lp, reach its folder through here
start_cups "$work/cups"
# The queue writes each job's PDF, in the PJL envelope of its PPD, over the file "printed".
lpadmin -p "$queue" -E -v "file://$work/printed" -o PageSize=A4 \
  -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>"$work/lpadmin.log" ||
  fail "no queue: $(cat "$work/lpadmin.log")"
mkdir -p "$out"
rm -f "$out"/*.pdf "$out"/*.png

printed() { # jobs: that many jobs completed, the last one's output in the file
  [ "$(lpstat -W completed -o "$queue" | wc -l)" = "$1" ] && [ -s "$work/printed" ]
}
print() { # width height scale [variable=value...]: the worked example, printed
  start_xvfb "$1x$2"
  pids+=("$xvfb_pid")
  # PRINTER makes the queue this process's default printer, whatever the user's lpoptions say.
  env -u QT_QPA_PLATFORM PRINTER="$queue" QT_SCALE_FACTOR="$3" LANG=fr_FR.UTF-8 "${@:4}" \
    "$karvo" 2>>"$work/karvo.log" &
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
page() { # scale jobs: the PDF of the last of that many jobs, as $out/page-<scale>.png
  poll 30 printed "$2" || fail "no page printed at scale $1: $(tail -3 "$work/cups/error_log")"
  local start
  start=$(grep -abo '%PDF-' "$work/printed" | head -1 | cut -d: -f1)
  [ -n "$start" ] || fail "the queue printed no PDF at scale $1"
  tail -c +$((start + 1)) "$work/printed" >"$out/window-$1.pdf"
  pdftoppm -q -png -r 72 -singlefile "$out/window-$1.pdf" "$out/page-$1"
  stop_started
}
print 1280 1024 1
page 1 1
print 1920 1080 2
page 2 2
print 1280 1024 1 TMPDIR="$work/none"  # the queue's spool file cannot be made: the print fails
poll 10 shown '^Impression$' || fail "a failed print offered no PDF file"
stop_started
page=$out/page-1.png
differ=$(compare -metric AE "$page" "$out/page-2.png" /dev/null 2>&1 || true)
[ "$differ" = 0 ] || fail "$differ pixels differ between the pages printed at scale 1 and 2"

# The window in print colours: light grey paper, black frame lines, and none of the green of
# the screen scheme; no button either: no pixel near the colours of their faces, which Fusion
# paints in shades.
histogram=$(convert "$page" -format %c histogram:info:-)
count() { awk -v colour="#$1 " 'index(toupper($0), colour) {s += $1} END {print s + 0}' <<<"${2:-$histogram}"; }
near_colour() { count 010203 "$(convert "$page" -fuzz 6% -fill '#010203' -opaque "#$1" -format %c histogram:info:-)"; }
paper=$(count E0E0E0)
green=$(count 00FF00)
button=$(($(near_colour 80FF80) + $(near_colour FFC080) + $(near_colour 80FFFF)))
black=$(count 000000)
step "$page, the same at scale 2: paper $paper, black $black, green $green, button $button"
[ "$paper" -gt 50000 ] && [ "$black" -gt 500 ] && [ "$green" -eq 0 ] && [ "$button" -eq 0 ] ||
  fail "the page does not look like the printed window"

# Under the image, the prices of the calculation and the day in small type: their first dark row
# at most two lines of that type (20 pixels at 72 dpi) below the last row of the image's grey.
read -r bottom ink < <(convert "$page" -depth 8 txt:- | awk -F'[,:() ]+' '
  NR > 1 && $3 == 224 && $4 == 224 && $5 == 224 && ++greys[$2] == 100 { grey = $2 }
  NR > 1 && $3 + $4 + $5 < 300 { dark[$2] = 1 }
  END { for (y = grey + 1; !(y in dark) && y < grey + 200; y++); print grey, y }')
step "the image down to row $bottom, the prices from row $ink"
[ "$bottom" -gt 400 ] && [ $((ink - bottom)) -le 20 ] || fail "no prices right under the image"
footnote=$(pdftotext -enc UTF-8 "$out/window-1.pdf" - | tr -d '\f' | grep -a . | tail -1)
prices="Prix : ciment 7,25 le sac de 35 kg, sable 40 le m3, gravier 35 le m3, transport 60"
french_day() { env -u LC_ALL LC_TIME=fr_FR.UTF-8 date -d "$1" +'%-d %B %Y'; }
[ "$footnote" = "$prices — imprimé le $(french_day today)" ] ||
  [ "$footnote" = "$prices — imprimé le $(french_day yesterday)" ] || # printed before midnight
  fail "the page says '$footnote'"
step "under the image: $footnote"
step ok
