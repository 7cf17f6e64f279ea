#!/usr/bin/env bash
# The audience window alone at rest, full screen on an X server of each size: its CPU, the
# timers and paints it receives (bench_telao_parado), and the X server's CPU meanwhile.
#   bench/telao-parado.sh [seconds] [N] [sizes...]     default 10 s, N = 99999, 3840x2160 1280x720
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-10}
n=${2:-99999}
shift $(($# < 2 ? $# : 2))
tamanhos=("$@")
[ ${#tamanhos[@]} -gt 0 ] || tamanhos=(3840x2160 1280x720)
medidor=build/bench/bench_telao_parado
[ -x "$medidor" ] || { echo "build first (scripts/run.sh)"; exit 1; }
source scripts/servidor-x.sh
source bench/cpu-entre-linhas.sh
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for tamanho in "${tamanhos[@]}"; do
  iniciar_servidor_x "$tamanho"
  xvfb=${servidor_x_pids[0]}
  saida="$servidor_x_pasta/medidas"
  "$medidor" "$segundos" "$n" >"$saida" 2>&1 &
  medidor_pid=$!
  servidor_x_pids=("$medidor_pid" "${servidor_x_pids[@]}")
  cpu_entre "rest begins" "rest ends" "$saida" "X server $tamanho at rest" "$xvfb"
  wait "$medidor_pid" || true
  cat "$saida"
  parar_servidor_x
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
