#!/usr/bin/env bash
# clang-tidy over the project's own sources, with the checks of .clang-tidy.
set -euo pipefail
build=$1
files=$(git ls-files 'src/*.cpp')
[[ -z "$files" ]] && exit 0
echo "$files" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null
