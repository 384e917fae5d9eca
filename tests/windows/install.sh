#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer end to end under Wine, in a Wine prefix and an Xvfb of its own: a silent
# install (/S, which runs NSIS's 32-bit stub through Wine's 32-bit part), the installed files and
# Start-menu entry, karvo.exe started from that entry, the concrete worked example through the
# real windows (typed with xdotool, read back through the clipboard), a print to the Windows
# default printer, which Wine takes from CUPS (a scheduler of the test's own, whose one queue, a
# PDF printer, writes to a file), QUITTER, and a silent uninstall. Screenshots and the printed
# page go to OUTPUT_DIR.
# Usage: install.sh SETUP_EXE OUTPUT_DIR LAYOUT_COMMAND...  (karvo_layout.exe under wine-run.sh)
set -euo pipefail
export LC_ALL=C
setup=$(realpath "${1:?usage: install.sh SETUP_EXE OUTPUT_DIR LAYOUT_COMMAND...}")
out=${2:?usage: install.sh SETUP_EXE OUTPUT_DIR LAYOUT_COMMAND...}
shift 2
started=$(date +%s)
work=$(mktemp -d)
chmod 755 "$work" # CUPS's filters run as the user lp
xvfb_pid=
cupsd_pid=
app_pid=
export CUPS_SERVER=$work/cups/socket
. "$(dirname "$0")/wine.sh"

cleanup() { stop_all $xvfb_pid $cupsd_pid; }
trap cleanup EXIT
who=windows shots=$out type_delay=30
. "$(dirname "$0")/../e2e/drive.sh"
. "$(dirname "$0")/inspect.sh"

read_layout "$@"
need Form2.TxtPrixCiment Form2.TxtPrixSable Form2.TxtPrixGravier Form2.TxtPrixTransport \
  Form2.CmdOk Form2.CmdQuitter Form1.TxtDosage Form1.TxtVolume Form1.TxtContenance \
  Form1.CmdCalcul Form1.CmdImprimer Form1.CmdRetour1 Form1.TxtPrixAchat Form1.TxtEauTot \
  Form1.TxtCimentTot Form1.TxtBeton Form1.TxtTempsTm

mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.pdf
start_xvfb 1280x1024

# CUPS first: Wine lists CUPS's printers as Windows printers when a program starts. This
# scheduler listens on its own socket only, with no authentication, and may write to files.
mkdir -p "$work/cups/ppd" "$work/cups/spool" "$work/cups/tmp"
chown root:lp "$work/cups/tmp"
chmod 1770 "$work/cups/tmp"
printf '%s\n' "ServerRoot $work/cups" "RequestRoot $work/cups/spool" "TempDir $work/cups/tmp" \
  "CacheDir $work/cups" "StateDir $work/cups" "ErrorLog $work/cups/error_log" \
  "AccessLog $work/cups/access_log" "PageLog $work/cups/page_log" "FileDevice Yes" \
  >"$work/cups/cups-files.conf"
printf '%s\n' "Listen $CUPS_SERVER" "Browsing No" "DefaultAuthType None" "<Policy default>" \
  "<Limit All>" "Order deny,allow" "</Limit>" "</Policy>" >"$work/cups/cupsd.conf"
/usr/sbin/cupsd -f -c "$work/cups/cupsd.conf" -s "$work/cups/cups-files.conf" &
cupsd_pid=$!
scheduler_up() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
poll 5 scheduler_up || fail "the CUPS scheduler did not start: $(cat "$work/cups/error_log")"
lpadmin -p PDF -E -v "file://$work/printed" -o PageSize=A4 \
  -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>/dev/null
lpadmin -d PDF

step "a Wine prefix of its own"
make_prefix

step "the registry's keys before the install"
registry_keys >"$work/keys.before"

step "silent install"
win "$setup" /S || fail "the setup program ended with status $?"
programs="$WINEPREFIX/drive_c/Program Files/Karvo"
menu_folder="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
entry="$menu_folder/Karvo béton - mortier/Karvo béton - mortier.lnk"
for file in bin/karvo.exe bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll \
  bin/Qt6PrintSupport.dll \
  bin/libstdc++-6.dll bin/libgcc_s_seh-1.dll bin/libwinpthread-1.dll \
  bin/platforms/qwindows.dll bin/translations/qtbase_fr.qm Uninstall.exe; do
  [ -f "$programs/$file" ] || fail "not installed: $file"
done
[ -f "$entry" ] || fail "no Start-menu entry: $entry"
# The program's icon and version, from its resources: what Explorer and the entry show.
wrestool -l "$programs/bin/karvo.exe" | grep -q -- '--type=14 ' || fail "karvo.exe has no icon"
version_info=$(wrestool -x --raw -t 16 "$programs/bin/karvo.exe" | iconv -f UTF-16LE -t UTF-8 -c |
  tr '\0' '\n' | grep -a .)
version=$(basename "$setup" | sed -n 's/^Karvo-\([0-9.]*\)-win64-setup.exe$/\1/p')
grep -qx 'Karvo béton - mortier' <<<"$version_info" || fail "karvo.exe's resources do not name it"
[ "$(grep -A1 "ProductVersion$" <<<"$version_info" | tail -1)" = "$version" ] ||
  fail "karvo.exe's resources do not give version $version"

step "the installed files and the keys that the setup added"
installed_files "$programs" >"$work/files.installed"
registry_keys | { diff "$work/keys.before" - || true; } | sed -n 's/^> //p' >"$work/keys.added"
grep -qx 'HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Karvo' \
  "$work/keys.added" || fail "no entry in the 64-bit view of Settings, Apps: $(cat "$work/keys.added")"
while read -r key; do step "added: $key"; done <"$work/keys.added"

step "the entry of Settings, Apps: names, version, icon and size"
registry_export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Karvo' \
  "$work/entry.reg" || fail "the entry cannot be read"
value() { sed -n "s/^\"$1\"=//p" "$work/entry.reg"; }
[ "$(value DisplayName)" = '"Karvo béton - mortier"' ] || fail "DisplayName is $(value DisplayName)"
[ "$(value DisplayVersion)" = "\"$version\"" ] || fail "DisplayVersion is $(value DisplayVersion)"
[ "$(value Publisher)" = '"Karvo"' ] || fail "Publisher is $(value Publisher)"
[ "$(value DisplayIcon)" = '"C:\\Program Files\\Karvo\\bin\\karvo.exe"' ] ||
  fail "DisplayIcon is $(value DisplayIcon)"
[[ $(value EstimatedSize) == dword:* ]] || fail "EstimatedSize is '$(value EstimatedSize)'"
estimated=$((16#$(value EstimatedSize | cut -d: -f2)))
measured=$(du -sk --apparent-size "$programs" | cut -f1)
step "EstimatedSize $estimated KiB, the folder $measured KiB"
[ $((estimated * 10)) -ge $((measured * 9)) ] && [ $((estimated * 10)) -le $((measured * 11)) ] ||
  fail "EstimatedSize is not within 10 % of the folder's size"

step "the Start menu's names in French, and the setup's own version information"
names=$(ls "$(dirname "$entry")")
[ "$names" = $'Désinstaller Karvo béton - mortier.lnk\nKarvo béton - mortier.lnk' ] ||
  fail "the Start-menu folder holds: $names"
link="$(dirname "$entry")/Désinstaller Karvo béton - mortier.lnk"
grep -q 'Karvo\\Uninstall\.exe$' <<<"$(strings -a "$link")" ||
  fail "the uninstaller's entry does not start it"
setup_info=$(version_info "$setup")
[ "$(version_value "$setup_info" ProductName)" = Karvo ] &&
  [ "$(version_value "$setup_info" FileDescription)" = "Installation de Karvo béton - mortier" ] &&
  [ "$(version_value "$setup_info" ProductVersion)" = "$version" ] &&
  [ "$(version_value "$setup_info" FileVersion)" = "$version" ] ||
  fail "the setup's version information: $(tr '\n' ' ' <<<"$setup_info")"

step "karvo.exe started from its Start-menu entry"
win start /unix "$entry"
menu=$(window_of '^Menu')
app_pid=$(xdotool getwindowpid "$menu")
poll 10 mostly "$menu" Form2.TxtPrixTransport '#FFFF80' || fail "the menu is not drawn"
import -window root "$out/menu.png"

step "the window's icon is Karvo's"
icon=$(icon_difference "$menu" "$(dirname "$0")/../../packaging/karvo.svg") ||
  fail "the menu window has no icon"
read -r icon_size icon_error <<<"$icon"
step "icon: at worst $icon_error apart from karvo.svg, at $icon_size"
awk -v e="$icon_error" 'BEGIN { exit !(e != "" && e < 0.02) }' ||
  fail "the menu window's icon is not Karvo's"

step "prices, the cement's with a decimal comma, then OK to the concrete window"
type_into "$menu" Form2.TxtPrixCiment 7,25
type_into "$menu" Form2.TxtPrixSable 40
type_into "$menu" Form2.TxtPrixGravier 35
type_into "$menu" Form2.TxtPrixTransport 60
click "$menu" Form2.CmdOk
concrete=$(window_of '^Dosage du b')

step "the worked example"
type_into "$concrete" Form1.TxtDosage 350
type_into "$concrete" Form1.TxtVolume 1000
type_into "$concrete" Form1.TxtContenance 150
click "$concrete" Form1.CmdCalcul
poll 10 mostly "$concrete" Form1.TxtPrixAchat '#FFFF00' || fail "CALCULS showed no results"
import -window root "$out/concrete.png"
expect_box "$concrete" Form1.TxtPrixAchat "173,04"
expect_box "$concrete" Form1.TxtEauTot "194,4"
expect_box "$concrete" Form1.TxtCimentTot "350,0"
expect_box "$concrete" Form1.TxtBeton "109,8"
expect_box "$concrete" Form1.TxtTempsTm "27"

step "printed to the Windows default printer, CUPS's PDF printer"
french_day() { env -u LC_ALL LC_TIME=fr_FR.UTF-8 date +'%-d %B %Y'; }
day_before=$(french_day)
focus "$concrete"
click "$concrete" Form1.CmdImprimer
printed() { [ -s "$work/printed" ] && [ "$(lpstat -W completed -o PDF | wc -l)" = 1 ]; }
poll 60 printed || fail "nothing printed: $(tail -3 "$work/cups/error_log")"
# The printer's PDF comes in the PJL envelope of its PPD.
start=$(grep -abo '%PDF-' "$work/printed" | head -1 | cut -d: -f1)
tail -c +$((start + 1)) "$work/printed" >"$out/window.pdf"
pdftoppm -q -png -r 72 "$out/window.pdf" "$out/page"
pages=("$out"/page-*.png)
[ "${#pages[@]}" -eq 1 ] || fail "${#pages[@]} pages printed, one expected"
# The window in print colours: light grey paper, black lines, none of the screen's green.
histogram=$(convert "${pages[0]}" -format %c histogram:info:-)
count() {
  awk -v colour="#$1 " 'index(toupper($0), colour) {s += $1} END {print s + 0}' <<<"$histogram"
}
paper=$(count E0E0E0) black=$(count 000000) green=$(count 00FF00)
step "page: paper $paper, black $black, green $green pixels"
[ "$paper" -gt 50000 ] && [ "$black" -gt 500 ] && [ "$green" -eq 0 ] ||
  fail "the page does not look like the printed window"
# Under the image, the prices of the calculation and the day, as text the PDF keeps.
footnote=$(pdftotext -enc UTF-8 "$out/window.pdf" - | tr -d '\f' | grep -a . | tail -1)
prices="Prix : ciment 7,25 le sac de 35 kg, sable 40 le m3, gravier 35 le m3, transport 60"
[ "$footnote" = "$prices — imprimé le $day_before" ] ||
  [ "$footnote" = "$prices — imprimé le $(french_day)" ] || fail "the page says '$footnote'"
step "under the image: $footnote"

step "RETOUR, QUITTER"
click "$concrete" Form1.CmdRetour1
poll 5 not shown '^Dosage du b' || fail "the concrete window is still shown after RETOUR"
focus "$menu"
click "$menu" Form2.CmdQuitter
poll 15 not kill -0 "$app_pid" 2>/dev/null || fail "karvo.exe still runs 15 s after QUITTER"

step "the setup run again while Karvo runs: it closes Karvo and replaces every file"
# Each program file marked at its end, which Windows ignores, to see one the setup left.
for file in "$programs"/bin/*.exe "$programs"/bin/*.dll "$programs"/bin/platforms/*.dll; do
  printf 'left by the first install' >>"$file"
done
win start /unix "$entry"
app_pid=$(xdotool getwindowpid "$(window_of '^Menu')")
win "$setup" /S || fail "the setup program ended with status $? while Karvo ran"
poll 5 not kill -0 "$app_pid" 2>/dev/null || fail "Karvo still runs after the setup ended"
installed_files "$programs" | diff "$work/files.installed" - ||
  fail "the installed files differ from the setup's"

step "Karvo started again, for the uninstaller to close"
win start /unix "$entry"
app_pid=$(xdotool getwindowpid "$(window_of '^Menu')")

step "silent uninstall"
win "$programs/Uninstall.exe" /S
# The uninstaller runs from a copy of itself, which ends after the one started here.
poll 30 not test -e "$programs/bin/karvo.exe" || fail "karvo.exe is still installed"
poll 10 not test -e "$entry" || fail "the Start-menu entry is still there"
poll 5 not kill -0 "$app_pid" 2>/dev/null || fail "Karvo still runs after the uninstall"

step "the registry's keys after the uninstall: as before the install"
registry_keys | diff "$work/keys.before" - || fail "the uninstall left keys in the registry"
step "passed in $(($(date +%s) - started)) s"
