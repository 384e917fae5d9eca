# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows tests after tests/e2e/drive.sh: what a Windows user sees of an installed
# Karvo, read from outside Wine: the registry's keys, the entry of Settings' list of installed
# programs, the installed files, a file's version information and a window's icon. The test
# defines `work` (its scratch folder) and sources tests/windows/wine.sh (`win`) first.

# The keys under Software, in both registry views and the user's, and the programs listed in
# Settings, Apps: what a setup adds and its uninstaller should take away again.
registry_keys() {
  local key
  for key in 'HKLM\Software' 'HKLM\Software\WOW6432Node' 'HKCU\Software' \
    'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
    'HKLM\Software\WOW6432Node\Microsoft\Windows\CurrentVersion\Uninstall'; do
    win reg query "$key" 2>/dev/null | tr -d '\r' | grep '^HKEY_' || true
  done
}

# A key of the 64-bit view as `reg export` writes it (UTF-16), in UTF-8; fails when it is missing.
registry_export() { # key file
  rm -f "$WINEPREFIX/drive_c/export.reg"
  win reg export "$1" 'C:\export.reg' /y >/dev/null 2>&1 || return 1
  iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/export.reg" | tr -d '\r' >"$2"
}

# The sizes and checksums of the installed files, one line each, in the order of their names.
installed_files() { # folder
  (cd "$1" && find . -type f -printf '%s ' -exec sha256sum {} \; | sort -k3)
}

# The values of a file's version information (VS_VERSIONINFO): each name on a line, after the
# sizes that precede it, read as characters, and its value on the next.
version_info() { # file
  wrestool -x --raw -t 16 "$1" | iconv -f UTF-16LE -t UTF-8 -c | tr '\0' '\n' | grep -a .
}
version_value() { # info name
  grep -a -A1 "$2\$" <<<"$1" | sed -n 2p
}

# The window's icon as the window manager gets it (_NET_WM_ICON: width, height, then that many
# ARGB pixels, for each size), each size against the Karvo icon drawn from its SVG at that size:
# the root-mean-square difference of the pixels, on a grey ground, 0 to 1, the largest of them.
icon_difference() { # window svg
  local dir=$work/icon size difference
  rm -rf "$dir" && mkdir -p "$dir"
  xprop -id "$1" -notype 32c _NET_WM_ICON | awk -v dir="$dir" '
    {
      sub(/^[^=]*=/, "")
      count = split($0, numbers, ",")
      for (i = 1; i <= count; i++) if (numbers[i] ~ /[0-9]/) v[m++] = numbers[i] + 0
    }
    END {
      for (at = 0; at + 2 <= m; at += 2 + w * h) {
        w = v[at]; h = v[at + 1]; out = dir "/" w "x" h ".txt"
        print "# ImageMagick pixel enumeration: " w "," h ",255,srgba" >out
        for (p = 0; p < w * h; p++) {
          x = v[at + 2 + p]
          printf "%d,%d: (%d,%d,%d,%d)\n", p % w, int(p / w), int(x / 65536) % 256,
            int(x / 256) % 256, x % 256, int(x / 16777216) >out
        }
        close(out)
      }
    }'
  for size in "$dir"/*.txt; do
    [ -e "$size" ] || return 1
    size=$(basename "$size" .txt)
    convert "txt:$dir/$size.txt" -background grey50 -flatten "$dir/window-$size.png"
    rsvg-convert -w "${size%x*}" -h "${size#*x}" "$2" |
      convert - -background grey50 -flatten "$dir/svg-$size.png"
    difference=$(compare -metric RMSE "$dir/window-$size.png" "$dir/svg-$size.png" null: 2>&1 |
      sed -n 's/.*(\(.*\))/\1/p')
    echo "$size $difference" >>"$dir/differences"
  done
  sort -k2 -g "$dir/differences" | tail -1
}
