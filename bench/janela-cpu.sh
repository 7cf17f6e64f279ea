#!/usr/bin/env bash
# The whole program under its own Xvfb: CPU while N = 99999 is entered and all six spinning
# timers run, then resident memory once the panel holds all 99999 entries.
#   bench/janela-cpu.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-20}
source scripts/xvfb-programa.sh
informar_participantes 99999
sleep 1

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
antes=$(cpu); inicio=$(date +%s.%N)
sleep "$segundos"
depois=$(cpu); fim=$(date +%s.%N)
awk -v a="$antes" -v d="$depois" -v i="$inicio" -v f="$fim" -v t="$ticks" \
  'BEGIN { printf "CPU with the six spinning timers running: %.1f%% of one core over %.1f s\n", 100 * (d - a) / t / (f - i), f - i }'
grep VmRSS "/proc/$pid/status" | awk '{ printf "resident memory, empty panel: %.1f MiB\n", $2 / 1024 }'

echo "drawing all 99999 numbers (each one synced to disk; this takes a few minutes)..."
inicio=$(date +%s)
xdotool key --delay 1 --repeat 99999 Return
# Wait until the results file holds every line.
arquivo=$(ls "$pasta"/sn.*.txt)
while [ "$(wc -l < "$arquivo")" -lt 99999 ]; do sleep 1; done
echo "all drawn in $(( $(date +%s) - inicio )) s; $(wc -l < "$arquivo") lines in the results file"
grep VmRSS "/proc/$pid/status" | awk '{ printf "resident memory with 99999 entries: %.1f MiB\n", $2 / 1024 }'
grep VmHWM "/proc/$pid/status" | awk '{ printf "peak resident memory: %.1f MiB\n", $2 / 1024 }'
