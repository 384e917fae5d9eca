#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times Karvo's start-up against a bare Qt Widgets window, side by side under one Xvfb:
# each run ends at the first paint of the menu (or of the bare window) and exits.
# Usage: scripts/startup-bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-30}
programs=("$build/bench/startup/karvo_startup_probe" "$build/bench/startup/karvo_minimal_window")
names=(karvo minimal)
for p in "${programs[@]}"; do
  [ -x "$p" ] || { echo "startup-bench: $p is missing; build first" >&2; exit 1; }
done

work=$(mktemp -d)
display=:$((200 + RANDOM % 100))
# -noreset: the server keeps its state between clients, or every client pays for a reset.
Xvfb "$display" -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -m 700 "$work/runtime"
export DISPLAY=$display XDG_RUNTIME_DIR=$work/runtime

# One run: wall time to exit and to first paint (ms), processor time (ms, user and system, less
# sensitive than wall time to other loads on the machine) and peak resident memory (kB).
run_once() {
  local program=$1 out=$work/out start end paint cpu
  local TIMEFORMAT='%3U %3S'
  start=$EPOCHREALTIME
  cpu=$( { time /usr/bin/time -f '%M' -o "$work/rss" "$program" >"$out"; } 2>&1)
  end=$EPOCHREALTIME
  paint=$(awk '/^first-paint-us/ {print $2}' "$out")
  [ -n "$paint" ] || { echo "startup-bench: $program did not report its first paint" >&2; exit 1; }
  awk -v s="${start/./}" -v e="${end/./}" -v p="$paint" -v c="$cpu" -v r="$(cat "$work/rss")" \
    'BEGIN { split(c, t, " "); printf "%.2f %.2f %.2f %d\n", (e - s) / 1000, (p - s) / 1000,
             (t[1] + t[2]) * 1000, r }'
}

for _ in 1 2 3; do  # warm the page cache and the font caches
  for p in "${programs[@]}"; do run_once "$p" >/dev/null; done
done
for _ in $(seq "$runs"); do  # interleaved, so that both see the same machine load
  for i in "${!programs[@]}"; do run_once "${programs[$i]}" >>"$work/${names[$i]}"; done
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -A exit_ms paint_ms cpu_ms rss_kb
for n in "${names[@]}"; do
  exit_ms[$n]=$(awk '{print $1}' "$work/$n" | median)
  paint_ms[$n]=$(awk '{print $2}' "$work/$n" | median)
  cpu_ms[$n]=$(awk '{print $3}' "$work/$n" | median)
  rss_kb[$n]=$(awk '{print $4}' "$work/$n" | sort -n | tail -1)
done

echo "Start-up under Xvfb, $runs runs each, medians (peak memory: the largest):"
for n in "${names[@]}"; do
  printf '  %-8s to first paint %6.1f ms   to exit %6.1f ms   processor %6.1f ms   peak RSS %6d kB\n' \
    "$n" "${paint_ms[$n]}" "${exit_ms[$n]}" "${cpu_ms[$n]}" "${rss_kb[$n]}"
done
awk -v kp="${paint_ms[karvo]}" -v mp="${paint_ms[minimal]}" -v ke="${exit_ms[karvo]}" \
  -v me="${exit_ms[minimal]}" -v kc="${cpu_ms[karvo]}" -v mc="${cpu_ms[minimal]}" \
  'BEGIN { printf "  ratio karvo/minimal: %.2f to exit, %.2f to first paint, %.2f processor\n",
           ke / me, kp / mp, kc / mc }'
