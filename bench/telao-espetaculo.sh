#!/usr/bin/env bash
# The main window's show with and without the audience screen, on two monitors: Mutter headless
# with a 1280 x 1024 monitor for the operator and a 1920 x 1080 one for the audience, the
# program through its Xwayland. Rounds alternate the two so that both meet the same load; each
# runs bench_janela_animada and reads its maximised phase (every timer running) and the
# compositor's CPU (Mutter and its Xwayland) meanwhile. Prints every round, then the medians.
#   bench/telao-espetaculo.sh [rounds] [seconds]       default 3 rounds of 15 s
set -euo pipefail
script=$(readlink -f "$0")
cd "$(dirname "$script")/.."
rodadas=${1:-3}
segundos=${2:-15}
medidor=build/bench/bench_janela_animada
[ -x "$medidor" ] || { echo "build first (scripts/run.sh)"; exit 1; }
if [ -z "${SESSAO_GNOME_PASTA:-}" ]; then
  exec scripts/sessao-gnome.sh --mutter 1280x1024 1920x1080 -- "$script" "$rodadas" "$segundos"
fi
source scripts/servidor-x.sh
source scripts/operador.sh
source bench/cpu-entre-linhas.sh
iniciar_na_sessao "$SESSAO_GNOME_PASTA"
mutter=$(pgrep -P "$PPID" -x mutter)
compositor=("$mutter" $(pgrep -P "$mutter" -x Xwayland))
figuras="$servidor_x_pasta/figuras"

# One run: prints the phase's figures and appends them, as numbers, to figuras.VARIANT.
rodar() {
  local variante=$1 saida="$servidor_x_pasta/medidas.$1" linha cpu_comp
  "$medidor" "$segundos" "$variante" >"$saida" 2>/dev/null &
  local pid=$!
  servidor_x_pids=("$pid" "${servidor_x_pids[@]}")
  esperar_janela "$pid" || { echo "the window did not appear"; exit 1; }
  informar_participantes 99999
  cpu_entre "phase maximised begins" "phase maximised ends" "$saida" "  of which Xwayland" "${compositor[1]}" >"$saida.xwayland" &
  cpu_comp=$(cpu_entre "phase maximised begins" "phase maximised ends" "$saida" "compositor" "${compositor[@]}")
  wait $!
  linha=$(grep "phase maximised ends" "$saida")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$variante, load $(cut -d' ' -f1 /proc/loadavg): $(grep -h "audience screen" "$saida" | paste -sd';' || true)"
  echo "  $linha"; echo "  $cpu_comp"; cat "$saida.xwayland"
  # paints/s, interval median, 95th percentile, worst, CPU, compositor CPU
  echo "$linha $cpu_comp" | grep -oE '[0-9]+\.[0-9]+' | sed -n '2,6p;8p' | paste -sd' ' >>"$figuras.$variante"
}

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
for r in $(seq "$rodadas"); do
  echo "round $r"
  rodar sem
  rodar telao
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
mediana() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
printf "medians of %s rounds       %12s %12s\n" "$rodadas" "without" "with audience screen"
coluna=1
for nome in "rain paints per second" "frame interval median, ms" "frame interval 95th pct, ms" \
  "worst frame interval, ms" "program CPU, % of a core" "compositor CPU, % of a core"; do
  printf "  %-30s %12s %12s\n" "$nome" "$(cut -d' ' -f$coluna "$figuras.sem" | mediana)" \
    "$(cut -d' ' -f$coluna "$figuras.telao" | mediana)"
  coluna=$((coluna + 1))
done
