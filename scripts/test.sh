#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite twice:
# a normal build, then a build with AddressSanitizer and
# UndefinedBehaviorSanitizer (leaks count as failures). Last, the fuzz
# targets of the file readers are built with clang and replay their seeds
# and saved findings once (a regression run of seconds, no search).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen

"$top/scripts/setup.sh" "$top/build"
echo "== Tests (normal build) =="
ctest --test-dir "$top/build" --output-on-failure -j "$(nproc)"

"$top/scripts/setup.sh" "$top/build-asan" -DZORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
echo "== Tests (AddressSanitizer + UndefinedBehaviorSanitizer build) =="
ctest --test-dir "$top/build-asan" --output-on-failure -j "$(nproc)"

"$top/scripts/setup.sh" "$top/build-fuzz" -DZORVEL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
echo "== Fuzz targets: seeds and saved findings =="
ctest --test-dir "$top/build-fuzz" --output-on-failure -j "$(nproc)"
