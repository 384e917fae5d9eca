# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows tests once `work` (their scratch folder) exists: a Wine prefix of the
# test's own in it, `win` to run a Windows program there in French, as a French user's Windows
# runs it, `make_prefix` to create that prefix (`fail` from drive.sh), and `stop_all` to end
# Wine, the given processes and the folder when the test ends.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
win() { env -u LC_ALL LANG=fr_FR.UTF-8 /usr/lib/wine/wine64 "$@"; }

# The prefix, with Arial as Windows has it: Liberation Sans, drawn to Arial's metrics, by that name.
make_prefix() {
  win wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot: $(cat "$work/wineboot.log")"
  win reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null
}

stop_all() { # PID...
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  local pid
  for pid in "$@"; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
