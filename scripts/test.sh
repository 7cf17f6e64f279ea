#!/usr/bin/env bash
# Builds and runs every test: once as built for use, once under AddressSanitizer and
# UndefinedBehaviorSanitizer; then the fuzz targets, for a bounded time each; then the Windows
# program and its tests, built here and run under Wine (Qt for Windows is built first if this
# machine has none yet).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
etapa() { echo "== test.sh: $1 after $((SECONDS / 60)) min $((SECONDS % 60)) s"; }
run_suite() {
  local dir=$1 tipo=$2; shift 2
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$tipo" -DRODALEQUE_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  etapa "$dir built"
  (cd "$dir" && ctest --output-on-failure -j"$jobs" --timeout 600)
  etapa "$dir tested"
}

export QT_QPA_PLATFORM=offscreen
run_suite build Release
# Symbols, so that a sanitizer's report names the lines.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build-sanitize RelWithDebInfo -DRODALEQUE_SANITIZE=ON -DRODALEQUE_BUILD_BENCH=OFF

# Each fuzz target runs on one core for a set time: the Windows build takes the other meanwhile.
registro=$(mktemp)
scripts/build-windows.sh >"$registro" 2>&1 &
windows=$!
scripts/fuzz.sh
etapa "fuzz targets run"
wait "$windows" || { cat "$registro"; exit 1; }
rm -f "$registro"
etapa "build-windows built"
(cd build-windows && ctest --output-on-failure -j"$jobs" --timeout 600)
etapa "build-windows tested"
