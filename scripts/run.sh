#!/usr/bin/env bash
# Quick start 1: install what is missing, build Velmora and start it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$root/build" -j"$(nproc)"
exec "$root/build/app/velmora" "$@"
