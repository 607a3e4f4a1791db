#!/usr/bin/env bash
# Runs every benchmark under bench/: each folder's run.sh, given the release build folder.
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
for script in "$root"/bench/*/run.sh; do
  [[ -f "$script" ]] || continue
  echo "== $(basename "$(dirname "$script")")"
  BENCH_BUILD="$build" bash "$script"
done
