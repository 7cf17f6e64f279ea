#!/usr/bin/env bash
# A KDE Plasma session's compositor on Wayland of its own, headless (KWin on a virtual screen,
# with Xwayland), and a command run in it; the session ends with the command, whose status
# this returns.
#   sessao-kwin.sh WIDTHxHEIGHT -- COMMAND [ARGS...]
# The command gets the session's WAYLAND_DISPLAY, DISPLAY and XAUTHORITY (its Xwayland),
# DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR (private, removed afterwards) and
# SESSAO_KWIN_PASTA, a scratch folder that goes with them.
set -euo pipefail

case "${SESSAO_KWIN_FASE:-}" in
"")
  tamanho=${1:-}
  [ "${2:-}" = -- ] && [ $# -gt 2 ] || { echo "usage: $0 WxH -- command" >&2; exit 2; }
  shift 2
  pasta=$(mktemp -d)
  trap 'rm -rf "$pasta"' EXIT
  mkdir -m 700 "$pasta/run"
  # Debian's kwin_wayland may raise its resource limits (a file capability): where the system
  # keeps that capability from any program, as in a container, the kernel will not run it at
  # all. A copy without the capability runs.
  cp /usr/bin/kwin_wayland "$pasta/kwin_wayland"
  printf '%q ' "$@" >"$pasta/comando"
  set +e
  # The command's output goes where this script's does: KWin keeps its session's to itself.
  exec 7>&1 8>&2
  env -u DISPLAY -u WAYLAND_DISPLAY -u XAUTHORITY \
    SESSAO_KWIN_FASE=sessao SESSAO_KWIN_PASTA="$pasta" XDG_RUNTIME_DIR="$pasta/run" \
    XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE \
    dbus-run-session -- "$pasta/kwin_wayland" --virtual --xwayland \
    --width "${tamanho%x*}" --height "${tamanho#*x}" --exit-with-session "$0"
  status=$?
  # The command's own verdict: KWin ending badly after it (seen once on a busy machine, its
  # Xwayland's window manager selection lost) is not the command's failure.
  [ -s "$pasta/estado" ] && status=$(cat "$pasta/estado")
  exit "$status"
  ;;
sessao)
  # Started by KWin once Wayland and Xwayland run.
  set +e
  eval "$(cat "$SESSAO_KWIN_PASTA/comando") >&7 2>&8 7>&- 8>&-"
  status=$?
  echo "$status" >"$SESSAO_KWIN_PASTA/estado"
  exit "$status"
  ;;
esac
