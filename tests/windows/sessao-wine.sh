#!/usr/bin/env bash
# A Windows desktop for the Windows test programs: an X server of its own (Xvfb, -displayfd)
# and a Wine prefix whose programs open in Wine's own desktop of 1280 x 1024, where Wine places,
# maximises and activates windows itself, as Windows does, with no X window manager between.
#   sessao-wine.sh iniciar PASTA SENTINELA
#                                  prepares PASTA/prefixo (once), starts the X server and the
#                                  desktop, writes PASTA/ambiente for wine.sh to source;
#                                  SENTINELA (the probe, sonda_janelas.exe) stays on the
#                                  desktop, which Wine closes once no program is left on it
#   sessao-wine.sh parar PASTA     ends every Wine program of the prefix and the X server
# Run as root, it also mounts two small file systems that Windows tests ask for by name: one of
# 16 KiB to run out of space (RODALEQUE_DISCO_PEQUENO) and one that cannot be written
# (RODALEQUE_PASTA_SEM_ESCRITA), both reached through Wine's drive Z:, the root folder.
# Everything started here is detached from the caller, so that CTest can run it as a fixture.
set -euo pipefail
acao=$1
pasta=$(mkdir -p "$2" && cd "$2" && pwd)
export WINEPREFIX="$pasta/prefixo"
# A home of the session's own: Wine links the user's documents to the home's, and tests write there.
export HOME="$pasta/casa"
export WINEDEBUG=-all
# No Mono or Gecko: nothing of ours needs .NET or a web view, and Wine would offer to fetch them.
export WINEDLLOVERRIDES="mscoree,mshtml="

# A folder of this machine as Windows programs under Wine name it: on drive Z:, the root.
no_windows() { printf 'Z:%s' "${1//\//\\}"; }

parar() {
  if [ -f "$pasta/ambiente" ]; then
    # shellcheck disable=SC1091
    (source "$pasta/ambiente" && wineserver -k 2>/dev/null) || true
    wineserver -w 2>/dev/null || true
  fi
  # The small file systems, and any mount a test that was killed left in the prefix.
  local m
  { findmnt -rn -o TARGET | grep -F "$pasta/" || true; } | sort -r | while read -r m; do
    umount -l "$(printf '%b' "$m")" 2>/dev/null || true
  done
  if [ -f "$pasta/xvfb.pid" ]; then
    kill "$(cat "$pasta/xvfb.pid")" 2>/dev/null || true
    rm -f "$pasta/xvfb.pid"
  fi
  rm -f "$pasta/ambiente"
}

iniciar() {
  parar
  rm -f "$pasta/display"
  mkdir -p "$HOME"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$pasta/display" </dev/null >"$pasta/xvfb.log" 2>&1 &
  echo $! >"$pasta/xvfb.pid"
  local _
  for _ in $(seq 200); do [ -s "$pasta/display" ] && break; sleep 0.05; done
  [ -s "$pasta/display" ] || { echo "Xvfb did not start" >&2; cat "$pasta/xvfb.log" >&2; exit 1; }
  export DISPLAY=":$(head -n 1 "$pasta/display")"

  if [ ! -f "$WINEPREFIX/.pronto" ]; then
    rm -rf "$WINEPREFIX"
    wineboot --init </dev/null >"$pasta/wineboot.log" 2>&1
    wineserver -w
    # Wine's own desktop; no crash dialog, which would wait for a person. Qt programs log to
    # their standard error as on Linux, not to the debugger: Wine passes no QT_ variable of
    # the caller on, so the setting lives in the Windows user's environment.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
    wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null
    # Wine says Windows 7 unless told otherwise; the program, as Qt 6, needs Windows 10.
    wine winecfg -v win10 >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.pronto"
  fi
  # No series on record from a run that was stopped before its end: every run starts afresh.
  rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/Rodaleque

  # A server that outlives every program, and the desktop, up before any test program starts.
  setsid wineserver -p </dev/null >/dev/null 2>&1
  setsid wine explorer.exe /desktop=Default,1280x1024 </dev/null >"$pasta/explorer.log" 2>&1 &
  setsid wine "$sentinela" manter </dev/null >/dev/null 2>&1 &
  for _ in $(seq 200); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Default - Wine desktop"' && break
    sleep 0.1
  done
  xwininfo -root -tree | grep -q '"Default - Wine desktop"' ||
    { echo "Wine's desktop did not appear" >&2; cat "$pasta/explorer.log" >&2; exit 1; }

  local discos=()
  if [ "$(id -u)" -eq 0 ]; then
    mkdir -p "$pasta/disco-pequeno" "$pasta/somente-leitura"
    mount -t tmpfs -o size=16k,mode=0755 tmpfs "$pasta/disco-pequeno" &&
      discos+=("export RODALEQUE_DISCO_PEQUENO='$(no_windows "$pasta/disco-pequeno")'")
    mount -t tmpfs -o ro,size=16k tmpfs "$pasta/somente-leitura" &&
      discos+=("export RODALEQUE_PASTA_SEM_ESCRITA='$(no_windows "$pasta/somente-leitura")'")
  fi

  cat >"$pasta/ambiente" <<AMBIENTE
export DISPLAY=$DISPLAY
export HOME=$HOME
export WINEPREFIX=$WINEPREFIX
$(printf '%s\n' "${discos[@]}")
export WINEDEBUG=$WINEDEBUG
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES"
AMBIENTE
}

case $acao in
iniciar) sentinela=$(readlink -f "${3:?the sentinel program}"); iniciar ;;
parar) parar ;;
*) echo "usage: $0 iniciar|parar FOLDER" >&2; exit 2 ;;
esac
