#!/usr/bin/env bash
# Installs the Debian packages the project needs, once: only what is missing is installed.
# Usage: install-deps.sh [build] [fuzz] [bench] [screen]   (default: build)
set -euo pipefail

declare -A sets=(
  [build]="cmake ninja-build g++ make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libglx-dev libgtest-dev googletest xdg-utils"
  [fuzz]="clang libclang-rt-dev"
  [bench]="rsync hyperfine"
  [screen]="xvfb xauth imagemagick"
  [lint]="clang-tidy clang-format"
)

wanted=()
for set in "${@:-build}"; do
  [[ -n "${sets[$set]:-}" ]] || { echo "install-deps: unknown set '$set'" >&2; exit 2; }
  read -r -a pkgs <<<"${sets[$set]}"
  wanted+=("${pkgs[@]}")
done

missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
