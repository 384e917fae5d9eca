#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, when missing, what the Windows build and its tests under Wine need on top of the
# Linux build's packages (whose host Qt gives the cross Qt its moc, rcc and uic): the mingw-w64
# cross compilers, GoogleTest's source, Wine with its 32-bit part (CPack's NSIS setup stub is a
# 32-bit program), NSIS, and a deb-src entry for Qt's source package.
set -euo pipefail
bash "$(dirname "$0")/../install-deps.sh"

packages=(
  g++-mingw-w64-x86-64-posix ninja-build dpkg-dev googletest
  wine64 wine32:i386 nsis icoutils
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
apt=("${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -qq -o DPkg::Lock::Timeout=1200)

update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  update=1
fi
# Qt's source comes from the registry and suites that the machine's own packages come from.
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ &&
  ! grep -qs '^deb-src ' /etc/apt/sources.list; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/karvo-deb-src.sources >/dev/null
  else
    sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list |
      "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/karvo-deb-src.list >/dev/null
  fi
  update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "$update" = 1 ] || [ "${#missing[@]}" -gt 0 ]; then
  "${apt[@]}" update
fi
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${apt[@]}" install -y --no-install-recommends "${missing[@]}" >/dev/null
fi
