#!/usr/bin/env bash
# Renders a generated 1 MiB help page and prints the time RenderHTML takes.
set -euo pipefail
: "${BENCH_BUILD:?set BENCH_BUILD to the release build folder}"
QT_QPA_PLATFORM=offscreen "$BENCH_BUILD/bench/help/bench_help_render"
