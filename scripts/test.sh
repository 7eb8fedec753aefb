#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite twice: the
# normal build, then the sanitizer build (ASan + UBSan; with clang it also
# builds and runs the fuzz targets).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
# Whatever the caller had, tests make their own roots.
unset KX500_ROOT

echo "=== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

echo "=== sanitizer build"
cc=gcc; cxx=g++
if command -v clang++ >/dev/null 2>&1; then cc=clang; cxx=clang++; fi
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKX500_SANITIZE=ON \
      -DKX500_BUILD_BENCH=OFF -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build build-sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -j"$jobs")
