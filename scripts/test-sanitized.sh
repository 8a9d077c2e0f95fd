#!/usr/bin/env bash
# Installs what is missing, builds into ./build-asan with AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs every test there, leak checks on.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-asan -G Ninja -DBUILD_TESTING=ON -DKEYHOP_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cd build-asan
ctest --output-on-failure -j "$(nproc)"
