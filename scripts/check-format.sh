#!/usr/bin/env bash
# Fails when a tracked C++ source is not as the committed .clang-format wants it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted"
