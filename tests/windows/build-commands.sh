#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Building Karvo for Windows starts no Windows program: none of the commands that build its
# targets runs Wine (ctest lists the C++ tests under Wine when it runs them), so that
# `make windows`, which builds the installer, makes no Wine prefix.
# Usage: build-commands.sh BUILD_DIR (a Ninja build)
set -euo pipefail
build=${1:?usage: build-commands.sh BUILD_DIR}
commands=$(ninja -C "$build" -t commands)
[ -n "$commands" ] || {
  echo "windows.build: no build commands in $build" >&2
  exit 1
}
if grep -E 'wine-run\.sh|wine64|wineboot' <<<"$commands" >&2; then
  echo "windows.build: FAIL: the build commands above run Wine" >&2
  exit 1
fi
echo "windows.build: $(wc -l <<<"$commands") build commands, none runs Wine"
