# Sourced by the scripts that drive the real program: starts an Xvfb of its own and a copy of
# the program in a scratch folder (its results files go next to the executable), waits for
# the window and enters a participant count with the keyboard, as an operator would.
# Sets: pid (the program), janela (its window), pasta (the scratch folder).
programa=build/src/mainwindow/rodaleque
[ -x "$programa" ] || { echo "build the program first (scripts/run.sh)"; exit 1; }

tela=:$(( 80 + RANDOM % 19 ))
Xvfb "$tela" -screen 0 1024x600x24 -nolisten tcp &
xvfb=$!
pasta=$(mktemp -d)
pid=""
trap 'kill $pid $xvfb 2>/dev/null || true; rm -rf "$pasta"' EXIT
export DISPLAY=$tela
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

cp "$programa" "$pasta/"
"$pasta/rodaleque" &
pid=$!
janela=""
for _ in $(seq 100); do
  janela=$(xdotool search --onlyvisible --name RODALEQUE 2>/dev/null | head -n 1) && [ -n "$janela" ] && break
  sleep 0.1
done
[ -n "$janela" ] || { echo "the window did not appear"; exit 1; }
xdotool windowfocus --sync "$janela"
sleep 0.5

informar_participantes() {
  xdotool key --window "$janela" alt+i
  sleep 0.8
  xdotool type --delay 50 "$1"
  xdotool key Return
  sleep 0.5
}
