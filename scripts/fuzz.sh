#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, each from its checked-in seed corpus.
# Usage: fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1 seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for fuzzer in $(find "$build/fuzz" -type f -executable -name 'fuzz_*' | sort); do
  name=$(basename "$fuzzer")
  seeds="$root/fuzz/corpus/$name"
  work="$build/corpus/$name"
  mkdir -p "$work" "$build/artifacts"
  [[ -d "$seeds" ]] && cp -n "$seeds"/* "$work"/ 2>/dev/null || true
  echo "== $name for ${seconds}s"
  QT_QPA_PLATFORM=offscreen "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -artifact_prefix="$build/artifacts/$name-" "$work" 2>"$build/$name.log" || {
    status=1; echo "!! $name found a fault; see $build/$name.log and $build/artifacts"; tail -n 30 "$build/$name.log"; }
done
exit $status
