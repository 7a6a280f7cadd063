#!/usr/bin/env bash
# Configures and builds into ./build with every core.
set -euo pipefail
cd "$(dirname "$0")/.."
"$PWD/scripts/deps.sh"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
