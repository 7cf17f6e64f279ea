#!/usr/bin/env bash
# The Debian package as a person would get it: built with cpack, unpacked with dpkg -x into a
# scratch folder, its fields read, and the unpacked program started under an X server of its
# own. Every file the running program maps must come from a package its dependencies bring in;
# a draw lands in the program's folder when that can be written, else in the documents.
#   pacote.sh BUILD_DIR NAME VERSION DESCRIPTION MAINTAINER
set -euo pipefail
construcao=$(realpath "$1") nome=$2 versao=$3 descricao=$4 mantenedor=$5
cd "$(dirname "$0")/../.."

falhas=0
falhou() { echo "FALHOU: $*"; falhas=$((falhas + 1)); }

temporaria=$(mktemp -d)
# "nobody" has to reach the unpacked program through it.
chmod 755 "$temporaria"
source scripts/servidor-x.sh
source scripts/operador.sh
limpar() { parar_servidor_x; rm -rf "$temporaria"; }
trap limpar EXIT

# --- the package and its fields -----------------------------------------------------------
cpack --config "$construcao/CPackConfig.cmake" -G DEB -B "$temporaria/cpack" \
  >"$temporaria/cpack.log" 2>&1 || { cat "$temporaria/cpack.log"; exit 1; }
deb=$(echo "$temporaria"/cpack/*.deb)
[ -f "$deb" ] || { echo "no package made"; ls "$temporaria/cpack"; exit 1; }
echo "== $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Package Version Architecture Maintainer Section Depends Description

campo() { dpkg-deb -f "$deb" "$1"; }
[ "$(campo Package)" = "$nome" ] || falhou "Package is $(campo Package)"
[ "$(campo Version)" = "$versao" ] || falhou "Version is $(campo Version)"
[ "$(campo Maintainer)" = "$mantenedor" ] || falhou "Maintainer is $(campo Maintainer)"
[ "$(campo Description | head -n 1)" = "$descricao" ] ||
  falhou "Description is $(campo Description)"
dependencias=$(campo Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for p in fonts-liberation xdg-utils libxcursor1 \
  libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6; do
  grep -qx "$p" <<<"$dependencias" || falhou "Depends lacks $p"
done

# --- Debian's own checker: no error, no warning -------------------------------------------
echo "== lintian"
lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'root privileges' ||
  [ "${PIPESTATUS[0]}" -eq 0 ] || falhou "lintian reports errors or warnings"

# --- what it unpacks --------------------------------------------------------------------
raiz="$temporaria/raiz"
dpkg -x "$deb" "$raiz"
echo "== unpacked"
(cd "$raiz" && find . -type f | sort)
programa="$raiz/usr/bin/$nome"
[ -x "$programa" ] || falhou "no program at usr/bin/$nome"
[ -x "$programa-verificar" ] || falhou "no verifier at usr/bin/$nome-verificar"
for pagina in "$nome" "$nome-verificar"; do
  zcat "$raiz/usr/share/man/man1/$pagina.1.gz" 2>/dev/null | grep -q '^\.SH DESCRIÇÃO' ||
    falhou "no Portuguese manual page $pagina(1)"
done
grep -q '^License: SIL-OFL-1.1' "$raiz/usr/share/doc/$nome/copyright" ||
  falhou "the copyright does not give the licence of the fonts built into the program"
desktop-file-validate "$raiz/usr/share/applications/$nome.desktop" ||
  falhou "desktop entry does not validate"
for lado in 16 32 48; do
  icone="$raiz/usr/share/icons/hicolor/${lado}x$lado/apps/$nome.png"
  [ "$(identify -format '%m %wx%h' "$icone" 2>/dev/null)" = "PNG ${lado}x$lado" ] ||
    falhou "no $lado px PNG icon"
done

# --- the unpacked program runs ----------------------------------------------------------
iniciar_servidor_x 1280x1024
# It sets a trap of its own for stopping the server; the scratch folder goes too.
trap limpar EXIT

# Starts the unpacked program with what follows as its command's prefix; sets pid and janela.
iniciar_programa() {
  "$@" "$programa" >"$temporaria/programa.log" 2>&1 &
  pid=$!
  servidor_x_pids=("$pid" "${servidor_x_pids[@]}")
  esperar_janela "$pid" || { cat "$temporaria/programa.log"; return 1; }
  echo "window $janela: \"$(xdotool getwindowname "$janela")\""
}

parar_programa() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  servidor_x_pids=("${servidor_x_pids[@]:1}")
}

# Enters 10 participants, draws once and prints the results file that appears under $1, once
# it holds the one line of a number from 1 to 10 and the unpacked verifier finds it intact
# against its record.
sortear_um() {
  informar_participantes 10
  xdotool key --window "$janela" Return
  local _ arquivo=""
  for _ in $(seq 100); do
    arquivo=$(find "$1" -name 'sn.*.txt' ! -name '*-registro.txt' -size +0 2>/dev/null | head -n 1)
    [ -n "$arquivo" ] && break
    sleep 0.1
  done
  [ -n "$arquivo" ] || return 1
  local n
  n=$(tr -d '\r' <"$arquivo")
  [[ $n =~ ^[0-9]+$ ]] && [ "$n" -ge 1 ] && [ "$n" -le 10 ] &&
    printf '%s\r\n' "$n" | cmp -s - "$arquivo" ||
    { echo "$arquivo holds: $(od -An -c "$arquivo")" >&2; return 1; }
  "$raiz/usr/bin/$nome-verificar" "$arquivo" >"$temporaria/verificacao" ||
    { cat "$temporaria/verificacao" >&2; return 1; }
  echo "$arquivo"
}

# Every file the running program maps, owned by a package: those packages must all be among
# the dependencies and what they bring in (any of the alternatives installed here), or be
# essential to every Debian system.
conferir_dependencias() {
  local arquivos outra donos fecho p
  arquivos=$(awk '$6 ~ /^\// {print $6}' "/proc/$pid/maps" | sort -u | grep -v "^$raiz/")
  # Debian 12 lists some libraries under /lib and others under /usr/lib: ask for both spellings.
  outra=$(sed -n 's|^/usr/lib/|/lib/|p; s|^/lib/|/usr/lib/|p' <<<"$arquivos")
  # Files of no package (caches, memory files) are left out: dpkg -S fails for those.
  donos=$({ dpkg -S $arquivos $outra 2>/dev/null || true; } | sed 's/: .*//' | tr ', ' '\n\n' |
    sed 's/:.*//' | grep . | sort -u)
  fecho=$( (xargs apt-cache depends --recurse --important --installed <<<"$dependencias" |
    sed 's/^ *//; s/^|\?\(Pre\)\?Depends: //; s/[<>]//g; s/:.*//'
    dpkg-query -W -f='${Package} ${Essential}\n' | awk '$2 == "yes" {print $1}') | sort -u)
  echo "== packages of the files the program maps: $(tr '\n' ' ' <<<"$donos")"
  for p in $donos; do
    grep -qx "$p" <<<"$fecho" || falhou "the program maps a file of $p, which no dependency needs"
  done
  grep -q '/fonts/truetype/liberation/' <<<"$arquivos" || falhou "no Liberation font mapped"
  grep -q '/platforms/libqxcb\.so' <<<"$arquivos" || falhou "the xcb platform plugin is not mapped"
}

echo "== started as $(id -un)"
iniciar_programa env || { falhou "the window did not appear"; exit 1; }
conferir_dependencias
if arquivo=$(sortear_um "$raiz/usr/bin"); then
  echo "results, writable program folder:" \
    "${arquivo#"$temporaria"/} holds $(tr -d '\r' <"$arquivo")"
else
  falhou "no results file in the program's folder"
fi
parar_programa

if [ "$(id -u)" -eq 0 ]; then
  # As a user who cannot write the program's folder, as an installed program is.
  casa="$temporaria/casa"
  mkdir -m 700 "$casa" "$temporaria/run-ninguem"
  chown 65534:65534 "$casa" "$temporaria/run-ninguem"
  echo "== started as nobody, home $casa"
  iniciar_programa setpriv --reuid=65534 --regid=65534 --clear-groups \
    env HOME="$casa" XDG_CONFIG_HOME="$casa/.config" XDG_RUNTIME_DIR="$temporaria/run-ninguem" ||
    { falhou "the window did not appear for nobody"; exit 1; }
  if arquivo=$(sortear_um "$casa"); then
    echo "results, program folder not writable:" \
      "${arquivo#"$temporaria"/} holds $(tr -d '\r' <"$arquivo")"
    [ "$(dirname "$arquivo")" = "$casa/Documents/Rodaleque" ] || falhou "results went to $arquivo"
  else
    falhou "no results file under nobody's home"
  fi
  [ -z "$(find "$raiz/usr/bin" -name 'sn.*.txt' -user 65534)" ] || falhou "nobody wrote in usr/bin"
  parar_programa
else
  echo "== not root: the folder nobody can write is left to tst_platform"
fi

[ "$falhas" -eq 0 ] || { echo "$falhas check(s) failed"; exit 1; }
echo "== package checks passed"
