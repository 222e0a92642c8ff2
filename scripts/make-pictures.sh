#!/usr/bin/env bash
# Redraws the pictures under resources/pictures from tools/makepictures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target velmora_makepictures -j"$(nproc)"
QT_QPA_PLATFORM=offscreen "$build/tools/makepictures/velmora_makepictures" "$root/resources/pictures"
