#!/usr/bin/env bash
# Builds the fuzz targets (clang++, libFuzzer, ASan and UBSan) in build-fuzz and runs each for
# a bounded time on a copy of its seed corpus, so that the committed seeds stay as they are.
# Any crash, broken property, sanitizer report or hang fails the run; the input that did it is
# left in build-fuzz/findings/. FUZZ_SECONDS sets the time per target (default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

seconds=${FUZZ_SECONDS:-10}
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRODALEQUE_FUZZ=ON -DRODALEQUE_WERROR=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)"

mkdir -p build-fuzz/findings
for seeds in tests/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  work=build-fuzz/corpus/$target
  log=build-fuzz/fuzz_$target.log
  rm -rf "$work" && mkdir -p "$work" && cp "$seeds"* "$work"/
  if ! build-fuzz/tests/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=5 \
      -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$target"- "$work" 2>"$log"; then
    tail -n 40 "$log"
    echo "fuzz_$target failed; the input is in build-fuzz/findings/" >&2
    exit 1
  fi
  echo "fuzz_$target: $(grep -m1 -o 'Done [0-9]* runs in [0-9]* second(s)' "$log")"
done
