#!/usr/bin/env bash
# Starts the real program under an X server of its own, enters a participant count, draws a
# few numbers with the keyboard as an operator would, lets the rain fall, and saves a picture
# of the screen; with "sobre", it then opens the About window with a click on its image and
# saves that too.
#   scripts/screenshot.sh [output.png] [participants] [draws] [sobre]
set -euo pipefail
cd "$(dirname "$0")/.."
saida=${1:-docs/screenshot.png}
participantes=${2:-250}
sorteios=${3:-12}
sobre=${4:-}
source scripts/xvfb-programa.sh

informar_participantes "$participantes"
for _ in $(seq "$sorteios"); do xdotool key Return; sleep 0.15; done
sleep 3 # the rain's first columns reach the bottom
mkdir -p "$(dirname "$saida")"
import -window root "$saida"
echo "saved $saida"

if [ "$sobre" = sobre ]; then
  # The image that opens it sits at the panel's top right; the panel is centred across the
  # screen and a third of the free height down.
  read -r x y < <(xwininfo -id "$janela" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
  read -r w h < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
  xdotool mousemove "$(awk -v x="$x" -v w="$w" 'BEGIN { printf "%d", x + int((w * 15 - 10755) / 2 / 15 + 0.5) + 690 }')" \
    "$(awk -v y="$y" -v h="$h" 'BEGIN { printf "%d", y + int((h * 15 - 7155) / 3 / 15 + 0.5) + 238 }')" click 1
  timeout 10 xdotool search --sync --onlyvisible --name '^ Sobre: Rodaleque$' >/dev/null
  sleep 1
  import -window root "${saida%.png}-sobre.png"
  echo "saved ${saida%.png}-sobre.png"
fi
