#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the six windows, and the menu and concrete window of the worked example, to PNG files
# under screenshots/, headless, as a French user sees them (decimal comma).
set -euo pipefail
build=${1:-build}
out=${2:-screenshots}
env -u LC_ALL -u LC_NUMERIC LANG=fr_FR.UTF-8 QT_QPA_PLATFORM=offscreen \
  "$build/ui/karvo_screenshots" "$out"
