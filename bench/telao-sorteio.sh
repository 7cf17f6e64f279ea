#!/usr/bin/env bash
# From a draw to the audience screen (bench_telao_sorteio) on two monitors: Mutter headless with
# a 1280 x 1024 monitor for the operator and a 1920 x 1080 one for the audience, the program
# through its Xwayland; once with the history (N = 99999), once with the board (N = 75).
#   bench/telao-sorteio.sh [draws]      default 30
set -euo pipefail
script=$(readlink -f "$0")
cd "$(dirname "$script")/.."
sorteios=${1:-30}
medidor=build/bench/bench_telao_sorteio
[ -x "$medidor" ] || { echo "build first (scripts/run.sh)"; exit 1; }
if [ -z "${SESSAO_GNOME_PASTA:-}" ]; then
  exec scripts/sessao-gnome.sh --mutter 1280x1024 1920x1080 -- "$script" "$sorteios"
fi
source scripts/servidor-x.sh
iniciar_na_sessao "$SESSAO_GNOME_PASTA"
for n in 99999 75; do
  echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
  "$medidor" "$n" "$sorteios" 2>/dev/null
done
