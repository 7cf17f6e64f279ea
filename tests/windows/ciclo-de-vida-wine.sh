#!/usr/bin/env bash
# The real Windows program under Wine, in Wine's own desktop on the test session's X server,
# driven as a person would with the keyboard and the mouse; Windows' own view of its windows
# comes from sonda_janelas. One scenario per run.
#   ciclo-de-vida-wine.sh <rodaleque.exe> <sonda_janelas.exe> <borda_do_painel.exe> <scenario>
#                         [<rodaleque-verificar.exe>]
# Needs the Wine session of the build (RODALEQUE_SESSAO_WINE, see sessao-wine.sh).
set -euo pipefail
programa_original=$(readlink -f "$1")
sonda_exe=$(readlink -f "$2")
borda_exe=$(readlink -f "$3")
cenario=$4
verificador_exe=${5:+$(readlink -f "$5")}
# shellcheck disable=SC1091
source "${RODALEQUE_SESSAO_WINE:?no Wine session named}/ambiente"
# The program and the watcher draw on Windows' own screen, whatever the unit tests use.
unset QT_QPA_PLATFORM

# shellcheck disable=SC1091
source "$(dirname "$0")/operador-wine.sh"

# A copy of the program in a scratch folder: its results files go next to it.
pasta=$(mktemp -d)
cp "$programa_original" "$pasta/rodaleque.exe"
terminar() {
  local p
  for p in "${pids[@]}"; do { kill -9 "$p" && wait "$p"; } 2>/dev/null || true; done
  # Notepad and any other program a scenario left open in the session.
  pkill -9 -f 'notepad.exe' 2>/dev/null || true
  rm -rf "$pasta"
  # The record of the series the kill above left running: the next scenario starts afresh.
  rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/Rodaleque
}
trap terminar EXIT

# The results files; their records, "-registro.txt", lie beside them.
resultados() { ls "$pasta" | grep '^sn\.' | grep -v -- '-registro\.txt$' || true; }

case "$cenario" in
inicio)
  iniciar
  confere "caption \"$legenda\"" sonda estado "$legenda"
  confere "started maximised and active" tem 'maximizada=1 minimizada=0 acima=0 ativa=1'
  confere "a fixed border with its minimise and maximise boxes" tem 'redimensionavel=0 botoes=11'
  confere "no results file before a draw" test -z "$(resultados)"
  ;;

sorteio)
  iniciar
  informar_participantes 30
  for _ in 1 2 3 4 5; do sortear; done
  arquivo=$(resultados)
  confere "one results file beside the program" test "$(echo "$arquivo" | wc -l)" -eq 1
  conteudo=$(od -An -c "$pasta/$arquivo" | tr -s ' \n' ' ')
  echo "results file $arquivo:$conteudo"
  confere "five lines, each ended by CR LF" test "$(grep -c $'\r$' "$pasta/$arquivo")" -eq 5
  confere "five different numbers in 1..30" \
    test "$(tr -d '\r' <"$pasta/$arquivo" | awk '$0 >= 1 && $0 <= 30' | sort -u | wc -l)" -eq 5
  teclas alt+a
  # Notepad from the system folder with the file's whole path as its command line. Wine's own
  # Notepad then shows an empty page: it opens no file whose name holds [ or ], as every
  # results file's does (Windows' Notepad does), so its window is all there is to see.
  bloco() { sonda titulos | grep -q ' - Notepad$'; }
  confere "\"Abrir Arquivo\" starts Notepad" esperar "Notepad" bloco
  linha=$(tr '\0' ' ' <"/proc/$(pgrep -f 'notepad.exe' | head -n 1)/cmdline" | sed 's/ *$//')
  echo "Notepad's command line: $linha"
  confere "from the system folder, on the results file" \
    test "$linha" = "C:\\windows\\system32\\notepad.exe Z:${pasta//\//\\}\\$arquivo"
  sonda frente "$legenda" || true
  # The commands' menu from the keyboard, as Windows opens it: the Menu key and Shift+F10, each
  # then "o" for a note into the record.
  for tecla in Menu shift+F10; do
    teclas "$tecla"
    sleep 0.5
    teclas o
    confere "$tecla opens the menu, and o its note" esperar "the note's box" caixa_aberta
    digitar "nota por $tecla"
    teclas Return
    esperar "the note's box to close" sh -c "! wine '$sonda_exe' estado Rodaleque >/dev/null 2>&1"
  done
  registro="$pasta/${arquivo%.txt}-registro.txt"
  confere "the record beside the file, CR LF line ends" test "$(grep -c $'\r$' "$registro")" -eq "$(wc -l <"$registro")"
  confere "holds both notes" test "$(grep -c $'^ocorrencia\t.*\ttexto=nota por ' "$registro")" -eq 2
  confere "and the five draws" test "$(grep -c $'^sorteio\t' "$registro")" -eq 5
  if [ -n "$verificador_exe" ]; then
    # The console verifier, from a prompt in the program's folder.
    set +e
    (cd "$pasta" && wine "$verificador_exe" "$arquivo") >"$pasta/verificacao" 2>&1
    saida=$?
    set -e
    cat "$pasta/verificacao"
    confere "rodaleque-verificar finds the series intact (status $saida)" test "$saida" -eq 0
    confere "and says so in Portuguese" grep -q '^Série íntegra' "$pasta/verificacao"
    printf '7\r\n' >>"$pasta/$arquivo"
    set +e; (cd "$pasta" && wine "$verificador_exe" "$arquivo") >"$pasta/verificacao" 2>&1; saida=$?; set -e
    confere "and a number added to the file not (status $saida)" test "$saida" -eq 1
    confere "naming its line" grep -q 'Linha 6 do arquivo de resultados' "$pasta/verificacao"
  fi
  ;;

continuar)
  iniciar
  informar_participantes 30
  for _ in 1 2 3 4 5; do sortear; done
  arquivo=$(resultados)
  cp "$pasta/$arquivo" "$pasta/antes"
  kill -9 "$pid"; wait "$pid" 2>/dev/null || true
  (cd "$pasta" && exec wine ./rodaleque.exe) >>"$pasta/programa.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  confere "started again after a kill, it asks whether to continue" esperar "the question" caixa_aberta
  teclas Return
  esperar "the window is maximised" tem 'maximizada=1'
  for _ in $(seq 25); do sortear; done
  confere "the series went on in its own file" test "$(resultados)" = "$arquivo"
  confere "which begins with the five, unchanged" \
    cmp -s "$pasta/antes" <(head -c "$(stat -c %s "$pasta/antes")" "$pasta/$arquivo")
  confere "and holds each of 1..30 once" \
    test "$(tr -d '\r' <"$pasta/$arquivo" | sort -n | tr '\n' ' ')" = "$(seq 30 | tr '\n' ' ')"
  ;;

segunda-copia)
  iniciar
  # Another program in front, so that coming to the front is something to see.
  (cd "$pasta" && exec wine notepad.exe) >/dev/null 2>&1 &
  bloco_ativo() { sonda titulos | grep -q 'Notepad' && ! tem 'ativa=1'; }
  confere "another window is active before the second copy starts" esperar "Notepad active" bloco_ativo
  inicio=$(date +%s%N)
  set +e
  (cd "$pasta" && timeout 20 wine ./rodaleque.exe) >>"$pasta/programa.log" 2>&1
  saida=$?
  set -e
  echo "the second copy took $(( ($(date +%s%N) - inicio) / 1000000 )) ms from start to exit"
  confere "the second copy exits with status 0" test "$saida" -eq 0
  confere "the first copy is restored and active" esperar "restored" tem 'maximizada=0 minimizada=0 acima=0 ativa=1'
  estado
  confere "at its built size" tem 'cliente=[0-9-]*,[0-9-]*,719x480'
  read -r x y w h < <(estado | sed 's/.*janela=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/')
  confere "centred on the screen" test $(( (1280 - w) / 2 - x )) -ge -1 -a $(( (1280 - w) / 2 - x )) -le 1 \
    -a $(( (1024 - h) / 2 - y )) -ge -1 -a $(( (1024 - h) / 2 - y )) -le 1
  confere "the first copy keeps running" vivo "$pid"
  confere "the second copy set up no series" test -z "$(resultados)"
  sonda maximizar "$legenda"
  confere "the maximise box maximises it again" esperar "maximised" tem 'maximizada=1'
  confere "over the whole screen" tem 'cliente=0,[0-9]*,1280x'

  ;;

sempre-visivel)
  iniciar
  antes=$(estado | sed 's/.*janela=//')
  teclas alt+e
  confere "Windows keeps it above the others" esperar "topmost" tem 'acima=1'
  (cd "$pasta" && exec wine notepad.exe) >/dev/null 2>&1 &
  notepad() { sonda titulos | grep -m1 'Notepad'; }
  esperar "Notepad" notepad >/dev/null
  bloco=$(notepad)
  sonda frente "$bloco" || true
  sleep 0.5
  confere "it stays in front of an active Notepad" test "$(sonda acima "$legenda" "$bloco")" = "$legenda"
  sonda frente "$legenda"
  sleep 0.3
  teclas alt+e
  confere "unchecked, it is no longer topmost" esperar "not topmost" tem 'acima=0'
  sonda frente "$bloco"
  sleep 0.5
  confere "and Notepad can come in front of it" test "$(sonda acima "$legenda" "$bloco")" = "$bloco"
  confere "it did not move or change size" test "$(estado | sed 's/.*janela=//')" = "$antes"
  ;;

chacoalhar)
  iniciar
  informar_participantes 30
  sortear
  # A row through the lower panel: the panel lies a third of the free height down the client
  # area, and the first light grey pixel from the left is its left edge.
  read -r cy ch < <(estado | sed 's/.*cliente=[-0-9]*,\([-0-9]*\),[0-9]*x\([0-9]*\).*/\1 \2/')
  linha=$(awk -v t="$cy" 'BEGIN { printf "%d", t + int((1024 * 15 - 7155) / 3 / 15 + 0.5) + 230 }')
  parado=$(wine "$borda_exe" "$linha" 300 2>/dev/null | tr -d '\r' | tail -n 1)
  # Wine passes a window's pixels on to the screen when its thread takes messages, or now and
  # then while it draws; the shake blocks the thread, so of its eleven moves the screen shows
  # only some (none to three seen here, fewer on a busy machine), where Windows shows every
  # one. So the shake is tried up to three times for one move seen; the count of moves, each
  # painted before its pause, is the unit tests' to check.
  : >"$pasta/bordas"
  for _ in 1 2 3; do
    wine "$borda_exe" "$linha" 2000 2>/dev/null | tr -d '\r' >>"$pasta/bordas" &
    observador=$!
    sleep 0.5
    teclas alt+c
    wait "$observador"
    grep -qx "$((parado + 5))" "$pasta/bordas" && break
  done
  echo "panel edge at rest: $parado; seen during the shakes: $(tr '\n' ' ' <"$pasta/bordas")"
  confere "the panel's edge was found" test "$parado" -gt 0
  confere "the shake moves the panel on screen" grep -qx "$((parado + 5))" "$pasta/bordas"
  confere "and puts it back" test "$(tail -n 1 "$pasta/bordas")" = "$parado"
  ;;

fechar)
  iniciar
  sonda fechar "$legenda"
  confere "closing with nothing drawn ends the program at once" esperar "ended" morto "$pid"
  iniciar
  informar_participantes 30
  sortear
  sonda fechar "$legenda"
  confere "closing after a draw asks" esperar "the question" caixa_aberta
  teclas Escape
  sleep 1
  confere "Escape answers No and the program goes on" vivo "$pid"
  confere "the question is gone" sh -c "! wine '$sonda_exe' estado Rodaleque >/dev/null 2>&1"
  sonda fechar "$legenda"
  esperar "the question" caixa_aberta
  teclas Return
  confere "Enter answers Yes and the program ends" esperar "ended" morto "$pid"
  set +e; wait "$pid"; saida=$?; set -e
  confere "it ends with status 0" test "$saida" -eq 0
  ;;

fim-de-sessao)
  iniciar
  informar_participantes 30
  sortear
  wineboot --end-session >"$pasta/wineboot.log" 2>&1 &
  fim=$!
  confere "the end of the session asks" esperar "the question" caixa_aberta
  # Asked on the session's behalf, the question does not take the keyboard by itself: a person
  # clicks it first.
  sonda frente Rodaleque
  teclas Escape
  set +e; wait "$fim"; saida_fim=$?; set -e
  confere "No stops the end of the session" test "$saida_fim" -ne 0
  sleep 1
  confere "and keeps the program running" vivo "$pid"
  confere "and its window" sonda estado "$legenda"
  wineboot --end-session >>"$pasta/wineboot.log" 2>&1 &
  fim=$!
  esperar "the question" caixa_aberta
  sonda frente Rodaleque
  teclas Return
  confere "Yes lets the session end the program" esperar "ended" morto "$pid"
  set +e; wait "$fim"; saida_fim=$?; set -e
  confere "and the session ends" test "$saida_fim" -eq 0
  # The session's end took the desktop's sentinel too: back for the tests that follow.
  setsid wine "$sonda_exe" manter </dev/null >/dev/null 2>&1 &
  ;;

sobre)
  iniciar
  # The image that opens it sits at the panel's top right.
  read -r cx cy < <(estado | sed 's/.*cliente=\([-0-9]*\),\([-0-9]*\),.*/\1 \2/')
  xdotool mousemove "$(awk -v x="$cx" 'BEGIN { printf "%d", x + int((1280 * 15 - 10755) / 2 / 15 + 0.5) + 690 }')" \
    "$(awk -v y="$cy" 'BEGIN { printf "%d", y + int((1024 * 15 - 7155) / 3 / 15 + 0.5) + 238 }')" click 1
  confere "a click on the image opens the About window" esperar "About" sonda estado ' Sobre: Rodaleque'
  confere "above the main window" tem 'ativa=0'
  sobre=$(sonda estado ' Sobre: Rodaleque')
  confere "a fixed border with no boxes but the close box" grep -q 'redimensionavel=0 botoes=00' <<<"$sobre"
  read -r sx sy sw sh < <(sed 's/.*janela=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/' <<<"$sobre")
  dx=$((sx + sw / 2 - 640)); dy=$((sy + sh / 2 - 512))
  confere "centred on the screen, frame and all (off by $dx, $dy)" test "${dx#-}" -le 2 -a "${dy#-}" -le 2
  sonda fechar ' Sobre: Rodaleque'
  sobre_fechado() { ! wine "$sonda_exe" estado ' Sobre: Rodaleque' >/dev/null 2>&1; }
  confere "it closes" esperar "About closed" sobre_fechado
  confere "and the program goes on" vivo "$pid"
  ;;

telao)
  # One screen here: the audience screen opens as a window, and F11 makes it full screen over
  # the main window with the keys, so that Esc gives them back.
  iniciar
  informar_participantes 150
  sortear
  teclas F5
  telao='Telão do sorteio'
  confere "F5 opens the audience screen" esperar "the audience screen" sonda estado "$telao"
  sonda estado "$telao"
  em_janela() { sonda estado "$telao" | grep -q 'maximizada=0 minimizada=0 .*cliente=[0-9]*,[0-9]*,[0-9]\{3\}x[0-9]\{3\}$'; }
  confere "as a window smaller than the screen" em_janela
  confere "over the main window" test "$(sonda acima "$legenda" "$telao")" = "$telao"
  confere "the main window keeps the keys" tem 'ativa=1'
  sortear; sortear
  arquivo=$(resultados)
  confere "two more draws by keyboard are on file" test "$(grep -c . "$pasta/$arquivo")" -eq 3
  teclas F11
  cheia() { sonda estado "$telao" | grep -q 'ativa=1 .*cliente=0,0,1280x1024$'; }
  confere "F11: full screen over all of the screen, with the keys" esperar "full screen" cheia
  # The number as the back row reads it, from a picture of Wine's desktop, all of it the
  # audience screen now.
  foto="$pasta/telao.png"
  mostra() { import -window root "$foto" && lido=$("$(dirname "$0")/../e2e/numero-no-telao.sh" "$foto") && [ "$lido" = "$1" ]; }
  ultimo=$(printf '%03d' "$(tr -d '\r' <"$pasta/$arquivo" | tail -n 1)")
  confere "it shows the last number drawn, $ultimo" esperar "$ultimo" mostra "$ultimo"
  echo "read from the screen: $lido"
  teclas b
  confere "B blanks it" esperar "black" mostra preto
  teclas b
  confere "and B again shows the number again" esperar "$ultimo" mostra "$ultimo"
  teclas Escape
  confere "Esc: a window again" esperar "a window" em_janela
  sonda frente "$legenda"
  sortear
  confere "the main window, in front again, draws" test "$(grep -c . "$pasta/$arquivo")" -eq 4
  sonda fechar "$telao"
  fechado() { ! wine "$sonda_exe" estado "$telao" >/dev/null 2>&1; }
  confere "its close box closes it" esperar "closed" fechado
  confere "and the program goes on" vivo "$pid"
  ;;

*)
  echo "unknown scenario $cenario"; exit 2 ;;
esac

[ "$falhas" -eq 0 ] || { echo "$falhas check(s) failed"; cat "$pasta/programa.log"; exit 1; }
