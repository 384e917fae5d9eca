#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the calculation library's libFuzzer targets with clang and runs each for a bounded
# time (FUZZ_SECONDS, 20 by default) from a small seed corpus written here; a crash, a
# sanitizer report or a broken rule fails, and leaves its input under <build>/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-20}

cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

seed() {
  mkdir -p "$build/seeds/$1"
  printf -- "$3" >"$build/seeds/$1/$2"
}
texts=('350' '7.25' ' 3 5 0 ' '3,5' '1e999' '-1e999' '&HFFFFFFFF' '&O777' '-0' '1.5E-3' '.5' '')
for i in "${!texts[@]}"; do
  seed format_number "$i" "${texts[$i]}"
done
# Doubles as their 8 bytes: NaN, infinity, -0, the largest, the smallest subnormal.
seed format_number nan '\0\0\0\0\0\0\370\177'
seed format_number inf '\0\0\0\0\0\0\360\177'
seed format_number minus-zero '\0\0\0\0\0\0\0\200'
seed format_number max '\377\377\377\377\377\377\357\177'
seed format_number subnormal '\1\0\0\0\0\0\0\0'
# Dosage, volume, capacity, four prices, then the mortar range (the byte modulo 4).
seed calculations concrete '350\n1000\n150\n7.25\n40\n35\n60\n0'
seed calculations range1 '325\n1000\n100\n7.5\n40\n0\n20\n4'
seed calculations range2 '425\n2400\n150\n7.5\n40\n0\n20\n1'
seed calculations range4 '800\n50\n100\n7.5\n40\n0\n20\n7'
seed calculations bounds '400\n100000\n10000\n800000\n9000000\n9000000\n9000000\n3'
seed calculations huge '350\n1000\n150\n1e308\n1e308\n1e308\n1e308\n5'
seed calculations overflow '350\n1000\n150\n1e999\n-1e999\n&HFFFFFFFF\n-0\n6'

mkdir -p "$build/artifacts"
for target in format_number calculations; do
  mkdir -p "$build/corpus/$target"
  log=$build/$target.log
  if ! "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$build/corpus/$target" \
    "$build/seeds/$target" >"$log" 2>&1; then
    tail -40 "$log" >&2
    echo "fuzz: $target FAILED, input saved under $build/artifacts/" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz: $target: $runs runs in $seconds s, no failure"
done
