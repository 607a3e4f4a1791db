#!/usr/bin/env bash
# Starts the program built in the given folder.
set -euo pipefail
build=$1
exec "$build/tesselbackup"
