#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch prefix and checks what a desktop needs: the program, with
# no library path of its own, a valid desktop entry that starts it, and an icon that renders.
# Usage: scripts/check-install.sh BUILD_DIR. A missing checking tool is a failure.
set -euo pipefail
build=$1
for tool in desktop-file-validate rsvg-convert readelf; do
  command -v "$tool" >/dev/null || { echo "check-install: $tool is missing" >&2; exit 1; }
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

program=$prefix/bin/karvo
desktop=$prefix/share/applications/org.karvo.Karvo.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/karvo.svg
documents=("$prefix"/share/{man/man1/karvo.1.gz,doc/karvo/copyright,doc/karvo/changelog.gz})
metainfo=$prefix/share/metainfo/org.karvo.Karvo.metainfo.xml
for f in "$program" "$desktop" "$icon" "${documents[@]}" "$metainfo"; do
  [ -f "$f" ] || { echo "check-install: ${f#"$prefix"/} is not installed" >&2; exit 1; }
done
if readelf -d "$program" | grep -qE 'RPATH|RUNPATH'; then
  echo "check-install: the installed program carries a library search path" >&2
  exit 1
fi
desktop-file-validate "$desktop"
for line in Exec=karvo Icon=karvo 'Categories=Utility;Calculator;'; do
  grep -qxF "$line" "$desktop" || { echo "check-install: no '$line' in the desktop entry" >&2; exit 1; }
done
rsvg-convert -w 48 -h 48 "$icon" -o "$prefix/icon.png"
[ -s "$prefix/icon.png" ] || { echo "check-install: the icon does not render" >&2; exit 1; }
echo "check-install: ok"
