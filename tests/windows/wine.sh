#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in the session that sessao-wine.sh started
# for it (the folder in RODALEQUE_SESSAO_WINE): CTest's emulator for every Windows test.
set -euo pipefail
ambiente=${RODALEQUE_SESSAO_WINE:?no Wine session named}/ambiente
[ -f "$ambiente" ] || { echo "wine.sh: no Wine session in $RODALEQUE_SESSAO_WINE" >&2; exit 1; }
# shellcheck disable=SC1090
source "$ambiente"
exec wine "$@"
