#!/usr/bin/env bash
# Starts the real program under its own Xvfb, enters a participant count, draws a few
# numbers with the keyboard as an operator would, and saves a screenshot.
#   scripts/screenshot.sh [output.png] [participants] [draws]
set -euo pipefail
cd "$(dirname "$0")/.."
saida=${1:-docs/screenshot.png}
participantes=${2:-250}
sorteios=${3:-12}
programa=build/src/mainwindow/rodaleque
[ -x "$programa" ] || { echo "build the program first (scripts/run.sh or cmake --build build)"; exit 1; }

tela=:$(( 90 + RANDOM % 9 ))
Xvfb "$tela" -screen 0 1024x600x24 -nolisten tcp &
xvfb=$!
pasta=$(mktemp -d)
trap 'kill $programa_pid $xvfb 2>/dev/null || true; rm -rf "$pasta"' EXIT
export DISPLAY=$tela
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The results files go next to the executable: run a copy in a scratch folder.
cp "$programa" "$pasta/"
"$pasta/rodaleque" &
programa_pid=$!
janela=""
for _ in $(seq 100); do
  janela=$(xdotool search --onlyvisible --name RODALEQUE 2>/dev/null | head -n 1) && [ -n "$janela" ] && break
  sleep 0.1
done
[ -n "$janela" ] || { echo "the window did not appear"; exit 1; }
xdotool windowfocus --sync "$janela"
sleep 0.5
xdotool key --window "$janela" alt+i
sleep 0.8
xdotool type --delay 50 "$participantes"
xdotool key Return
sleep 0.5
for _ in $(seq "$sorteios"); do xdotool key Return; sleep 0.15; done
sleep 0.5
mkdir -p "$(dirname "$saida")"
import -window "$janela" "$saida"
echo "saved $saida"
