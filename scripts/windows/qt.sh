#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for Windows once, from Debian's own qt6-base source package (the version of the
# host Qt, whose moc, rcc and uic it uses), and prints the installed prefix. The prefix lives in
# a cache folder outside the checkout, keyed by that version, the configure options, the
# toolchain file and the cross compiler, and is reused as long as they stay the same. Its CMake
# files hold absolute paths, so it is used where it was installed. Logs go to stderr.
# Needs the packages of deps.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain_source=$here/../../cmake/windows/toolchain.cmake

version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# Only what Karvo and its tests use (Widgets, PrintSupport, Test); direct2d stays on, since in
# 6.4.2 the DirectWrite font engine of qwindows.dll and Qt6PrintSupport.dll is built only with
# it; the tablet events need Wintab's headers, which the source package lacks.
options=(
  -xplatform win32-g++ -qt-host-path /usr -release -shared
  -nomake examples -nomake tests -no-opengl -no-dbus -no-pkg-config
  -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-doubleconversion
  -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
  -no-feature-vulkan -no-feature-tabletevent -no-feature-graphicsview
  -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-androiddeployqt
)
compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
key=$( (
  echo "$version $compiler ${options[*]}"
  cat "$toolchain_source"
) | sha256sum | cut -c1-16)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/karvo/qt-${version}-mingw-w64-$key
prefix=$cache/prefix

if [ ! -f "$cache/complete" ]; then
  mkdir -p "$cache"
  exec 9>"$cache.lock"
  flock 9 # a second build waits for the first, then finds its prefix
fi
if [ ! -f "$cache/complete" ]; then
  echo "qt.sh: building Qt $version for Windows into $cache (25 to 70 minutes)" >&2
  started=$(date +%s)
  rm -rf "$prefix" "$cache/work"
  mkdir -p "$cache/work"
  # Qt's installed CMake files load the toolchain again: a copy that no checkout can move.
  cp "$toolchain_source" "$cache/toolchain.cmake"
  (cd "$cache/work" && apt-get source -qq -o APT::Sandbox::User=root "qt6-base=$version") >&2
  source_dir=$(find "$cache/work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
  mkdir "$cache/work/build"
  (cd "$cache/work/build" && "$source_dir/configure" -prefix "$prefix" "${options[@]}" \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$cache/toolchain.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) >&2
  cmake --build "$cache/work/build" --parallel "$(nproc)" >&2
  cmake --install "$cache/work/build" >&2
  rm -rf "$cache/work"
  touch "$cache/complete"
  echo "qt.sh: Qt for Windows built in $(($(date +%s) - started)) s" >&2
fi
# Qt's French texts, which Debian builds from another source package (qt6-translations-l10n),
# where Qt for Windows looks for them: the tests and the installer take this copy.
mkdir -p "$prefix/translations"
cp -u /usr/share/qt6/translations/qtbase_fr.qm "$prefix/translations/"
echo "$prefix"
