#!/usr/bin/env bash
# Shared set-up for play.sh and test.sh: installs the Debian packages the build
# needs when they are missing, then configures and builds into the given folder.
# Usage: scripts/setup.sh BUILD_DIR [cmake options...]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$1
shift

# fluid: FLTK's CMake package checks that its tool exists even when asked to skip it.
packages=(
  cmake g++ make pkg-config
  libgtest-dev
  libfltk1.3-dev fluid libpng-dev libfreetype-dev libfontconfig-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xdotool xauth
)
if [ "${VARNIX_WITH_CLANG:-0}" = 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "These Debian packages are missing. Install them, then run this again:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$root" -B "$build_dir" "$@" >/dev/null
# VARNIX_BUILD_TARGETS: build only these targets instead of everything.
cmake --build "$build_dir" --parallel "$jobs" ${VARNIX_BUILD_TARGETS:+--target $VARNIX_BUILD_TARGETS}
