#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package `make package` builds, built again from the build's CPack configuration
# into a scratch folder, as `apt-get install` then sees it: its name and version; the program,
# its desktop entry and manual page under /usr, where the shell, the menus and man look; the
# packaged program answering --version; and a Depends field that names the Debian packages
# owning what the program loads: each library it links, Qt's French translations, its Wayland
# platform, and the font files that fontconfig picks for Arial in the styles the windows use
# (regular, bold, bold italic), as this machine's dpkg and fontconfig say, so a fresh install
# has them all.
# Usage: package.sh BUILD_DIR VERSION. A missing tool is a failure.
set -euo pipefail
build=$(realpath "${1:?usage: package.sh BUILD_DIR VERSION}")
version=${2:?usage: package.sh BUILD_DIR VERSION}
for tool in cpack dpkg-deb dpkg-query fc-match qtpaths6 ldd readelf; do
  command -v "$tool" >/dev/null || { echo "package: $tool is missing" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
faults=0
fault() {
  echo "package: FAIL: $*" >&2
  faults=$((faults + 1))
}

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  exit 1
}
deb=$work/karvo_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "package: no $(basename "$deb") built, only: $(ls "$work")" >&2; exit 1; }
root=$work/root
dpkg-deb -x "$deb" "$root"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = karvo ] || fault "the package is named '$(field Package)', not karvo"
[ "$(field Version)" = "$version" ] || fault "the package's version is '$(field Version)'"
for file in usr/bin/karvo usr/share/applications/org.karvo.Karvo.desktop \
  usr/share/man/man1/karvo.1.gz; do
  [ -f "$root/$file" ] || fault "the package has no /$file"
done
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$root/usr/bin/karvo" --version 2>&1) || true
[ "$answer" = "karvo $version" ] || fault "the packaged karvo --version answers '$answer'"

depends=$(field Depends)
# The names in Depends, alternatives too, without versions and architectures.
declare -A named=()
while read -r name; do
  [ -z "$name" ] || named[$name]=1
done < <(sed -E 's/[,|]/\n/g' <<<"$depends" | sed -E 's/\(.*\)//; s/:.*//; s/[[:space:]]//g')
# The package that owns a file, as dpkg says: its own path, or its twin across the /usr merge.
owner() {
  local path
  for path in "$1" "/usr$1" "${1#/usr}"; do
    dpkg-query -S "$path" 2>/dev/null | sed -n '1s/[:,].*//p' | grep . && return 0
  done
  return 1
}
needs() { # file why
  local package
  package=$(owner "$1") || { fault "no Debian package owns $1 ($2)"; return 0; }
  if [ -n "${named[$package]:-}" ]; then
    echo "package: $package for $2"
  else
    fault "Depends does not name $package, which owns $1 ($2); Depends: $depends"
  fi
}

program=$root/usr/bin/karvo
while read -r library; do
  path=$(ldd "$program" | awk -v l="$library" '$1 == l && $3 ~ /^\// { print $3 }')
  [ -n "$path" ] || { fault "the program links $library, which is nowhere"; continue; }
  needs "$path" "the program links $library"
done < <(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
needs "$(qtpaths6 --query QT_INSTALL_TRANSLATIONS)/qtbase_fr.qm" "Qt's French texts"
needs "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqwayland-generic.so" \
  "Qt's Wayland platform, for a Wayland desktop without XWayland"
# The system's fonts, as a fresh install has them: none from the user's folders.
mkdir -m 700 "$work/home"
for style in Arial Arial:bold Arial:bold:italic; do
  font=$(env -u FONTCONFIG_FILE -u FONTCONFIG_PATH HOME="$work/home" XDG_CONFIG_HOME="$work/home" \
    XDG_DATA_HOME="$work/home" XDG_CACHE_HOME="$work/home" fc-match -f '%{file}' "$style")
  needs "$font" "fontconfig's $style"
done
[ "$faults" = 0 ] || exit 1
echo "package: ok, $(basename "$deb") depends on $depends"
