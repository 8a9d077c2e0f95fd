#!/usr/bin/env bash
# Installs what is missing and builds Keyhop and its tests into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DBUILD_TESTING=ON "$@" >/dev/null
cmake --build build
