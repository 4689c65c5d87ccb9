#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice: once
# in the normal build, once built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (this run also drives the fuzz targets). The
# normal build's Debian package is built, checked and unpacked as well.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOR_BUILD_BENCH=OFF
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"
scripts/check-package.sh build/test --no-install

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOR_BUILD_BENCH=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZOR_SANITIZE=ON
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"
