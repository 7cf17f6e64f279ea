#!/usr/bin/env bash
# Checks the Windows version resource that the Windows build links into rodaleque.exe: compiled
# with windres and decoded again, it must hold the icon and the same name, version and texts as
# the caption and the About window show. Needs a configured build folder (the argument,
# build-windows/ by default) for the files the build makes. Fails on the first fault.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build-windows}
windres=x86_64-w64-mingw32-windres
produto=$build/src/engine/Produto.h
recurso=$build/src/mainwindow/rodaleque.rc

for f in "$produto" "$recurso"; do
  [ -f "$f" ] || { echo "recurso-de-versao: $f is missing; configure $build first" >&2; exit 1; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$windres" -i "$recurso" -O res -o "$tmp/rodaleque.res"
"$windres" -i "$tmp/rodaleque.res" -O rc -o "$tmp/lido.rc"

falhar() {
  echo "recurso-de-versao: resource: $*" >&2
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

echo "recurso-de-versao: resource compiles with $windres: icon of $imagens images, version $versao," \
  "ProductName \"$nome\", FileDescription \"$descricao\", Comments \"$comentario\""
