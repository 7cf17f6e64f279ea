#!/usr/bin/env bash
# The program with its whole show under an X server and window manager of its own, at
# 1280 x 1024: rain paints per second, the program's CPU and memory, and the X server's CPU,
# maximised with every timer running, with the animation off, and not maximised. Then how
# long the program takes to show its maximised window, and a second copy to hand over and end.
#   bench/janela-animacao.sh [seconds of the maximised phase]
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-30}
medidor=build/bench/bench_janela_animada
programa=build/src/mainwindow/rodaleque
[ -x "$medidor" ] && [ -x "$programa" ] || { echo "build first (scripts/run.sh)"; exit 1; }
source scripts/servidor-x.sh
source scripts/operador.sh
iniciar_servidor_x 1280x1024
xvfb=${servidor_x_pids[0]}
pasta="$servidor_x_pasta/programa"
mkdir "$pasta"
cp "$medidor" "$programa" "$pasta/"

source bench/cpu-entre-linhas.sh

saida="$servidor_x_pasta/medidas"
"$pasta/bench_janela_animada" "$segundos" >"$saida" 2>/dev/null &
servidor_x_pids=("$!" "${servidor_x_pids[@]}")
janela=$(timeout 20 xdotool search --sync --onlyvisible --name '^ Rodaleque - ' | head -n 1)
xdotool windowactivate --sync "$janela" >/dev/null 2>&1 || true
sleep 0.5
informar_participantes 99999

for fase in maximised animation-off not-maximised; do
  cpu_entre "phase $fase begins" "phase $fase ends" "$saida" "phase $fase: X server" "$xvfb"
  grep "phase $fase ends" "$saida"
done
wait "${servidor_x_pids[0]}" 2>/dev/null || true

# Start-up: from the command to a maximised window on screen; then a second copy.
inicio=$(agora)
"$pasta/rodaleque" &
primeiro=$!
servidor_x_pids=("$primeiro" "${servidor_x_pids[@]}")
until janela=$(xdotool search --onlyvisible --name '^ Rodaleque - ' 2>/dev/null | head -n 1) &&
  [ -n "$janela" ] && xprop -id "$janela" _NET_WM_STATE | grep -q MAXIMIZED_HORZ; do sleep 0.01; done
fim=$(agora)
awk -v i="$inicio" -v f="$fim" 'BEGIN { printf "start to maximised window on screen: %.0f ms\n", 1000 * (f - i) }'
sleep 1
for _ in 1 2 3; do
  inicio=$(agora); "$pasta/rodaleque"; fim=$(agora)
  awk -v i="$inicio" -v f="$fim" 'BEGIN { printf "second copy, start to exit: %.0f ms\n", 1000 * (f - i) }'
done
