#!/usr/bin/env bash
# Runs a command (a Windows test program under Wine) while answering its requests to read a PDF
# with this machine's poppler-utils: Wine starts a Linux program for a Windows one, but gives it
# no handle to wait for the program with. A request PASTA/N.pedido holds the tool's name and its
# arguments, one a line; the answer is the tool's output in PASTA/N.saida, then its status in
# PASTA/N.status.
#   leitor-linux.sh PASTA COMMAND...
set -euo pipefail
pasta=$(mkdir -p "$1" && cd "$1" && pwd)
shift

responder() {
  local pedido base linhas status
  while :; do
    for pedido in "$pasta"/*.pedido; do
      [ -e "$pedido" ] || continue
      base=${pedido%.pedido}
      mapfile -t linhas <"$pedido"
      rm -f "$pedido"
      status=127
      case "${linhas[0]}" in
      pdftotext | pdfinfo | pdffonts)
        status=0
        "${linhas[0]}" "${linhas[@]:1}" >"$base.saida" 2>"$base.erros" || status=$?
        ;;
      esac
      echo "$status" >"$base.status.parcial" && mv "$base.status.parcial" "$base.status"
    done
    sleep 0.05
  done
}
responder &
leitor=$!
trap 'kill "$leitor" 2>/dev/null || true; rm -rf "$pasta"' EXIT
"$@"
