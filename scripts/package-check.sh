#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's and freedesktop.org's own checks of the built package: lintian on the .deb, then, on
# the files unpacked from it, AppStream on the metainfo, desktop-file-validate on the desktop
# entry and man on the manual page. Any message, even a warning, fails.
# Usage: scripts/package-check.sh BUILD_DIR (after `make package`)
set -euo pipefail
build=${1:?usage: package-check.sh BUILD_DIR}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/karvo_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "package-check: no $deb, run make package" >&2; exit 1; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

failed=0
# Runs a check, which passes when it succeeds and prints nothing.
check() {
  local name=$1 out
  shift
  if out=$("$@" 2>&1) && [ -z "$out" ]; then
    echo "package-check: $name: ok"
  else
    printf 'package-check: %s fails:\n%s\n' "$name" "$out"
    failed=1
  fi
}
# Lintian's tags; the notice it gives on every run as root (as CI may run) is not one.
lintian_tags() {
  lintian --fail-on error,warning "$1" 2>&1 | grep -vxF 'running with root privileges is not recommended!'
  return "${PIPESTATUS[0]}"
}
# The manual page as lintian reads it; warnings go to stderr, the page itself is dropped.
man_warnings() {
  LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" >/dev/null
}
# Its report on success is dropped; --strict fails on infos too. --no-net: the screenshots'
# web address need not be reachable from where the package is built.
appstream() {
  local out
  out=$(appstreamcli validate --no-net --strict --explain "$1" 2>&1) || {
    echo "$out"
    return 1
  }
}

check lintian lintian_tags "$deb"
check appstream appstream "$root/usr/share/metainfo/org.karvo.Karvo.metainfo.xml"
check desktop-file-validate desktop-file-validate "$root/usr/share/applications/org.karvo.Karvo.desktop"
check man man_warnings "$root/usr/share/man/man1/karvo.1.gz"
exit "$failed"
