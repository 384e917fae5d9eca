#!/usr/bin/env bash
# Renders the six windows to PNG files under screenshots/, headless.
set -euo pipefail
build=${1:-build}
out=${2:-screenshots}
QT_QPA_PLATFORM=offscreen "$build/ui/karvo_screenshots" "$out"
