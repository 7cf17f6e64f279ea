#!/usr/bin/env bash
# The real program under an X server and window manager of its own, driven as a person would
# with the keyboard and the window manager: one scenario per run, on one desktop.
#   ciclo-de-vida.sh <program> <edge watcher> <scenario>
#                    <openbox|mutter|kwin|gnome|kwin-wayland|dois-monitores> <console verifier>
# openbox, Mutter and KWin manage an Xvfb; gnome is GNOME Shell on Wayland, headless, where the
# program runs through Xwayland as a launcher starts it, or, in the scenario wayland, as a
# native Wayland client; kwin-wayland is KWin on Wayland, headless, the program through its
# Xwayland; dois-monitores is Mutter on Wayland, headless, with two monitors, the program
# through its Xwayland.
set -euo pipefail
programa_original=$(readlink -f "$1")
borda=$(readlink -f "$2")
cenario=$3
ambiente=$4
verificador=$(readlink -f "$5")
script=$(readlink -f "$0")
cd "$(dirname "$script")/../.."
if [ -z "${SESSAO_GNOME_PASTA:-}${SESSAO_KWIN_PASTA:-}" ]; then
  case "$ambiente" in
  gnome) sessao=(scripts/sessao-gnome.sh 1280x1024) ;;
  # Mutter alone with two monitors side by side: an operator's screen and a projector.
  dois-monitores) sessao=(scripts/sessao-gnome.sh --mutter 1280x1024 1920x1080) ;;
  kwin-wayland) sessao=(scripts/sessao-kwin.sh 1280x1024) ;;
  *) sessao=() ;;
  esac
  [ ${#sessao[@]} -eq 0 ] ||
    exec "${sessao[@]}" -- "$script" "$programa_original" "$borda" "$cenario" "$ambiente" "$verificador"
fi
source scripts/servidor-x.sh
source scripts/operador.sh
case "$cenario/$ambiente" in
sem-gerenciador/*) iniciar_servidor_x 1280x1024 sem-gerenciador ;;
*/gnome|*/dois-monitores) iniciar_na_sessao "$SESSAO_GNOME_PASTA" ;;
*/kwin-wayland) iniciar_na_sessao "$SESSAO_KWIN_PASTA" ;;
*) iniciar_servidor_x 1280x1024 "$ambiente" ;;
esac

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
  local inicio; inicio=$(date +%s%N)
  "$programa" >>"$servidor_x_pasta/programa.log" 2>&1 &
  pid=$!
  servidor_x_pids=("$pid" "${servidor_x_pids[@]}")
  esperar_janela_principal
  echo "on $ambiente, maximised $(( ($(date +%s%N) - inicio) / 1000000 )) ms after the start"
}

# Waits up to 10 s for a condition, however long each look at it takes.
esperar() {
  local descricao=$1; shift
  local fim=$(($(date +%s%N) + 10000000000))
  while :; do "$@" && return 0; [ "$(date +%s%N)" -lt "$fim" ] || break; sleep 0.1; done
  echo "timed out waiting until: $descricao"; return 1
}

estado() { xprop -id "$janela" _NET_WM_STATE 2>/dev/null; }
maximizada() { estado | grep -q _NET_WM_STATE_MAXIMIZED_VERT && estado | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
# Maximised, and grown to its monitor's width: the window manager has sent the size too.
maximizada_ja() { maximizada && [ "$(geometria "$janela" | cut -dx -f1)" = "$(monitor_de "$janela" | cut -dx -f1)" ]; }
# The windows from the bottom of the stack up, as the window manager keeps them.
pilha() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'; }
acima_de() { local p; p=$(pilha); p=${p##*$(printf '0x%x' "$1")}; echo "$p" | grep -qi "$(printf '0x%x' "$janela")"; }
abaixo_de() { ! acima_de "$1"; }
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
# The first visible window with this name, waiting up to 15 s; empty if none came. A search
# that meets a window going away (a killed program's) fails, and is simply made again.
procurar() {
  local id _
  for _ in $(seq 75); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
}
pergunta() { procurar '^Rodaleque$'; }
# The centre of a window's frame, on screen.
centro() {
  local x y w h l r t b
  read -r x y w h < <(cliente "$1")
  read -r l r t b < <(moldura "$1")
  echo $(( (x - l) + (w + l + r) / 2 )) $(( (y - t) + (h + t + b) / 2 ))
}
# The window's frame centred on the 1280 x 1024 screen, or over the window $2, to within 2 pixels;
# prints how far off.
no_centro() {
  local cx=640 cy=512 x y dx dy
  [ -n "${2:-}" ] && read -r cx cy < <(centro "$2")
  read -r x y < <(centro "$1")
  dx=$(( x - cx )); dy=$(( y - cy ))
  echo "$dx, $dy"
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}


sortear() { xdotool key Return; sleep 0.3; }
# The results files (their records, "-registro.txt", beside them), newest first; the newest's
# name; how many lines a file holds; whether a results file verifies intact against its record.
arquivos_de_resultados() { ls -t "$pasta" | grep '^sn\.' | grep -v -- '-registro\.txt$' || true; }
resultados() { arquivos_de_resultados | head -n 1; }
intacta() { "$verificador" "$pasta/$1" >"$servidor_x_pasta/verificacao" && grep -q '^Série íntegra' "$servidor_x_pasta/verificacao"; }
linhas() { tr -d '\r' <"$1" | grep -c . || true; }
# Whether the file $1 begins with the bytes of the file $2.
comeca_com() { cmp -s "$2" <(head -c "$(stat -c %s "$2")" "$1"); }
# Starts the program where it will ask a question before its window shows: sets pid and caixa.
iniciar_com_pergunta() {
  "$programa" >>"$servidor_x_pasta/programa.log" 2>&1 &
  pid=$!
  servidor_x_pids=("$pid" "${servidor_x_pids[@]}")
  caixa=$(pergunta)
}
esperar_janela_principal() {
  janela=$(procurar "^${legenda}\$")
  [ -n "$janela" ] || {
    echo "the window did not appear; the program's windows, and whether it runs:"
    xwininfo -root -tree | grep -i rodaleque || true
    local w; for w in $(xdotool search --name "^${legenda}\$" 2>/dev/null); do
      xwininfo -id "$w" | grep 'Map State'; xprop -id "$w" WM_STATE _NET_WM_STATE
    done
    ps -o pid,stat,wchan:32,args -p "$pid" || true
    cat "$servidor_x_pasta/programa.log" "$servidor_x_pasta/$ambiente.log" 2>/dev/null; exit 1
  }
  esperar "the window is maximised" maximizada_ja
  xdotool windowactivate --sync "$janela" >/dev/null 2>&1 || true
}

# The window's client area on screen, and the frame openbox puts around it.
cliente() { xwininfo -id "${1:-$janela}" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'; }
moldura() { xprop -id "${1:-$janela}" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'; }
# A window's client area, and the monitors as RandR reports them, as WIDTHxHEIGHT+X+Y; the
# monitor a window's centre lies on.
geometria() { cliente "$1" | awk '{printf "%dx%d+%d+%d\n", $3, $4, $1, $2}'; }
monitores() { xrandr --listmonitors | awk 'NR > 1 {g = $3; gsub(/\/-?[0-9]+/, "", g); print g}'; }
monitor_de() {
  local x y w h; read -r x y w h < <(cliente "$1")
  monitores | awk -F'[x+]' -v cx=$((x + w / 2)) -v cy=$((y + h / 2)) \
    '$3 <= cx && cx < $3 + $1 && $4 <= cy && cy < $4 + $2'
}
# A real pointer click on the title bar's maximise (or restore) button, 27 px in from the
# frame's right edge on openbox's default theme.
clicar_maximizar() {
  local x y w h l r t b
  read -r x y w h < <(cliente)
  read -r l r t b < <(moldura)
  xdotool mousemove $((x + w + r - 27)) $((y - t + 10)) click 1
}
# The panel's left edge as seen on screen, on a row through its lower part, given how far
# down the client area the panel's top lies.
borda_no_painel() {
  local x y w h
  read -r x y w h < <(cliente)
  "$borda" $((y + $1 + 230)) 300 | tail -n 1
}
# Maximised, the panel sits centred across the screen, a third of the free height down:
# 282 px from the left at 1280 px wide.
painel_centrado() {
  local x y w h; read -r x y w h < <(cliente)
  local e; e=$(borda_no_painel 182)
  [ $((e - x - 282)) -le 2 ] && [ $((x + 282 - e)) -le 2 ]
}
# The rain falls in the left margin: two looks a moment apart differ.
margem() { import -window root -crop 250x700+10+150 rgb:- 2>/dev/null | md5sum; }
chove() { local a; a=$(margem); sleep 0.4; [ "$(margem)" != "$a" ]; }
maximizada_de_novo() {
  clicar_maximizar
  confere "$1: the title bar's button maximises it again" esperar "maximised" maximizada
  confere "$1: the panel is centred" esperar "panel centred" painel_centrado
  confere "$1: the rain falls again" esperar "rain" chove
}

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
  confere "the window manager offers to maximise it" \
    sh -c "xprop -id $janela _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_MAXIMIZE_HORZ"
  xdotool windowsize "$janela" 900 700
  confere "a request for another size is undone, back as built" esperar "as built" centrada
  confere "the first copy keeps running" vivo "$pid"
  confere "one window with the caption" test "$(xdotool search --onlyvisible --name "^${legenda}\$" | wc -l)" -eq 1
  confere "the second copy set up no series" test -z "$(ls "$pasta" | grep '^sn\.' || true)"
  # Minimised, the other window active, and a second copy started as the desktop's launcher
  # starts it: announced to the window manager, with the startup id in its environment.
  xdotool windowminimize --sync "$janela" >/dev/null 2>&1 || true
  xdotool windowactivate --sync "$outra" >/dev/null 2>&1 || true
  confere "minimised, another window active" esperar "other active" outra_ativa
  id=$("$(dirname "$borda")/anunciar_inicio" Rodaleque)
  DESKTOP_STARTUP_ID=$id timeout 10 "$programa" >>"$servidor_x_pasta/programa.log" 2>&1 || true
  confere "started by a launcher, a second copy brings it back, active" esperar "active" ativa
  confere "at its built size, centred on the screen" esperar "centred" centrada
  confere "the window answered the launch" \
    sh -c "xprop -id $janela _NET_STARTUP_ID | grep -qF '\"$id\"'"
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
  # GNOME Shell attaches a modal dialog to its window and centres it over that one itself (its
  # attach-modal-dialogs), whatever place the program asks for.
  if [ "$ambiente" = gnome ]; then
    confere "the question is centred over the window" no_centro "$caixa" "$janela"
  else
    confere "the question is centred on the screen" no_centro "$caixa"
  fi
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
  case "$ambiente" in mutter|gnome)
    # Mutter keeps no maximised window above the others: the person is told, once, and the
    # window is restored, where it does.
    caixa=$(pergunta)
    confere "maximised on Mutter, the person is told it cannot stay above" test -n "$caixa"
    xdotool windowactivate --sync "$caixa" >/dev/null 2>&1 || true
    xdotool key Return
    wmctrl -i -r "$janela" -b remove,maximized_vert,maximized_horz
    esperar "restored" centrada
    antes=$(lugar) ;;
  esac
  # Another window, activated after: the program stays above it, until unchecked.
  xlogo >/dev/null 2>&1 &
  servidor_x_pids=("$!" "${servidor_x_pids[@]}")
  outra=$(timeout 10 xdotool search --sync --onlyvisible --class xlogo | head -n 1)
  xdotool windowactivate --sync "$outra" >/dev/null 2>&1 || true
  confere "a window activated afterwards does not cover it" esperar "still above" acima_de "$outra"
  xdotool windowactivate --sync "$janela" >/dev/null 2>&1 || true
  xdotool key alt+e
  confere "unchecked, it returns to normal stacking" esperar "not above" nao_acima
  confere "it still did not move or change size" test "$(lugar)" = "$antes"
  xdotool windowactivate --sync "$outra" >/dev/null 2>&1 || true
  confere "then the other window, activated, covers it" esperar "covered" abaixo_de "$outra"
  ;;

serie)
  iniciar
  informar_participantes 30
  for _ in $(seq 5); do sortear; done
  confere "five draws by keyboard: five different numbers of 1..30 on file" \
    test "$(tr -d '\r' <"$pasta/$(resultados)" | sort -nu | awk '$1 >= 1 && $1 <= 30' | wc -l)" -eq 5
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

maximizar-de-novo)
  iniciar
  informar_participantes 30
  sortear
  clicar_maximizar
  confere "the title bar's button restores it" esperar "restored" normal
  confere "restored, at its built size, centred" esperar "centred" centrada
  maximizada_de_novo "after the restore button"
  # A second copy restores the first one.
  timeout 10 "$programa" >>"$servidor_x_pasta/programa.log" 2>&1 || true
  confere "a second copy restores it" esperar "restored" normal
  # Its size and place follow the state: the button is where the restored window ends up.
  confere "restored by a second copy, at its built size, centred" esperar "centred" centrada
  maximizada_de_novo "after a second copy"
  # A drag of the bottom-right corner of the restored window, let go: back as built.
  clicar_maximizar
  esperar "restored" centrada
  read -r x y w h < <(cliente)
  read -r l r t b < <(moldura)
  xdotool mousemove $((x + w + r - 2)) $((y + h + b - 2)) mousedown 1
  for passo in 1 2 3 4 5 6; do xdotool mousemove_relative 25 15; sleep 0.05; done
  durante=$(xdotool getwindowgeometry "$janela" | awk '/Geometry:/ {print $2}')
  xdotool mouseup 1
  confere "the drag grows the window while it goes on ($durante)" test "$durante" != 719x480
  confere "a drag of the corner ends with the window as built" esperar "as built" \
    sh -c "xdotool getwindowgeometry $janela | grep -q 'Geometry: 719x480'"
  maximizada_de_novo "after a drag"
  ;;

continuar)
  # Twelve draws of 30, then the program is killed: started again, it offers the series.
  iniciar
  informar_participantes 30
  for _ in $(seq 12); do sortear; done
  arquivo=$(resultados)
  cp "$pasta/$arquivo" "$servidor_x_pasta/antes"
  confere "twelve numbers on file before the kill" test "$(linhas "$pasta/$arquivo")" -eq 12
  kill -9 "$pid"; wait "$pid" 2>/dev/null || true
  iniciar_com_pergunta
  confere "started again, it asks whether to continue" test -n "$caixa"
  xdotool windowactivate --sync "$caixa" >/dev/null 2>&1 || true
  xdotool key Return
  esperar_janela_principal
  for _ in $(seq 18); do sortear; done
  confere "the series went on in its own file" test "$(resultados)" = "$arquivo"
  confere "which begins with the twelve, unchanged" comeca_com "$pasta/$arquivo" "$servidor_x_pasta/antes"
  confere "and holds each of 1..30 once" \
    test "$(tr -d '\r' <"$pasta/$arquivo" | sort -n | tr '\n' ' ')" = "$(seq 30 | tr '\n' ' ')"
  sortear
  confere "a draw past the last number writes nothing more" test "$(linhas "$pasta/$arquivo")" -eq 30
  confere "the series verifies intact, its record gone on through the kill" intacta "$arquivo"

  # Closed in the orderly way, started afresh, killed mid-series again; this time: No.
  wmctrl -i -c "$janela"; caixa=$(pergunta); xdotool windowactivate --sync "$caixa" >/dev/null 2>&1 || true
  xdotool key Return
  esperar "ended" morto "$pid"
  iniciar
  informar_participantes 30
  for _ in $(seq 4); do sortear; done
  segundo=$(resultados)
  cp "$pasta/$segundo" "$servidor_x_pasta/segundo"
  kill -9 "$pid"; wait "$pid" 2>/dev/null || true
  iniciar_com_pergunta
  xdotool windowactivate --sync "$caixa" >/dev/null 2>&1 || true
  xdotool key Escape
  esperar_janela_principal
  confere "No leaves the old file byte for byte" cmp -s "$servidor_x_pasta/segundo" "$pasta/$segundo"
  antes_de_sortear=$(arquivos_de_resultados | wc -l)
  informar_participantes 30
  sortear
  um_a_mais() { [ "$(arquivos_de_resultados | wc -l)" -eq $((antes_de_sortear + 1)) ]; }
  esperar "the new series' file" um_a_mais || true
  novo=$(resultados)
  confere "and a new series 1 begins" sh -c "echo '$novo' | grep -q '^sn\.1\[' && test '$novo' != '$segundo'"
  confere "in a file of its own" test "$(arquivos_de_resultados | wc -l)" -eq $((antes_de_sortear + 1))
  ;;

arquivo-apagado)
  iniciar
  informar_participantes 30
  for _ in $(seq 5); do sortear; done
  arquivo=$(resultados)
  cp "$pasta/$arquivo" "$servidor_x_pasta/antes"
  rm "$pasta/$arquivo"
  xdotool key Return
  caixa=$(pergunta)
  confere "a draw after the file was deleted tells the operator" test -n "$caixa"
  xdotool windowactivate --sync "$caixa" >/dev/null 2>&1 || true
  xdotool key Return
  sleep 0.5
  novo=$(resultados)
  confere "nothing is made where the file was" test ! -e "$pasta/$arquivo"
  confere "the new file begins with the series' five numbers" comeca_com "$pasta/$novo" "$servidor_x_pasta/antes"
  confere "and goes on with the sixth" test "$(linhas "$pasta/$novo")" -eq 6
  confere "the new file verifies intact against the record that went with it" intacta "$novo"
  confere "whose record says why" grep -q $'^arquivo-refeito\t.*\tmotivo=arquivo-trocado\t' "$pasta/$(basename "$novo" .txt)-registro.txt"
  ;;

registro)
  # The commands without a button, reached with the mouse and the keyboard as a person would:
  # a note through the right-click menu, the Menu key, Shift+F10 and Alt+O; the check of the
  # series through the menu's access key.
  iniciar
  informar_participantes 30
  sortear; sortear
  nota() { caixa=$(pergunta); [ -n "$caixa" ] || return 1; xdotool type --delay 20 "$1"; xdotool key Return; sleep 0.5; }
  read -r x y w h < <(cliente)
  xdotool mousemove $((x + 282 + 300)) $((y + 182 + 330)) click 3
  sleep 0.5
  xdotool key o
  confere "a right click over the results list opens the menu, o its note" nota "pelo clique direito"
  xdotool key Menu; sleep 0.5; xdotool key o
  confere "the Menu key opens it too" nota "pela tecla Menu"
  xdotool key shift+F10; sleep 0.5; xdotool key o
  confere "and Shift+F10" nota "por Shift+F10"
  xdotool key alt+o
  confere "Alt+O asks for a note at once" nota "por Alt+O"
  sortear
  arquivo=$(resultados)
  for texto in "pelo clique direito" "pela tecla Menu" "por Shift+F10" "por Alt+O"; do
    confere "the record holds the note \"$texto\"" grep -q $'^ocorrencia\t.*\ttexto='"$texto"$'\t' "$pasta/$(basename "$arquivo" .txt)-registro.txt"
  done
  confere "and the series verifies intact" intacta "$arquivo"
  xdotool key shift+F10; sleep 0.5; xdotool key v
  dialogo=$(procurar '^Verificar série$')
  confere "v in the menu asks which series to check" test -n "$dialogo"
  xdotool type --delay 20 "$pasta/$arquivo"; xdotool key Return
  caixa=$(pergunta)
  confere "and says what it found" test -n "$caixa"
  xdotool windowactivate --sync "$caixa" >/dev/null 2>&1 || true
  xdotool key Return
  ;;

sem-gerenciador)
  # A kiosk session: nobody maximises the window, which stays as built with all its panel.
  "$programa" >>"$servidor_x_pasta/programa.log" 2>&1 &
  pid=$!
  servidor_x_pids=("$pid" "${servidor_x_pids[@]}")
  janela=$(procurar "^${legenda}\$")
  [ -n "$janela" ] || { echo "the window did not appear"; cat "$servidor_x_pasta/programa.log"; exit 1; }
  xdotool windowfocus --sync "$janela" >/dev/null 2>&1 || true
  sleep 1.5
  read -r x y w h < <(cliente)
  confere "the window keeps its built size" test "${w}x${h}" = 719x480
  e=$(borda_no_painel 2)
  confere "the panel lies at the window's corner, all of it inside ($e)" test "$e" -eq $((x + 2))
  # With no window manager the keyboard goes where the pointer is: over the window.
  xdotool mousemove $((x + 360)) $((y + 240))
  informar_participantes 30
  sortear; sortear; sortear
  # The draw button, where the unmaximised panel has it.
  xdotool mousemove $((x + 624)) $((y + 171)) click 1
  sleep 0.5
  arquivo=$(resultados)
  confere "three draws from the keyboard and one click are in the file" \
    test "$(tr -d '\r' <"$pasta/$arquivo" 2>/dev/null | grep -c .)" -eq 4
  ;;

sobre)
  iniciar
  read -r x y w h < <(cliente)
  # The image that opens it, at the panel's top right.
  xdotool mousemove $((x + 282 + 690)) $((y + 182 + 238)) click 1
  sobre=$(procurar '^ Sobre: Rodaleque$')
  confere "a click on the image opens the About window" test -n "$sobre"
  confere "it asks for no task bar button" \
    sh -c "xprop -id $sobre _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR"
  read -r sx sy sw sh < <(cliente "$sobre")
  confere "its frame is centred on the screen" no_centro "$sobre"
  # openbox offers to minimise any window from its menu, and draws the boxes the window asks for.
  sem='MAXIMIZE|MINIMIZE' nome='maximise or minimise'
  [ "$ambiente" = openbox ] && sem=MAXIMIZE nome=maximise
  confere "it offers no $nome" \
    sh -c "! xprop -id $sobre _NET_WM_ALLOWED_ACTIONS | grep -Eq '$sem'"
  # Something in the primary selection, then a middle click on each box.
  printf 'colado' | xclip -quiet -selection primary >/dev/null 2>&1 &
  servidor_x_pids=("$!" "${servidor_x_pids[@]}")
  esperar "something to paste" sh -c "[ \"\$(xclip -o -selection primary 2>/dev/null)\" = colado ]"
  site=($((sx + 6 + 20)) $((sy + 88 + 10))); mail=($((sx + 42 + 20)) $((sy + 142 + 9)))
  xdotool mousemove "${site[@]}" click 2 mousemove "${mail[@]}" click 2
  # Nothing to wait for: a paste would have come in this time.
  sleep 0.3
  # What each box holds, read back as a user would: dragged over with the mouse, which puts
  # the selection in the primary selection.
  caixa_mostra() {
    local antes; antes=$(xclip -o -selection primary 2>/dev/null || true)
    xdotool mousemove $((sx + $1 + 2)) "$2" mousedown 1 mousemove $((sx + $1 + $3 - 2)) "$2" mouseup 1
    esperar "the selection" sh -c "[ \"\$(xclip -o -selection primary 2>/dev/null)\" != '$antes' ]"
    [ "$(xclip -o -selection primary)" = "$4" ]
  }
  confere "a middle click leaves the e-mail box as it was" \
    caixa_mostra 42 "${mail[1]}" 171 rodaleque@example.com
  confere "a middle click leaves the site box as it was" \
    caixa_mostra 6 "${site[1]}" 351 https://www.example.com/rodaleque
  ;;

ata)
  # The minutes through the real window: Ctrl+P, the form filled in by keyboard, the PDF beside
  # the results file. With no PDF viewer on this machine the program says where the PDF is;
  # then a viewer of the desktop's (a script here) is given the PDF, and nothing is said.
  export XDG_CONFIG_HOME="$servidor_x_pasta/config"
  iniciar
  informar_participantes 30
  for _ in $(seq 3); do sortear; done
  arquivo=$(resultados)
  pdf="$pasta/${arquivo%.txt}-ata.pdf"
  xdotool key ctrl+p
  formulario=$(procurar '^Gerar ata do sorteio$')
  confere "Ctrl+P opens the minutes' form" test -n "$formulario"
  xdotool windowactivate --sync "$formulario" >/dev/null 2>&1 || true
  for campo in "Escola Estadual Exemplo" "vagas do primeiro ano" "quadra da escola" "Marta Nunes" "Rui Alves"; do
    xdotool type --delay 20 "$campo"; xdotool key Tab
  done
  xdotool key Return
  caixa=$(pergunta)
  confere "with no PDF viewer, the program says where the minutes are" test -n "$caixa"
  xdotool windowactivate --sync "$caixa" >/dev/null 2>&1 || true
  xdotool key Return
  sem_caixa() { [ -z "$(xdotool search --onlyvisible --name '^Rodaleque$' 2>/dev/null)" ]; }
  confere "Enter closes the box" esperar "box closed" sem_caixa
  confere "the PDF lies beside the results file, named after it" test -s "$pdf"
  # The table's rows, "position time number — words code": the numbers in draw order.
  numeros_da_ata() { pdftotext -layout "$pdf" - | sed -nE 's/^ *[0-9]+ +[0-9:]{8} +0*([0-9]+) — .*/\1/p'; }
  confere "pdftotext finds the three numbers in draw order" \
    test "$(numeros_da_ata | tr '\n' ' ')" = "$(tr -d '\r' <"$pasta/$arquivo" | tr '\n' ' ')" -a "$(linhas "$pasta/$arquivo")" -eq 3
  confere "and the form's words" sh -c "pdftotext '$pdf' - | grep -q 'Escola Estadual Exemplo'"

  mkdir -p "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME"
  printf '#!/bin/sh\nprintf "%%s" "$1" >"%s/visto"\n' "$servidor_x_pasta" >"$servidor_x_pasta/visualizador"
  chmod +x "$servidor_x_pasta/visualizador"
  printf '[Desktop Entry]\nType=Application\nName=Visualizador\nExec=%s %%f\nMimeType=application/pdf;\n' \
    "$servidor_x_pasta/visualizador" >"$XDG_DATA_HOME/applications/visualizador.desktop"
  printf '[Default Applications]\napplication/pdf=visualizador.desktop\n' >"$XDG_CONFIG_HOME/mimeapps.list"
  rm "$pdf"
  xdotool key ctrl+p
  formulario=$(procurar '^Gerar ata do sorteio$')
  xdotool windowactivate --sync "$formulario" >/dev/null 2>&1 || true
  # The form remembers what it was given in this run: Enter is all it takes.
  xdotool key Return
  confere "with a viewer, the viewer is given the PDF" esperar "viewer" \
    sh -c "[ \"\$(cat '$servidor_x_pasta/visto' 2>/dev/null)\" = '$pdf' ]"
  confere "and nothing is said" sem_caixa
  ;;

telao)
  # The audience screen. With a second monitor it covers that one at once and the keys stay
  # with the operator; with one it is a window the operator can move, and F11 makes it full
  # screen over the main window, taking the keys so that Esc gives them back.
  iniciar
  informar_participantes 30
  sortear
  xdotool key F5
  telao=$(procurar '^Telão do sorteio$')
  confere "F5 opens the audience screen" test -n "$telao"
  [ -n "$telao" ] || exit 1
  tela_cheia() { xprop -id "$telao" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
  em_janela() { ! tela_cheia; }
  cobre() { [ "$(geometria "$telao")" = "$1" ]; }
  telao_ativo() { xprop -root _NET_ACTIVE_WINDOW | grep -qi "$(printf '0x%x' "$telao")"; }
  operador=$(monitor_de "$janela")
  outro=$(monitores | grep -vx "$operador" | head -n 1 || true)
  confere "the main window keeps the keyboard" ativa
  if [ -n "$outro" ]; then
    confere "full screen" esperar "full screen" tela_cheia
    confere "over all of the monitor the main window is not on, $outro" esperar "there" cobre "$outro"
  else
    confere "a window, not full screen" em_janela
    confere "over the main window" esperar "on top" abaixo_de "$telao"
    read -r x y w h < <(cliente "$telao")
    confere "smaller than the screen, ${w}x${h}" test "$w" -lt "${operador%%x*}" -a "$h" -lt "$(echo "$operador" | cut -dx -f2 | cut -d+ -f1)"
    # Dragged by its title bar, as a person moves a window.
    read -r l r t b < <(moldura "$telao")
    xdotool mousemove $((x + w / 2)) $((y - t / 2)) mousedown 1
    for _ in 1 2 3 4 5; do xdotool mousemove_relative 20 10; sleep 0.05; done
    xdotool mouseup 1
    movida() { [ "$(cliente "$telao" | cut -d' ' -f1,2)" = "$((x + 100)) $((y + 50))" ]; }
    confere "it moves with its title bar" esperar "moved" movida
    # The drag gave it the keys; the operator clicks the main window again.
    xdotool windowactivate --sync "$janela" >/dev/null 2>&1 || true
  fi
  for _ in 1 2 3; do sortear; done
  arquivo=$(resultados)
  no_arquivo() { [ "$(linhas "$pasta/$arquivo")" -eq "$1" ]; }
  confere "three more draws by keyboard are on file" esperar "four on file" no_arquivo 4
  if [ -z "$outro" ]; then
    xdotool key F11
    confere "F11 in the main window: full screen" esperar "full screen" tela_cheia
    confere "over all of its screen, $operador" esperar "all of it" cobre "$operador"
    confere "and the audience's window has the keys" esperar "active" telao_ativo
  fi
  # The number as the back row reads it: on a picture of the window alone, as on the panel.
  foto="$servidor_x_pasta/telao.png"
  ler() { import -window "$telao" "$foto" && "$(dirname "$script")/numero-no-telao.sh" "$foto"; }
  mostra() { leituras=$((leituras + 1)); lido=$(ler); [ "$lido" = "$1" ]; }
  ultimo=$(printf '%02d' "$(tr -d '\r' <"$pasta/$arquivo" | tail -n 1)")
  leituras=0
  confere "the audience screen shows the last number drawn, $ultimo" esperar "$ultimo" mostra "$ultimo"
  echo "read from the screen: $lido, after $leituras picture(s)"
  # Blanked as a presentation is: from the operator's window, or in the audience's with B.
  apagar=ctrl+b
  [ -z "$outro" ] && apagar=b
  xdotool key "$apagar"
  confere "$apagar blanks it to black" esperar "black" mostra preto
  xdotool key "$apagar"
  confere "and $apagar again shows the number again" esperar "$ultimo" mostra "$ultimo"
  if [ -z "$outro" ]; then
    xdotool key Escape
    confere "Esc makes it a window again" esperar "a window" em_janela
    wmctrl -i -c "$telao"
    como="as by its close button"
  else
    xdotool key F5
    como="by F5"
  fi
  fechado() { [ -z "$(xdotool search --onlyvisible --name '^Telão do sorteio$' 2>/dev/null || true)" ]; }
  confere "closed $como" esperar "closed" fechado
  confere "the program goes on" vivo "$pid"
  xdotool windowactivate --sync "$janela" >/dev/null 2>&1 || true
  sortear
  confere "and so does the series" esperar "five on file" no_arquivo 5
  ;;

wayland)
  # A GNOME session where the program finds no X display: a native Wayland client, seen and
  # driven through GNOME Shell's own services.
  remoto=$(dirname "$script")/gnome-remoto.py
  coproc TECLADO { "$remoto" teclado; }
  servidor_x_pids=("$TECLADO_PID" "${servidor_x_pids[@]}")
  teclas() { echo "$*" >&"${TECLADO[1]}"; read -r _ <&"${TECLADO[0]}"; }
  # Focused (1/0), hidden, client, width, height, title of each window.
  principal() { "$remoto" janelas | awk -F'\t' -v t="$legenda" '$6 == t && $3 == "wayland" && $1 == 1 && $4 == 1280' | grep -q .; }
  avisos() { "$remoto" janelas | awk -F'\t' '$6 == "Rodaleque"' | wc -l; }
  nenhum_aviso() { [ "$(avisos)" -eq 0 ]; }
  um_aviso() { [ "$(avisos)" -eq 1 ]; }
  inicio=$(date +%s%N)
  env -u DISPLAY -u XAUTHORITY "$programa" >>"$servidor_x_pasta/programa.log" 2>&1 &
  pid=$!
  servidor_x_pids=("$pid" "${servidor_x_pids[@]}")
  confere "a native Wayland window, maximised and active" esperar "maximised" principal
  echo "on native Wayland, maximised $(( ($(date +%s%N) - inicio) / 1000000 )) ms after the start"
  "$remoto" tela "$servidor_x_pasta/tela.png"
  # The panel's light grey, as a person sees it on screen.
  cinza=$(convert "$servidor_x_pasta/tela.png" -fill black +opaque "rgb(224,224,224)" -format '%[fx:mean*100]' info:)
  confere "the panel shows on screen ($cinza% of it)" awk -v c="$cinza" 'BEGIN { exit !(c > 1) }'
  teclas alt+e
  confere "ticking Sempre Visível says it cannot work here" esperar "notice" um_aviso
  teclas Return
  confere "the notice closes" esperar "closed" nenhum_aviso
  teclas alt+e alt+e
  # Nothing to wait for: a notice would have come in this time.
  sleep 1
  confere "ticked again, nothing more is said" nenhum_aviso
  # The image that opens the About window, at the panel's top right, on the maximised window
  # below GNOME's top bar (32 px) and the title bar that Qt draws itself (30 px, 3 px sides).
  teclas clique $((3 + 282 + 690)) $((32 + 30 + 182 + 238))
  sobre_aberto() { "$remoto" janelas | awk -F'\t' '$6 == " Sobre: Rodaleque" && $1 == 1' | grep -q .; }
  confere "a click on the image opens the About window" esperar "About" sobre_aberto
  # GNOME Shell places it, near the top left; its title bar is Qt's own, with the boxes Qt
  # draws on every window there.
  teclas alt+F4
  confere "Alt+F4 closes it" esperar "closed" principal
  teclas alt+i
  esperar "input box" um_aviso
  teclas 3 0 Return
  esperar "input box closed" nenhum_aviso
  teclas Return Return Return
  tres_no_arquivo() { test "$(tr -d '\r' <"$pasta/$(resultados)" | sort -nu | awk '$1 >= 1 && $1 <= 30' | wc -l)" -eq 3; }
  confere "three draws by keyboard: three different numbers of 1..30 on file" esperar "drawn" tres_no_arquivo
  set +e
  env -u DISPLAY -u XAUTHORITY timeout 10 "$programa" >>"$servidor_x_pasta/programa.log" 2>&1
  saida=$?
  set -e
  confere "a second copy exits with status 0" test "$saida" -eq 0
  confere "the first says once that it cannot come forward by itself" esperar "notice" um_aviso
  teclas Return
  confere "the notice closes, the first copy goes on" esperar "closed" nenhum_aviso
  confere "the first copy is running" vivo "$pid"
  env -u DISPLAY -u XAUTHORITY timeout 10 "$programa" >>"$servidor_x_pasta/programa.log" 2>&1 || true
  sleep 1
  confere "a third copy: nothing more is said" nenhum_aviso
  ;;

*)
  echo "unknown scenario $cenario"; exit 2 ;;
esac

[ "$falhas" -eq 0 ] || { echo "$falhas check(s) failed"; cat "$servidor_x_pasta/programa.log"; exit 1; }
