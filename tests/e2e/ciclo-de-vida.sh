#!/usr/bin/env bash
# The real program under an X server and window manager of its own, driven as a person would
# with the keyboard and the window manager: one scenario per run.
#   ciclo-de-vida.sh <program> <edge watcher> <scenario>
set -euo pipefail
programa_original=$(readlink -f "$1")
borda=$(readlink -f "$2")
cenario=$3
cd "$(dirname "$0")/../.."
source scripts/servidor-x.sh
source scripts/operador.sh
iniciar_servidor_x 1280x1024

legenda=' Rodaleque - 1.0.98'
falhas=0
falhou() { echo "FAIL: $*"; falhas=$((falhas + 1)); }
confere() { local descricao=$1; shift; if "$@"; then echo "ok: $descricao"; else falhou "$descricao"; fi; }

# A copy of the program in a scratch folder: its results files go next to it.
pasta="$servidor_x_pasta/programa"
mkdir "$pasta"
cp "$programa_original" "$pasta/rodaleque"
programa="$pasta/rodaleque"

iniciar() {
  "$programa" >>"$servidor_x_pasta/programa.log" 2>&1 &
  pid=$!
  servidor_x_pids=("$pid" "${servidor_x_pids[@]}")
  janela=$(timeout 15 xdotool search --sync --onlyvisible --name "^${legenda}\$" | head -n 1)
  [ -n "$janela" ] || { echo "the window did not appear"; cat "$servidor_x_pasta/programa.log"; exit 1; }
  esperar "the window is maximised" maximizada
  xdotool windowactivate --sync "$janela" >/dev/null 2>&1 || true
}

# Waits up to 10 s for a condition.
esperar() {
  local descricao=$1; shift
  local _
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  echo "timed out waiting until: $descricao"; return 1
}

estado() { xprop -id "$janela" _NET_WM_STATE 2>/dev/null; }
maximizada() { estado | grep -q _NET_WM_STATE_MAXIMIZED_VERT && estado | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
normal() { ! estado | grep -q _NET_WM_STATE_MAXIMIZED; }
acima() { estado | grep -q _NET_WM_STATE_ABOVE; }
nao_acima() { ! acima; }
ativa() { xprop -root _NET_ACTIVE_WINDOW | grep -qi "$(printf '0x%x' "$janela")"; }
outra_ativa() { ! ativa; }
# The client area at its built size, 719 x 480, with the whole window centred on the screen.
centrada() {
  local geo; geo=$(xdotool getwindowgeometry "$janela")
  echo "$geo" | grep -q 'Geometry: 719x480' || return 1
  local x y; read -r x y < <(xwininfo -id "$janela" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
  # Centred by the outer size: the client's offset may differ by the frame only.
  [ $(( (1280 - 719) / 2 - x )) -le 10 ] && [ $(( x - (1280 - 719) / 2 )) -le 10 ] &&
    [ $(( (1024 - 480) / 2 - y )) -le 30 ] && [ $(( y - (1024 - 480) / 2 )) -le 30 ]
}
vivo() { kill -0 "$1" 2>/dev/null; }
morto() { ! vivo "$1"; }
lugar() { xwininfo -id "$janela" | awk '/Absolute upper-left X|Absolute upper-left Y|Width:|Height:/ {printf "%s ", $NF}'; }
pergunta() { timeout 10 xdotool search --sync --onlyvisible --name '^Rodaleque$' | head -n 1; }


sortear() { xdotool key Return; sleep 0.3; }

case "$cenario" in
inicio)
  iniciar
  confere "caption$legenda" test "$(xprop -id "$janela" WM_NAME | cut -d'"' -f2)" = "$legenda"
  confere "started maximised" maximizada
  confere "no results file before a draw" test -z "$(ls "$pasta" | grep '^sn\.' || true)"
  ;;

segunda-copia)
  iniciar
  # Another program in front, so that coming to the front is something to see.
  xlogo >/dev/null 2>&1 &
  servidor_x_pids=("$!" "${servidor_x_pids[@]}")
  outra=$(timeout 10 xdotool search --sync --onlyvisible --class xlogo | head -n 1)
  xdotool windowactivate --sync "$outra" >/dev/null 2>&1 || true
  confere "another window is active before the second copy starts" esperar "other active" outra_ativa
  inicio=$(date +%s%N)
  set +e
  timeout 10 "$programa" >>"$servidor_x_pasta/programa.log" 2>&1
  saida=$?
  set -e
  fim=$(date +%s%N)
  echo "the second copy took $(( (fim - inicio) / 1000000 )) ms from start to exit"
  confere "the second copy exits with status 0" test "$saida" -eq 0
  confere "the first copy is restored to its normal size" esperar "restored" normal
  confere "the first copy is the active window" esperar "active" ativa
  confere "at its built size, centred on the screen" esperar "centred" centrada
  confere "the window manager is told its only size" \
    sh -c "xprop -id $janela WM_NORMAL_HINTS | grep -q 'minimum size: 719 by 480' && xprop -id $janela WM_NORMAL_HINTS | grep -q 'maximum size: 719 by 480'"
  xdotool windowsize "$janela" 900 700
  sleep 0.5
  confere "a request for another size leaves it as built" centrada
  confere "the first copy keeps running" vivo "$pid"
  confere "one window with the caption" test "$(xdotool search --onlyvisible --name "^${legenda}\$" | wc -l)" -eq 1
  confere "the second copy set up no series" test -z "$(ls "$pasta" | grep '^sn\.' || true)"
  # A running copy that does not answer (stopped here) still lets a new one end at once.
  kill -STOP "$pid"
  inicio=$(date +%s%N)
  set +e
  timeout 10 "$programa" >>"$servidor_x_pasta/programa.log" 2>&1
  saida=$?
  set -e
  ms=$(( ($(date +%s%N) - inicio) / 1000000 ))
  kill -CONT "$pid"
  echo "with the first copy not answering, the second took $ms ms"
  confere "a second copy that gets no answer exits with status 0" test "$saida" -eq 0
  confere "within about a second" test "$ms" -lt 3000
  ;;

dez-copias)
  pids=()
  for _ in $(seq 10); do
    "$programa" >>"$servidor_x_pasta/programa.log" 2>&1 &
    pids+=($!)
  done
  servidor_x_pids=("${pids[@]}" "${servidor_x_pids[@]}")
  um_vivo() { local n=0 p; for p in "${pids[@]}"; do vivo "$p" && n=$((n + 1)); done; [ "$n" -eq 1 ]; }
  uma_janela() { [ "$(xdotool search --onlyvisible --name "^${legenda}\$" 2>/dev/null | wc -l)" -eq 1 ]; }
  confere "nine of ten simultaneous starts end" esperar "one left" um_vivo
  sleep 1
  confere "exactly one copy stays running" um_vivo
  confere "exactly one window" esperar "one window" uma_janela
  # A claim left by a copy that was killed does not stop the next start.
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  iniciar
  confere "a copy starts after the running one was killed" vivo "$pid"
  ;;

fechar)
  iniciar
  wmctrl -i -c "$janela"
  confere "closing with nothing drawn ends the program at once" esperar "ended" morto "$pid"
  iniciar
  informar_participantes 30
  sortear
  wmctrl -i -c "$janela"
  caixa=$(pergunta)
  confere "closing after a draw asks" test -n "$caixa"
  xdotool windowactivate --sync "$caixa" >/dev/null 2>&1 || true
  xdotool key Escape
  sleep 1
  confere "Escape answers No and the program goes on" vivo "$pid"
  confere "the question is gone" test -z "$(xdotool search --onlyvisible --name '^Rodaleque$' 2>/dev/null || true)"
  wmctrl -i -c "$janela"
  caixa=$(pergunta)
  xdotool windowactivate --sync "$caixa" >/dev/null 2>&1 || true
  xdotool key Return
  confere "Enter answers Yes and the program ends" esperar "ended" morto "$pid"
  set +e; wait "$pid"; saida=$?; set -e
  confere "it ends with status 0" test "$saida" -eq 0
  ;;

sempre-visivel)
  iniciar
  antes=$(lugar)
  xdotool key alt+e
  confere "the window manager keeps it above the others" esperar "above" acima
  confere "it did not move or change size" test "$(lugar)" = "$antes"
  xdotool key alt+e
  confere "unchecked, it returns to normal stacking" esperar "not above" nao_acima
  confere "it still did not move or change size" test "$(lugar)" = "$antes"
  ;;

chacoalhar)
  iniciar
  informar_participantes 30
  sortear
  # A row through the lower panel, below the tool bar's top: the first light grey pixel from
  # the left is the panel's left edge.
  topo=$(xwininfo -id "$janela" | awk '/Absolute upper-left Y/ {print $NF}')
  altura_tela=$(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[2]}')
  linha=$(awk -v t="$topo" -v h="$altura_tela" 'BEGIN { printf "%d", t + int((h * 15 - 7155) / 3 / 15 + 0.5) + 230 }')
  parado=$("$borda" "$linha" 300 | tail -n 1)
  "$borda" "$linha" 2500 >"$servidor_x_pasta/bordas" &
  observador=$!
  sleep 0.3
  xdotool key alt+c
  wait "$observador"
  echo "panel edge at rest: $parado; seen during the shake: $(tr '\n' ' ' <"$servidor_x_pasta/bordas")"
  confere "the panel's edge was found" test "$parado" -gt 0
  confere "the shake moves the panel on screen" grep -qx "$((parado + 5))" "$servidor_x_pasta/bordas"
  confere "it moved more than once" test "$(grep -cx "$((parado + 5))" "$servidor_x_pasta/bordas")" -ge 5
  confere "and puts it back" test "$(tail -n 1 "$servidor_x_pasta/bordas")" = "$parado"
  ;;

*)
  echo "unknown scenario $cenario"; exit 2 ;;
esac

[ "$falhas" -eq 0 ] || { echo "$falhas check(s) failed"; cat "$servidor_x_pasta/programa.log"; exit 1; }
