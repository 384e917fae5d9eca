#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a cross-built Windows program under wine64 as ctest's emulator: in a Wine prefix of the
# build's own for its language (made on first use), with Qt's and mingw's DLLs on its path, no
# display, no printer (CUPS out of reach, as CUPS_SERVER does for the Linux tests), and
# Liberation Sans as the one font of Qt's offscreen platform, which on Windows reads its fonts
# from a folder.
# Usage: wine-run.sh STATE_DIR QT_BIN_DIR PROGRAM [ARGUMENTS...]
set -euo pipefail
state=$(realpath -m "$1")
qt_bin=$2
shift 2

# One prefix per language: Wine keeps the user's locale in the prefix's registry, where a program
# started with another LANG would change the decimal separator under one already running.
locale=${LC_ALL:-${LANG:-C}}
export WINEPREFIX=$state/prefix-${locale%%.*}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export CUPS_SERVER=$state/no-scheduler
unset DISPLAY WAYLAND_DISPLAY
wine=/usr/lib/wine/wine64

# The font folder and the prefix, once; parallel tests wait for the first to make them.
if [ ! -f "$WINEPREFIX.ready" ]; then
  mkdir -p "$state"
  exec 9>"$state/lock"
  flock 9
  if [ ! -d "$state/fonts" ]; then
    mkdir "$state/fonts.new"
    cp /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf "$state/fonts.new/"
    mv "$state/fonts.new" "$state/fonts"
  fi
  if [ ! -f "$WINEPREFIX.ready" ]; then
    rm -rf "$WINEPREFIX"
    "$wine" wineboot -i >/dev/null 2>&1
    touch "$WINEPREFIX.ready"
  fi
  exec 9>&-
fi

windows_path() { echo "Z:${1//\//\\}"; }
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
WINEPATH="$(windows_path "$qt_bin");$(windows_path "$runtime")"
export WINEPATH="$WINEPATH;$(windows_path /usr/x86_64-w64-mingw32/lib)"
export QT_QPA_FONTDIR=$(windows_path "$state/fonts")
# Wine keeps Linux's QT_ variables from Windows programs, but passes them on as WINEQT_ ones.
for name in $(compgen -e); do
  if [[ $name == QT_* ]]; then export "WINE$name=${!name}"; fi
done
exec "$wine" "$@"
