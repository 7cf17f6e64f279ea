#!/usr/bin/env bash
# The portable zip as a Windows operator gets it: unpacked into a scratch folder, it holds the
# program, the read-me, the licence and the licences of what the program carries; the program
# from it then goes through the draw scenario under Wine.
#   pacote-zip.sh <zip> <sonda_janelas.exe> <borda_do_painel.exe>
set -euo pipefail
zip=$(readlink -f "$1")
sonda_exe=$(readlink -f "$2")
borda_exe=$(readlink -f "$3")
cd "$(dirname "$0")"
fora=$(mktemp -d)
trap 'rm -rf "$fora"' EXIT
(cd "$fora" && cmake -E tar xf "$zip")
raiz="$fora/$(basename "$zip" .zip)"

falhas=0
confere() { local d=$1; shift; if "$@"; then echo "ok: $d"; else echo "FAIL: $d"; falhas=$((falhas + 1)); fi; }
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes; holds:"
(cd "$fora" && find . -type f | sort | sed 's/^/  /')
confere "the program, one executable" test -f "$raiz/rodaleque.exe"
confere "stripped of its symbols" sh -c "! x86_64-w64-mingw32-objdump -h '$raiz/rodaleque.exe' | grep -q debug_info"
confere "the verifier, a console program" sh -c \
  "x86_64-w64-mingw32-objdump -p '$raiz/rodaleque-verificar.exe' | grep -q 'Subsystem.*(Windows CUI)'"
# Notepad before Windows 10 1903 reads UTF-8 only with its byte order mark.
leia_me() {
  local f=$raiz/LEIA-ME.txt
  grep -q 'Onde ficam os resultados' "$f" && [ "$(head -c 3 "$f" | od -An -tx1 | tr -d ' ')" = efbbbf ] &&
    [ "$(grep -c $'\r$' "$f")" -eq "$(wc -l <"$f")" ]
}
confere "the read-me in Portuguese, UTF-8 with its mark and Windows line ends" leia_me
confere "the program's licence, GPL version 3" grep -q 'GNU GENERAL PUBLIC LICENSE' "$raiz/LICENCA.txt"
confere "Qt's licences and copyright notices" \
  test -f "$raiz/licencas/Qt/LGPL-3.0-only.txt" -a -f "$raiz/licencas/Qt/copyright"
confere "the MinGW-w64 runtime's notice" grep -q 'mingw-w64' "$raiz/licencas/MinGW-w64/copyright"
confere "the embedded fonts' licence, SIL Open Font License 1.1" \
  grep -q 'SIL OPEN FONT LICENSE Version 1.1' "$raiz/licencas/Liberation/copyright"
[ "$falhas" -eq 0 ] || exit 1

./ciclo-de-vida-wine.sh "$raiz/rodaleque.exe" "$sonda_exe" "$borda_exe" sorteio \
  "$raiz/rodaleque-verificar.exe"
