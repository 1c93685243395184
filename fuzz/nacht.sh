#!/usr/bin/env bash
# The long search: runs every fuzz target for SEKUNDEN seconds (one after
# the other, one process each). New corpus entries go to
# BUILD/fuzz/arbeit/<target>, findings (crash-..., leak-..., timeout-...)
# to BUILD/fuzz/funde/<target>; minimise a finding with
#   BUILD/fuzz/fuzz_<target> -minimize_crash=1 -runs=10000 FINDING
# and save the result in fuzz/funde/<target>/ (CI replays it).
# Usage: fuzz/nacht.sh [SEKUNDEN=600] [BUILD=build-fuzz]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
sekunden=${1:-600}
build=${2:-$top/build-fuzz}
ziele="$build/fuzz-ziele.txt"
if [ ! -f "$ziele" ]; then
  echo "No fuzz build in $build: scripts/setup.sh $build -DZORVEL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++" >&2
  exit 2
fi
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
# Freed memory held back to catch late uses; with the default of 256 MB a
# long run's memory keeps growing towards libFuzzer's limit of 2 GB.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}
fund=0
while read -r programm korpus; do
  ziel=${programm#fuzz_}
  arbeit="$build/fuzz/arbeit/$ziel"
  funde="$build/fuzz/funde/$ziel"
  mkdir -p "$arbeit" "$funde"
  echo "== $ziel: $sekunden s =="
  # shellcheck disable=SC2086 # the corpus folders are separate words
  if ! "$build/fuzz/$programm" -max_total_time="$sekunden" -print_final_stats=1 \
      -dict="$top/fuzz/$ziel.dict" -artifact_prefix="$funde/" "$arbeit" $korpus \
      2> "$build/fuzz/$ziel.log"; then
    fund=1
    echo "   finding in $funde (log: $build/fuzz/$ziel.log)"
  fi
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec)" "$build/fuzz/$ziel.log" | sed 's/^/   /'
done < "$ziele"
exit $fund
