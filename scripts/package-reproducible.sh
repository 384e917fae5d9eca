#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the package a second time, from the same sources, in a fresh folder of another name and
# (configuring alone takes seconds) at a later time, and fails unless it has the same SHA-256 as
# BUILD_DIR's. Where they differ it lists the members and archive entries (modes, owners, sizes,
# times) that differ, then the members and unpacked files whose bytes differ.
# Usage: scripts/package-reproducible.sh BUILD_DIR (after `make package`)
set -euo pipefail
build=${1:?usage: package-reproducible.sh BUILD_DIR}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=karvo_${version}_$(dpkg --print-architecture).deb
[ -f "$build/$name" ] || {
  echo "package-reproducible: no $build/$name, run make package" >&2
  exit 1
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
first=$(realpath "$build/$name") second=$scratch/again/$name
# The sources are reached through a link of another name, so that their folder's path shows
# too if it reaches the package.
ln -s "$(cd "$(dirname "$0")/.." && pwd)" "$scratch/sources"
# Configured as the first build (the project's options, build type, compiler and flags of its
# cache); only the program is built, as the installation then waits for no other target.
cached='^(KARVO_[A-Z_]+|CMAKE_BUILD_TYPE|CMAKE_CXX_COMPILER|CMAKE_[A-Z_]*FLAGS[A-Z_]*):'
mapfile -t options < <(grep -E "$cached" "$build/CMakeCache.txt" | sed 's/^/-D/')
cmake -S "$scratch/sources" -B "$scratch/again" --no-warn-unused-cli \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${options[@]}" >/dev/null
cmake --build "$scratch/again" -j "$(nproc)" --target karvo >/dev/null
(cd "$scratch/again" && cpack >/dev/null)

sum() { sha256sum <"$1" | cut -d' ' -f1; }
if [ "$(sum "$first")" = "$(sum "$second")" ]; then
  echo "package-reproducible: ok, built twice as $(sum "$first")"
  exit 0
fi
echo "package-reproducible: built again as $(sum "$second"), not $(sum "$first"):"
# The package's members, then its control and data archives' entries.
listing() {
  ar tv "$1"
  dpkg-deb --ctrl-tarfile "$1" | tar -tv --full-time
  dpkg-deb --fsys-tarfile "$1" | tar -tv --full-time
}
diff <(listing "$first") <(listing "$second") || true
for side in first second; do
  mkdir -p "$scratch/$side/members"
  (cd "$scratch/$side/members" && ar x "${!side}")
  dpkg-deb -R "${!side}" "$scratch/$side/files"
done
(cd "$scratch" && diff -rq first second) || true
exit 1
