# Sourced by the scripts and end-to-end tests that drive the real program: an X server and a
# window manager of their own, and a private runtime folder, so that nothing collides with
# another test, a desktop session or a copy of the program the user runs.
#   iniciar_servidor_x [WIDTHxHEIGHT] [openbox|mutter|kwin|sem-gerenciador]
#                                       sets DISPLAY, XDG_RUNTIME_DIR, XDG_DATA_HOME,
#                                       servidor_x_pasta; the window manager is openbox,
#                                       GNOME's Mutter or KDE's KWin (each on a D-Bus session
#                                       of its own), or none (a kiosk session)
#   iniciar_na_sessao PASTA             the same inside scripts/sessao-gnome.sh or
#                                       scripts/sessao-kwin.sh, whose session's displays it
#                                       keeps; PASTA is the session's scratch folder
#   parar_servidor_x                    runs on exit too: stops everything started here
servidor_x_pids=()
servidor_x_pasta=""

parar_servidor_x() {
  local p
  for p in "${servidor_x_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${servidor_x_pids[@]}"; do wait "$p" 2>/dev/null || true; done
  servidor_x_pids=()
  [ -n "$servidor_x_pasta" ] && rm -rf "$servidor_x_pasta"
  servidor_x_pasta=""
}

iniciar_na_sessao() {
  servidor_x_pasta=$(mktemp -d -p "$1")
  trap parar_servidor_x EXIT
  export XDG_DATA_HOME="$servidor_x_pasta/dados"
  unset QT_QPA_PLATFORM
}

iniciar_servidor_x() {
  local tamanho=${1:-1280x1024} gerenciador=${2:-openbox}
  servidor_x_pasta=$(mktemp -d)
  trap parar_servidor_x EXIT
  # -displayfd: Xvfb picks a free display itself and writes its number once it listens.
  Xvfb -displayfd 3 -screen 0 "${tamanho}x24" -nolisten tcp -noreset \
    3>"$servidor_x_pasta/display" 2>"$servidor_x_pasta/xvfb.log" &
  servidor_x_pids+=($!)
  local _
  for _ in $(seq 200); do [ -s "$servidor_x_pasta/display" ] && break; sleep 0.05; done
  [ -s "$servidor_x_pasta/display" ] || { echo "Xvfb did not start"; cat "$servidor_x_pasta/xvfb.log"; return 1; }
  export DISPLAY=":$(head -n 1 "$servidor_x_pasta/display")"
  mkdir -m 700 "$servidor_x_pasta/run"
  export XDG_RUNTIME_DIR="$servidor_x_pasta/run"
  # The program's own data (the record of a running series) stays here too.
  export XDG_DATA_HOME="$servidor_x_pasta/dados"
  unset QT_QPA_PLATFORM
  case "$gerenciador" in
  sem-gerenciador) return 0 ;;
  openbox) openbox --sm-disable >"$servidor_x_pasta/$gerenciador.log" 2>&1 & ;;
  # Both look for their settings and services on the session bus.
  mutter) dbus-run-session -- mutter --x11 --replace >"$servidor_x_pasta/$gerenciador.log" 2>&1 & ;;
  kwin) dbus-run-session -- kwin_x11 --replace >"$servidor_x_pasta/$gerenciador.log" 2>&1 & ;;
  esac
  servidor_x_pids+=($!)
  # The window manager is ready once it has announced itself on the root window.
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  echo "$gerenciador did not start"; cat "$servidor_x_pasta/$gerenciador.log"; return 1
}
