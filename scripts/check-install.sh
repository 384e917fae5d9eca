#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch prefix and checks what a desktop needs: the program, with
# no library path of its own, answering --version with the project's version; a valid desktop
# entry that a menu shows among the utilities by Karvo's name and that starts the program; an
# icon that renders; a manual page that man renders with the program's name and options.
# Usage: scripts/check-install.sh BUILD_DIR. A missing checking tool is a failure.
set -euo pipefail
build=$1
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for tool in desktop-file-validate rsvg-convert readelf man; do
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
if readelf -d "$program" | grep -E 'RPATH|RUNPATH' >/dev/null; then
  echo "check-install: the installed program carries a library search path" >&2
  exit 1
fi
desktop-file-validate "$desktop"
for line in Exec=karvo Icon=karvo 'Categories=Utility;Calculator;'; do
  grep -qxF "$line" "$desktop" || { echo "check-install: no '$line' in the desktop entry" >&2; exit 1; }
done
# A menu shows the entry by its Name, or by a Name[lang] in the user's language; and shows
# nothing of an entry that hides itself or is kept for some desktops.
names=$(grep -E '^Name(\[[^]]*\])?=' "$desktop" | cut -d= -f2- | sort -u)
[ "$names" = "Karvo béton - mortier" ] || {
  echo "check-install: the desktop entry's names are not 'Karvo béton - mortier': $names" >&2
  exit 1
}
if grep -E '^(NoDisplay=true|Hidden=true|OnlyShowIn=|NotShowIn=)' "$desktop"; then
  echo "check-install: the desktop entry keeps itself out of menus" >&2
  exit 1
fi
rsvg-convert -w 48 -h 48 "$icon" -o "$prefix/icon.png"
[ -s "$prefix/icon.png" ] || { echo "check-install: the icon does not render" >&2; exit 1; }

answer=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$program" --version 2>&1) || true
[ "$answer" = "karvo $version" ] || {
  echo "check-install: 'karvo --version' answers '$answer', not 'karvo $version'" >&2
  exit 1
}

# The manual page as man shows it, each line with its spaces squeezed: these lines, in order.
page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$prefix/share/man/man1/karvo.1.gz" 2>&1 |
  sed -E 's/[[:space:]]+/ /g; s/^ //; s/ $//')
last=0
# shellcheck disable=SC1111 # the quotes that man shows for \(lq and \(rq
for line in "KARVO(1) User Commands KARVO(1)" NAME \
  "karvo - concrete and mortar calculator for concrete mixer work" SYNOPSIS \
  "karvo [-h|--help] [-v|--version]" OPTIONS "-h, --help" "-v, --version" \
  "Print “karvo $version” and exit."; do
  at=$(grep -m 1 -nxF -- "$line" <<<"$page" | cut -d: -f1)
  if [ -z "$at" ] || [ "$at" -le "$last" ]; then
    printf 'check-install: man shows no "%s" after line %s of the page:\n%s\n' "$line" "$last" \
      "$page" >&2
    exit 1
  fi
  last=$at
done
echo "check-install: ok"
