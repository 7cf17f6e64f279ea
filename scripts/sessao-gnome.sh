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
  compositor_pid=""
  # Stops the compositor and what it forked; a GNOME Shell stuck as below does not heed TERM.
  parar() {
    [ -n "$compositor_pid" ] || return 0
    local filhos _; filhos=$(pgrep -P "$compositor_pid" || true)
    kill "$compositor_pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$compositor_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$compositor_pid" $filhos 2>/dev/null || true
    wait "$compositor_pid" 2>/dev/null || true
    compositor_pid=""
  }
  trap parar EXIT
  # GNOME Shell 43 launches the input method daemon when it starts and again when Xwayland
  # does, through a forked child that runs JavaScript before its exec: now and then (one start
  # in eight here, two in five on a busy machine) the child deadlocks on a lock that another
  # thread held at the fork, and the shell, waiting for it, stops for good. A login session has
  # the daemon as a systemd service and launches nothing. Here a child that is still the shell
  # after a second is such a deadlock, and the session is started again.
  atolada() {
    ps -o comm=,etimes= --ppid "$compositor_pid" 2>/dev/null | awk '$1 == "gnome-shell" && $2 >= 1 {f=1} END {exit !f}'
  }
  # Ready: Wayland; Xwayland, started by its first client; each launch of the input method
  # daemon over (ibus is not installed here: the shell logs each failure); the shell on the bus.
  pronta() {
    local display auth _
    for _ in $(seq 300); do
      kill -0 "$compositor_pid" 2>/dev/null || return 1
      atolada && return 1
      if [ -z "${DISPLAY:-}" ]; then
        display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$SESSAO_GNOME_PASTA/compositor.log" | head -n 1)
        auth=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1 || true)
        [ -S "$XDG_RUNTIME_DIR/wayland-0" ] && [ -n "$display" ] && [ -n "$auth" ] &&
          export WAYLAND_DISPLAY=wayland-0 DISPLAY="$display" XAUTHORITY="$auth"
      elif timeout 1 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 &&
        { [ "${compositor[0]}" != gnome-shell ] ||
          [ "$(grep -c 'Failed to launch ibus-daemon' "$SESSAO_GNOME_PASTA/compositor.log")" -ge 2 ] ||
          pgrep -P "$compositor_pid" -x ibus-daemon >/dev/null; } &&
        timeout 2 gdbus introspect --session --dest org.gnome.Mutter.DisplayConfig \
          --object-path /org/gnome/Mutter/DisplayConfig >/dev/null 2>&1; then
        return 0
      fi
      sleep 0.1
    done
    return 1
  }
  # Up to six starts: a deadlock is seen within a second or two, and six in a row would come
  # to fewer than one session in two hundred even on a busy machine.
  for tentativa in 1 2 3 4 5 6; do
    "${compositor[@]}" --headless --wayland "${monitores[@]}" >"$SESSAO_GNOME_PASTA/compositor.log" 2>&1 &
    compositor_pid=$!
    pronta && break
    parar
    unset DISPLAY WAYLAND_DISPLAY XAUTHORITY
    rm -f "$XDG_RUNTIME_DIR"/wayland-0* "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*
    echo "the GNOME session did not start (attempt $tentativa)"
    [ "$tentativa" -lt 6 ] || { cat "$SESSAO_GNOME_PASTA/compositor.log"; exit 1; }
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
