# Sourced by the scripts that drive Windows programs under Wine: checks, waits, Windows' view
# of the program's window (through the probe sonda_janelas.exe, named in $sonda_exe), and
# what an operator does with the keyboard on Wine's desktop.
#   confere DESCRIPTION COMMAND...   runs a check and counts a failure
#   esperar DESCRIPTION COMMAND...   waits up to 20 s for a condition
#   iniciar [EXE]                    starts the program (./rodaleque.exe in $pasta unless
#                                    named) and waits for its maximised window; sets pid and
#                                    adds it to pids, for the caller to stop
#   informar_participantes N         enters the participant count; sortear draws once
legenda=' Rodaleque - 1.0.98'
falhas=0
falhou() { echo "FAIL: $*"; falhas=$((falhas + 1)); }
confere() { local descricao=$1; shift; if "$@"; then echo "ok: $descricao"; else falhou "$descricao"; fi; }

sonda() { wine "$sonda_exe" "$@" 2>/dev/null | tr -d '\r'; }
estado() { sonda estado "$legenda"; }
tem() { estado | grep -q "$1"; }
vivo() { kill -0 "$1" 2>/dev/null; }
morto() { ! vivo "$1"; }
# Waits up to 20 s for a condition.
esperar() {
  local descricao=$1; shift
  local _
  for _ in $(seq 100); do "$@" && return 0; sleep 0.2; done
  echo "timed out waiting until: $descricao"; return 1
}

# Keys go to the X window of Wine's desktop, and Wine hands them to its active window.
desktop=$(xdotool search --name '^Default - Wine desktop$' | head -n 1)
teclas() { xdotool windowfocus --sync "$desktop" 2>/dev/null || true; xdotool key --delay 60 "$@"; }
digitar() { xdotool windowfocus --sync "$desktop" 2>/dev/null || true; xdotool type --delay 40 "$1"; }

pids=()
iniciar() {
  local exe=${1:-./rodaleque.exe} inicio
  inicio=$(date +%s%N)
  (cd "$pasta" && exec wine "$exe") >>"$pasta/programa.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  esperar "the window is maximised" tem 'maximizada=1' || { cat "$pasta/programa.log"; exit 1; }
  echo "start to maximised window: $(( ($(date +%s%N) - inicio) / 1000000 )) ms"
}

caixa_aberta() { sonda estado Rodaleque >/dev/null; }
informar_participantes() {
  teclas alt+i
  esperar "the input box" caixa_aberta
  digitar "$1"
  teclas Return
  esperar "the input box to close" sh -c "! wine '$sonda_exe' estado Rodaleque >/dev/null 2>&1"
}
sortear() { teclas Return; sleep 0.4; }
