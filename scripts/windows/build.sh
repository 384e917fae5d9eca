#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `make windows`: the packages, Qt for Windows (built once into its cache by qt.sh), then
# karvo.exe, its C++ tests and the NSIS installer from the same sources, cross-built in BUILD_DIR
# with Qt's toolchain file; ctest runs the tests under wine64 through wine-run.sh. With
# --setup-only, only what the installer holds is built.
# Usage: build.sh [--setup-only] BUILD_DIR [CMAKE_OPTIONS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
targets=()
if [ "${1:-}" = --setup-only ]; then
  targets=(--target karvo)
  shift
fi
build=${1:?usage: build.sh [--setup-only] BUILD_DIR [CMAKE_OPTIONS...]}
shift

bash "$here/deps.sh"
qt=$(bash "$here/qt.sh")
# The installation waits for no target but those built here.
cmake -S "$here/../.." -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DKARVO_BENCHMARKS=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY="$([ ${#targets[@]} -gt 0 ] && echo ON || echo OFF)" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh;$(realpath -m "$build")/wine;$qt/bin" "$@"
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
(cd "$build" && cpack) # says where the setup program is
