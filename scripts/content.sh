#!/usr/bin/env bash
# Writes the sample content (DataEng/ and pict/) beside the program in
# <build-dir>/bin (default: build/bin), building the content builder first
# when needed. Does nothing when the content there is up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target evelm_content_builder
"$build/bin/evelm_content_builder" "$build/bin"
