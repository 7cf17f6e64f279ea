#!/usr/bin/env bash
# Starts the real program under its own Xvfb, enters a participant count, draws a few
# numbers with the keyboard as an operator would, and saves a screenshot of the window.
#   scripts/screenshot.sh [output.png] [participants] [draws]
set -euo pipefail
cd "$(dirname "$0")/.."
saida=${1:-docs/screenshot.png}
participantes=${2:-250}
sorteios=${3:-12}
source scripts/xvfb-programa.sh

informar_participantes "$participantes"
for _ in $(seq "$sorteios"); do xdotool key Return; sleep 0.15; done
sleep 0.5
mkdir -p "$(dirname "$saida")"
import -window "$janela" "$saida"
echo "saved $saida"
