#!/usr/bin/env bash
# Builds and runs every test: once as built for use, once under AddressSanitizer and
# UndefinedBehaviorSanitizer; then the fuzz targets, for a bounded time each; then the Windows
# program and its tests, built here and run under Wine (Qt for Windows is built first if this
# machine has none yet).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRODALEQUE_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs" --timeout 600)
}

export QT_QPA_PLATFORM=offscreen
run_suite build
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build-sanitize -DRODALEQUE_SANITIZE=ON -DRODALEQUE_BUILD_BENCH=OFF
scripts/fuzz.sh

scripts/build-windows.sh
(cd build-windows && ctest --output-on-failure -j"$jobs" --timeout 600)
