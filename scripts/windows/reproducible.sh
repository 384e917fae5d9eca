#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `make windows-check`: the Windows setup program built twice from the last commit, in two clones
# of the repository in folders of different names, one after the other, must have the same
# SHA-256. Where the two differ it names what: the staged files (bytes, then PE headers), their
# times, the NSIS scripts (each clone's folder written as the same word), else NSIS's own data.
# Uncommitted changes are not built.
# Usage: scripts/windows/reproducible.sh [CMAKE_OPTIONS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
commit=$(git -C "$root" rev-parse HEAD)
if [ -n "$(git -C "$root" status --porcelain --untracked-files=no)" ]; then
  echo "windows-check: uncommitted changes are left out; building commit $commit"
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# folder: a clone of the commit in FOLDER/karvo, its setup built in FOLDER/build.
build() {
  git clone -q --no-checkout "$root" "$1/karvo"
  git -C "$1/karvo" checkout -q "$commit"
  bash "$1/karvo/scripts/windows/build.sh" --setup-only "$1/build" "${@:2}" >"$1.log" 2>&1 || {
    tail -20 "$1.log" >&2
    echo "windows-check: the build in $1 failed" >&2
    exit 1
  }
}
build "$scratch/one" "$@"
build "$scratch/the-second-clone" "$@"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$scratch/one/build/CMakeCache.txt")
name=Karvo-$version-win64-setup
sum() { sha256sum <"$1/build/$name.exe" | cut -d' ' -f1; }
first=$(sum "$scratch/one") second=$(sum "$scratch/the-second-clone")
if [ "$first" = "$second" ]; then
  echo "windows-check: ok, $name.exe built twice as $first"
  exit 0
fi
echo "windows-check: $name.exe built as $first, then as $second:"
stage() { echo "$1/build/_CPack_Packages/win64/NSIS/$name"; }
a=$(stage "$scratch/one") b=$(stage "$scratch/the-second-clone")
staged=0
while read -r file; do
  staged=1
  echo "  staged file differs: $file"
  case $file in
    *.exe | *.dll)
      diff <(x86_64-w64-mingw32-objdump -p "$a/$file" | head -40) \
        <(x86_64-w64-mingw32-objdump -p "$b/$file" | head -40) | sed 's/^/    /' || true
      ;;
  esac
done < <(cd "$a" && find . -type f | sort | while read -r f; do
  cmp -s "$f" "$b/$f" || echo "${f#./}"
done)
times() { (cd "$1" && find . -type f -printf '%p %T@\n' | sort); }
diff <(times "$a") <(times "$b") | sed 's/^/  staged time: /' && times_same=1 || times_same=0
script() { sed "s|$1|FOLDER|g" "$1/build/_CPack_Packages/win64/NSIS/project.nsi"; }
diff <(script "$scratch/one") <(script "$scratch/the-second-clone") |
  sed 's/^/  NSIS script: /' && script_same=1 || script_same=0
if [ "$staged" = 0 ] && [ "$times_same" = 1 ] && [ "$script_same" = 1 ]; then
  echo "  same files, times and script: NSIS's own data differ, first bytes:"
  cmp -l "$scratch/one/build/$name.exe" "$scratch/the-second-clone/build/$name.exe" |
    head -5 | sed 's/^/    /'
fi
exit 1
