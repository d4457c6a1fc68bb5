#!/usr/bin/env bash
# Installs what is missing, builds, and starts Varnix Chess.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release -DVARNIX_BUILD_TESTS=OFF
exec "$root/build/bin/varnix-chess" "$@"
