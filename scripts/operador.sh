# Sourced by the scripts that drive the real program: what an operator does with the keyboard.
#   esperar_janela PID         waits up to 20 s for the main window of PID, sets janela and gives
#                              it the focus; fails if it did not appear
#   informar_participantes N   enters the participant count, which sets up a series
esperar_janela() {
  # The caption holds the product's name, in whatever case.
  janela=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$1" \
    --name '[Rr][Oo][Dd][Aa][Ll][Ee][Qq][Uu][Ee]' 2>/dev/null | head -n 1) || true
  [ -n "$janela" ] || return 1
  xdotool windowactivate --sync "$janela" 2>/dev/null || xdotool windowfocus --sync "$janela"
  sleep 0.5
}

informar_participantes() {
  xdotool key --window "$janela" alt+i
  # The input box is titled with the product's name alone.
  timeout 10 xdotool search --sync --onlyvisible --name '^Rodaleque$' >/dev/null
  sleep 0.3
  xdotool type --delay 20 "$1"
  xdotool key Return
  sleep 0.5
}
