#!/usr/bin/env bash
# Installs what is missing and builds into ./build: the targets named, or
# else everything (Keyhop, its tests and benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build build ${1:+--target "$@"}
