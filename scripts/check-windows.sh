#!/usr/bin/env bash
# Checks the Windows side of the program where it cannot run. Every file under
# src/platform/windows/ is compiled with MinGW-w64 against Qt's headers (syntax and types only,
# with the project's warnings as errors), and the version resource is compiled with windres;
# the compiled resource must hold the icon and the same name, version and texts as the caption
# and the About window show. Needs a configured build folder (the argument, build/ by default)
# for the files the build makes. Fails on the first fault in the resource, or after compiling
# everything if any source failed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=${1:-build}
cxx=x86_64-w64-mingw32-g++-posix
windres=x86_64-w64-mingw32-windres
qt=/usr/include/x86_64-linux-gnu/qt6
produto=$build/src/engine/Produto.h
recurso=$build/src/mainwindow/rodaleque.rc

for f in "$produto" "$recurso"; do
  [ -f "$f" ] || { echo "check-windows: $f is missing; configure $build first" >&2; exit 1; }
done

# --- the sources -------------------------------------------------------------------------
# The definitions are those the project and Qt give every target on Windows.
flags=(-std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror
  -DUNICODE -D_UNICODE -DQT_NO_CAST_FROM_ASCII -DQT_NO_CAST_TO_ASCII -DQT_NO_KEYWORDS
  -isystem "$qt")
for modulo in QtCore QtGui QtWidgets QtNetwork; do
  flags+=(-isystem "$qt/$modulo")
done
flags+=(-I src -I "$build/src")

compilados=0
falhas=()
while IFS= read -r -d '' f; do
  case $f in
    *.cpp) "$cxx" "${flags[@]}" "$f" || falhas+=("$f") ;;
    # A header on its own, as its first includer sees it.
    *.h) printf '#include "%s"\n' "${f#src/}" | "$cxx" "${flags[@]}" -x c++ - || falhas+=("$f") ;;
    *) echo "check-windows: no way to check $f" >&2; falhas+=("$f") ;;
  esac
  compilados=$((compilados + 1))
done < <(find src/platform/windows -type f -print0 | sort -z)

if [ "$compilados" -eq 0 ]; then
  echo "check-windows: nothing under src/platform/windows/" >&2
  exit 1
fi
if [ ${#falhas[@]} -gt 0 ]; then
  printf 'check-windows: does not compile: %s\n' "${falhas[@]}" >&2
  exit 1
fi
echo "check-windows: $compilados files under src/platform/windows/ compile with $cxx"

# --- the version resource ----------------------------------------------------------------
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$windres" -i "$recurso" -O res -o "$tmp/rodaleque.res"
"$windres" -i "$tmp/rodaleque.res" -O rc -o "$tmp/lido.rc"

falhar() {
  echo "check-windows: resource: $*" >&2
  exit 1
}

# What the C++ side shows, from the header the build made out of the same variables.
texto() { sed -n "s/.*$1() { return [A-Za-z0-9:]*(\"\(.*\)\"); }.*/\1/p" "$produto"; }
numero() { sed -n "s/.*constexpr int $1 = \([0-9]*\);.*/\1/p" "$produto"; }
nome=$(texto nome)
descricao=$(texto descricao)
comentario=$(texto comentario)
maior=$(numero versaoMaior)
menor=$(numero versaoMenor)
revisao=$(numero revisao)
for v in nome descricao comentario maior menor revisao; do
  [ -n "${!v}" ] || falhar "cannot read $v from $produto"
done
versao=$maior.$menor.$revisao

grep -q "^ FILEVERSION $maior, $menor, $revisao, 0\$" "$tmp/lido.rc" ||
  falhar "FILEVERSION is not $maior,$menor,$revisao"
grep -q "^ PRODUCTVERSION $maior, $menor, $revisao, 0\$" "$tmp/lido.rc" ||
  falhar "PRODUCTVERSION is not $maior,$menor,$revisao"

# The icon group holds every image of the icon file (its count is the word at byte 4).
imagens=$(od -An -tu2 -j4 -N2 src/mainwindow/resources/rodaleque.ico | tr -d ' ')
grep -q "RT_GROUP_ICON" "$tmp/lido.rc" || falhar "no icon"
grep -q "Has $imagens elements" "$tmp/lido.rc" || falhar "the icon does not hold $imagens images"

# Each text as UTF-16 right after its key, so that the accent of the description comes through
# as the character itself: key, terminator, up to one word of padding, value, terminator.
hex() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -d ' \n'; }
bytes=$(od -An -tx1 -v "$tmp/rodaleque.res" | tr -d ' \n')
valor() {
  local chave valor
  chave=$(hex "$1")
  valor=$(hex "$2")
  [[ $bytes == *"${chave}0000${valor}0000"* || $bytes == *"${chave}00000000${valor}0000"* ]] ||
    falhar "$1 is not \"$2\""
}
valor ProductName "$nome"
valor FileDescription "$descricao"
valor Comments "$comentario"
valor FileVersion "$versao"
valor ProductVersion "$versao"

echo "check-windows: resource compiles with $windres: icon of $imagens images, version $versao," \
  "ProductName \"$nome\", FileDescription \"$descricao\", Comments \"$comentario\""
