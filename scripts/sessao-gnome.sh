#!/usr/bin/env bash
# A GNOME session on Wayland of its own, headless, as a login session has it, and a command run
# in it; the session ends with the command, whose status this returns.
#   sessao-gnome.sh [--mutter] WIDTHxHEIGHT [WIDTHxHEIGHT...] -- COMMAND [ARGS...]
# One virtual monitor per size; GNOME Shell, or Mutter alone with --mutter. The command gets
# the session's WAYLAND_DISPLAY, DISPLAY and XAUTHORITY (its Xwayland), DBUS_SESSION_BUS_ADDRESS,
# XDG_RUNTIME_DIR and HOME (private, removed afterwards), and SESSAO_GNOME_PASTA, a scratch
# folder that goes with them. Needs root: the session lives in a mount namespace of its own,
# where a tmpfs over /run/systemd keeps it from looking for logind, and a D-Bus daemon of its
# own stands for the system bus.
set -euo pipefail

if [ -z "${SESSAO_GNOME_FASE:-}" ]; then
  SESSAO_GNOME_FASE=montagem exec unshare -m --propagation private "$0" "$@"
fi

argumentos=("$@")
compositor=(gnome-shell)
[ "${1:-}" = --mutter ] && { compositor=(mutter); shift; }
monitores=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do monitores+=(--virtual-monitor "$1"); shift; done
[ "${1:-}" = -- ] && shift
[ ${#monitores[@]} -gt 0 ] && [ $# -gt 0 ] || { echo "usage: $0 [--mutter] WxH... -- command" >&2; exit 2; }

case "$SESSAO_GNOME_FASE" in
montagem)
  [ -d /run/systemd ] && mount -t tmpfs tmpfs /run/systemd
  pasta=$(mktemp -d)
  trap 'rm -rf "$pasta"' EXIT
  mkdir -m 700 "$pasta/run" "$pasta/home"
  dbus-daemon --session --nofork --print-address=3 3>"$pasta/sistema" >/dev/null 2>&1 &
  sistema=$!
  for _ in $(seq 100); do [ -s "$pasta/sistema" ] && break; sleep 0.05; done
  set +e
  env SESSAO_GNOME_FASE=sessao SESSAO_GNOME_PASTA="$pasta" \
    DBUS_SYSTEM_BUS_ADDRESS="$(head -n 1 "$pasta/sistema")" \
    XDG_RUNTIME_DIR="$pasta/run" HOME="$pasta/home" XDG_SESSION_TYPE=wayland \
    XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=memory \
    dbus-run-session -- "$0" "${argumentos[@]}"
  status=$?
  kill "$sistema" 2>/dev/null; wait "$sistema" 2>/dev/null
  exit "$status"
  ;;
sessao)
  unset DISPLAY WAYLAND_DISPLAY XAUTHORITY
  "${compositor[@]}" --headless --wayland "${monitores[@]}" >"$SESSAO_GNOME_PASTA/compositor.log" 2>&1 &
  compositor_pid=$!
  parar() { kill "$compositor_pid" 2>/dev/null; wait "$compositor_pid" 2>/dev/null; }
  trap parar EXIT
  # Wayland first, then Xwayland, whose display the log names and whose auth file appears.
  for _ in $(seq 600); do
    display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$SESSAO_GNOME_PASTA/compositor.log" | head -n 1)
    auth=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1 || true)
    [ -S "$XDG_RUNTIME_DIR/wayland-0" ] && [ -n "$display" ] && [ -n "$auth" ] && break
    kill -0 "$compositor_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "${display:-}" ] && [ -n "${auth:-}" ] || { echo "the GNOME session did not start"; cat "$SESSAO_GNOME_PASTA/compositor.log"; exit 1; }
  export WAYLAND_DISPLAY=wayland-0 DISPLAY="$display" XAUTHORITY="$auth"
  # Ready once the shell has its name on the bus.
  for _ in $(seq 300); do
    gdbus introspect --session --dest org.gnome.Mutter.DisplayConfig \
      --object-path /org/gnome/Mutter/DisplayConfig >/dev/null 2>&1 && break
    sleep 0.1
  done
  # GNOME Shell starts in the overview, which keeps the keyboard; a login session leaves it.
  gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
    --method org.freedesktop.DBus.Properties.Set org.gnome.Shell OverviewActive '<false>' >/dev/null 2>&1 || true
  set +e
  "$@"
  status=$?
  trap - EXIT
  parar
  exit "$status"
  ;;
esac
