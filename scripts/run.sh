#!/usr/bin/env bash
# Starts the program built in the given folder. Without a display there is no window to show, so the
# demonstration runs instead: an unattended backup of a sample tree (scripts/demo.sh).
set -uo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec "$here/demo.sh" "$build"
fi

"$build/tesselbackup"
status=$?
# 2: the display named in the environment did not answer, and no names were given.
if [ "$status" -eq 2 ]; then
  echo "No display answered; running the demonstration instead."
  exec "$here/demo.sh" "$build"
fi
exit "$status"
