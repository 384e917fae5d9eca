#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One whole user session of the real karvo executable in a real X window (Xvfb, no window
# manager), driven from outside with xdotool and read back through the clipboard and screenshots.
set -euo pipefail
export LC_ALL=C

karvo=${1:?usage: session.sh path/to/karvo path/to/karvo_layout}
layout=${2:?usage: session.sh path/to/karvo path/to/karvo_layout}
started=$(date +%s.%N)
work=$(mktemp -d)
xvfb_pid=
app_pid=

cleanup() {
  for pid in $app_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
who=e2e
. "$(dirname "$0")/drive.sh"
own_folders "$work"

read_layout "$layout"
need Form2.TxtPrixCiment Form2.TxtPrixSable Form2.TxtPrixGravier Form2.TxtPrixTransport \
  Form2.Option2 Form2.CmdOk Form2.CmdQuitter Form1.TxtDosage Form1.TxtVolume Form1.TxtContenance \
  Form1.CmdCalcul Form1.TxtPrixAchat Form1.TxtTempsTm Form1.CmdRetour1 Form3.TxtDosage2 \
  Form3.TxtVolMortier Form3.TxtContenance2 Form3.CmdCalcul2 Form3.LblMauvaisDos2 \
  Form3.TxtTempsTm3 Form3.CmdAideInfoMortier Form3.CmdRetour2 FormAideMortier.CmdQuitInfoMortier
# Exited, even if not yet reaped.
ended() {
  local state
  state=$(awk '{ print $3 }' "/proc/$app_pid/stat" 2>/dev/null) || return 0
  [ -z "$state" ] || [ "$state" = Z ]
}

# Inside its border, no pixel of the box differs from its white background.
empty_box() {
  local x y w h
  read -r x y w h <<<"$(rect "$1" "$2")"
  import -window "$1" -crop "$((w - 8))x$((h - 8))+$((x + 4))+$((y + 4))" +repage "$work/box.png"
  [ "$(convert "$work/box.png" -fill black +opaque '#FFFFFF' -format '%[fx:minima]' info:)" = 1 ]
}

# "left top width height" of a window, in pixels.
geometry() {
  xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | cut -d= -f2 | xargs
}

start_xvfb 1280x1024
step "Xvfb on $DISPLAY"
env -u QT_QPA_PLATFORM -u LC_ALL -u LC_NUMERIC LANG=fr_FR.UTF-8 "$karvo" >"$work/karvo.log" 2>&1 &
app_pid=$!

step "start-up shows only the menu, centred; the cement's price typed with a decimal comma"
menu=$(window_of '^Menu')
# A price typed and copied back: karvo's event loop has gone past what its start-up queued, and
# whatever that showed is mapped.
type_into "$menu" Form2.TxtPrixCiment 7,25
expect_box "$menu" Form2.TxtPrixCiment "7,25"
count=$(xdotool search --onlyvisible --pid "$app_pid" | wc -l)
[ "$count" = 1 ] || fail "$count windows shown at start-up, expected the menu alone"
read -r mx my mw mh <<<"$(geometry "$menu")"
(((1280 - mw) / 2 - mx <= 1 && mx - (1280 - mw) / 2 <= 1)) || fail "menu not centred: left $mx"

step "the other prices, then OK to the concrete window"
type_into "$menu" Form2.TxtPrixSable 40
type_into "$menu" Form2.TxtPrixGravier 35
type_into "$menu" Form2.TxtPrixTransport 60
click "$menu" Form2.CmdOk
concrete=$(window_of '^Dosage du b')

step "worked example"
type_into "$concrete" Form1.TxtDosage 350
type_into "$concrete" Form1.TxtVolume 1000
type_into "$concrete" Form1.TxtContenance 150
click "$concrete" Form1.CmdCalcul
expect_box "$concrete" Form1.TxtPrixAchat "173,04"
expect_box "$concrete" Form1.TxtTempsTm "27"

step "a changed input hides the results until CALCULS"
mostly "$concrete" Form1.TxtPrixAchat '#FFFF00' || fail "the total price is not shown"
type_into "$concrete" Form1.TxtDosage 200
poll 5 not mostly "$concrete" Form1.TxtPrixAchat '#FFFF00' ||
  fail "results still shown beside dosage 200"
click "$concrete" Form1.CmdCalcul
poll 5 mostly "$concrete" Form1.TxtPrixAchat '#FFFF00' ||
  fail "CALCULS did not show the results again"

step "RETOUR, then mortar"
click "$concrete" Form1.CmdRetour1
poll 5 not shown '^Dosage du b' || fail "the concrete window is still shown after RETOUR"
focus "$menu"
click "$menu" Form2.Option2
click "$menu" Form2.CmdOk
mortar=$(window_of '^Dosage du mortier')

step "a refused dosage"
type_into "$mortar" Form3.TxtDosage2 100
type_into "$mortar" Form3.TxtVolMortier 1000
type_into "$mortar" Form3.TxtContenance2 100
mostly "$mortar" Form3.LblMauvaisDos2 '#FF0000' && fail "'Mauvais dosage' shown before CALCULS"
click "$mortar" Form3.CmdCalcul2
poll 5 mostly "$mortar" Form3.LblMauvaisDos2 '#FF0000' || fail "'Mauvais dosage' not shown in red"
poll 5 empty_box "$mortar" Form3.TxtDosage2 || fail "the refused dosage is still in its box"
expect_box "$mortar" Form3.TxtVolMortier "1000"

step "an accepted dosage"
type_into "$mortar" Form3.TxtDosage2 325
click "$mortar" Form3.CmdCalcul2
poll 5 not mostly "$mortar" Form3.LblMauvaisDos2 '#FF0000' || fail "'Mauvais dosage' still shown"
expect_box "$mortar" Form3.TxtTempsTm3 "43"

step "INFOS places the help window beside the mortar window"
read -r ax ay aw ah <<<"$(geometry "$mortar")"
click "$mortar" Form3.CmdAideInfoMortier
help=$(window_of '^Aide mortier')
read -r hx hy hw hh <<<"$(geometry "$help")"
read -r nx ny _ _ <<<"$(geometry "$mortar")"
# Where the placement rule puts both windows, from the anchor's geometry before INFOS.
read -r ex_help ey_help ex_anchor <<<"$(awk -v ax="$ax" -v ay="$ay" -v aw="$aw" -v ah="$ah" \
  -v hw="$hw" -v hh="$hh" -v sw=1280 -f "$(dirname "$0")/help_placement.awk")"
near "$hx" "$ex_help" || fail "help window left $hx, expected $ex_help"
near "$hy" "$ey_help" || fail "help window top $hy, expected $ey_help"
near "$nx" "$ex_anchor" || fail "mortar window left $nx after INFOS, expected $ex_anchor"
[ "$ny" = "$ay" ] || fail "the mortar window moved vertically: $ay -> $ny"
step "help at $hx,$hy (${hw}x$hh), mortar window from $ax to $nx"
click "$help" FormAideMortier.CmdQuitInfoMortier
poll 5 not shown '^Aide mortier' || fail "the help window is still shown after 'Quitter les infos'"

step "RETOUR, then QUITTER ends the program"
click "$mortar" Form3.CmdRetour2
poll 5 not shown '^Dosage du mortier' || fail "the mortar window is still shown after RETOUR"
focus "$menu"
clicked=$(date +%s.%N)
click "$menu" Form2.CmdQuitter
poll 10 ended || fail "karvo still runs 10 s after QUITTER"
ran=$(awk -v s="$clicked" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }')
step "QUITTER to the end of the program: $ran s"
# The monogram's letters show for 1.15 s in all; an end much sooner means they were not seen.
awk -v t="$ran" 'BEGIN { exit !(t >= 1.1) }' || fail "the program ended $ran s after QUITTER"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" = 0 ] || fail "karvo ended with status $status: $(cat "$work/karvo.log")"

step "passed in $(awk -v s="$started" -v e="$(date +%s.%N)" 'BEGIN { printf "%.1f", e - s }') s"
