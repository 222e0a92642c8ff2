#!/usr/bin/env bash
# Quick start 2: install what is missing, build with AddressSanitizer and UBSan, run every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-sanitize}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DBUILD_TESTING=ON
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
# The leak checker counts what the loader allocates (the thread-local blocks of loaded libraries)
# as reachable only while it scans thread-local storage (use_tls, on by default): with it off,
# a fresh machine reported such a block as a leak. It does not follow __tls_get_addr calls
# (intercept_tls_get_addr=0): gcc 12's checker guesses a block's bounds from the bytes in
# front of it and, reading the allocator's own header there, scanned a wild range and crashed
# at exit ("Tracer caught signal 11").
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0:intercept_tls_get_addr=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "$build"
ctest --output-on-failure -j"$(nproc)"
