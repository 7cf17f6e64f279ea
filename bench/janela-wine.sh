#!/usr/bin/env bash
# The Windows program under Wine, in Wine's own desktop of 1280 x 1024 on an X server of its
# own: how long it takes to show its window, then its CPU and memory and those of wineserver
# with the whole show running at N = 99999, maximised. Wine is not Windows: a rough figure.
#   bench/janela-wine.sh [seconds]     (needs scripts/build-windows.sh first)
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-30}
programa=build-windows/src/mainwindow/rodaleque.exe
sonda=build-windows/tests/windows/sonda_janelas.exe
[ -f "$programa" ] && [ -f "$sonda" ] || { echo "build first (scripts/build-windows.sh)"; exit 1; }

sessao=$(mktemp -d)
pasta="$sessao/programa"
mkdir "$pasta"
cp "$programa" "$pasta/"
parar() { tests/windows/sessao-wine.sh parar "$sessao"; rm -rf "$sessao"; }
trap parar EXIT
tests/windows/sessao-wine.sh iniciar "$sessao" "$sonda" >/dev/null
# shellcheck disable=SC1091
source "$sessao/ambiente"

agora() { date +%s.%N; }
# Three starts, the first one in a prefix that has run nothing yet. Its window on Wine's
# desktop is an X window of its own, named with the caption.
for vez in 1 2 3; do
  inicio=$(agora)
  (cd "$pasta" && exec wine ./rodaleque.exe) >/dev/null 2>&1 &
  until xwininfo -root -tree 2>/dev/null | grep -q '" Rodaleque - 1.0.98"'; do sleep 0.01; done
  fim=$(agora)
  awk -v i="$inicio" -v f="$fim" -v v="$vez" \
    'BEGIN { printf "start %d to window on screen: %.0f ms\n", v, 1000 * (f - i) }'
  sleep 2
  [ "$vez" -lt 3 ] || break
  { pkill -f 'rodaleque.exe' && wait; } 2>/dev/null || true
  while xwininfo -root -tree 2>/dev/null | grep -q '" Rodaleque - 1.0.98"'; do sleep 0.05; done
done

desktop=$(xdotool search --name '^Default - Wine desktop$' | head -n 1)
xdotool windowfocus --sync "$desktop"
xdotool key alt+i
sleep 1
xdotool type --delay 40 99999
xdotool key Return
sleep 3
wine "$sonda" estado ' Rodaleque - 1.0.98' 2>/dev/null | tr -d '\r'

ticks=$(getconf CLK_TCK)
pid=$(pgrep -f 'rodaleque.exe' | head -n 1)
servidor=$(pgrep -f 'wineserver' | head -n 1)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
a0=$(cpu "$pid"); s0=$(cpu "$servidor"); t0=$(agora)
sleep "$segundos"
a1=$(cpu "$pid"); s1=$(cpu "$servidor"); t1=$(agora)
awk -v a="$a0" -v b="$a1" -v c="$s0" -v d="$s1" -v i="$t0" -v f="$t1" -v t="$ticks" 'BEGIN {
  printf "show running, N = 99999, maximised, %.0f s: program %.1f%% of one core, wineserver %.1f%%\n",
    f - i, 100 * (b - a) / t / (f - i), 100 * (d - c) / t / (f - i) }'
grep VmRSS "/proc/$pid/status" | awk '{ printf "program resident memory: %.0f MiB\n", $2 / 1024 }'
