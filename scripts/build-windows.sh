#!/usr/bin/env bash
# Builds the Windows program and its Windows tests here, with MinGW-w64 against Qt for Windows
# (built once per machine by scripts/build-qt-windows.sh): build-windows/ holds rodaleque.exe,
# one executable that needs only Windows' own DLLs. Its tests run under Wine with
#   ctest --test-dir build-windows
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
qt=$(scripts/build-qt-windows.sh | tail -n 1)

cmake -S . -B build-windows -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DCMAKE_PREFIX_PATH="$qt" \
  -DCMAKE_BUILD_TYPE=Release \
  -DRODALEQUE_WERROR=ON \
  -DRODALEQUE_BUILD_BENCH=OFF >/dev/null
cmake --build build-windows -j"$(nproc)"
