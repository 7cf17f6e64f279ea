#!/usr/bin/env bash
# The installer under Wine, silent as an administrator's script would run it: what it puts in
# Program Files, the Start menu and the installed-apps list; the installed program started
# from its shortcut's target and drawing once; the installer refusing to run under a running
# copy; an install over the installed one; and the silent uninstall, which takes away all it
# put there and leaves the results files.
#   instalador-wine.sh <setup.exe> <sonda_janelas.exe>
# Needs the Wine session of the build (RODALEQUE_SESSAO_WINE, see sessao-wine.sh).
set -euo pipefail
instalador=$(readlink -f "$1")
sonda_exe=$(readlink -f "$2")
# shellcheck disable=SC1091
source "${RODALEQUE_SESSAO_WINE:?no Wine session named}/ambiente"
unset QT_QPA_PLATFORM
# shellcheck disable=SC1091
source "$(dirname "$0")/operador-wine.sh"

c=$WINEPREFIX/drive_c
instalado="$c/Program Files/Rodaleque"
atalho="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Rodaleque.lnk"
chave='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Rodaleque'
documentos=$(readlink -f "$c/users/$(whoami)/Documents")/Rodaleque
pasta=$(mktemp -d)
# Also what a run that was killed before its end left mounted.
desmontar() { while mountpoint -q "$instalado" 2>/dev/null; do umount "$instalado" || return 1; done; }
terminar() {
  local p
  for p in "${pids[@]}"; do { kill -9 "$p" && wait "$p"; } 2>/dev/null || true; done
  desmontar || true
  # Whatever a failed run left: the next one starts from a prefix without the program.
  wine reg delete "$chave" /f >/dev/null 2>&1 || true
  wine reg delete 'HKLM\Software\Rodaleque' /f >/dev/null 2>&1 || true
  rm -rf "$instalado" "$atalho" "$documentos" "$pasta"
}
trap terminar EXIT
desmontar
rm -rf "$instalado" "$documentos"

instalar() {
  local inicio saida=0
  inicio=$(date +%s%N)
  (cd "$pasta" && timeout 120 wine "$instalador" /S) || saida=$?
  echo "silent install: status $saida after $(( ($(date +%s%N) - inicio) / 1000000 )) ms"
  return "$saida"
}
valor() { wine reg query "$chave" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }

# --- a silent install -----------------------------------------------------------------------
confere "the installer ends with status 0" instalar
confere "the program in Program Files" test -f "$instalado/rodaleque.exe"
confere "with its read-me, licence and licences" \
  test -f "$instalado/LEIA-ME.txt" -a -f "$instalado/LICENCA.txt" -a -f "$instalado/licencas/Qt/copyright" \
    -a -f "$instalado/licencas/Liberation/copyright"
confere "and the console verifier" test -f "$instalado/rodaleque-verificar.exe"
wine reg query "$chave" | tr -d '\r'
confere "listed as Rodaleque" test "$(valor DisplayName)" = Rodaleque
confere "version 1.0.98" test "$(valor DisplayVersion)" = 1.0.98
confere "by Equipe Rodaleque" test "$(valor Publisher)" = "Equipe Rodaleque"
confere "with the program's icon" test "$(valor DisplayIcon)" = 'C:\Program Files\Rodaleque\rodaleque.exe,0'
confere "and its uninstaller" test "$(valor UninstallString)" = '"C:\Program Files\Rodaleque\desinstalar.exe"'
confere "which cannot modify or repair" test "$(valor NoModify)$(valor NoRepair)" = 0x10x1
# A shortcut holds its target's full path in UTF-16, among other strings.
alvo=$(strings -el "$atalho" 2>/dev/null | grep -o -m1 '[A-Z]:\\.*\\rodaleque\.exe$' || true)
echo "Start-menu shortcut to: $alvo"
confere "a Start-menu shortcut to the installed program" \
  test "$alvo" = 'C:\Program Files\Rodaleque\rodaleque.exe'

# --- the installed program, started from the shortcut's target --------------------------------
# Windows keeps users from writing in Program Files; Wine does not, so the folder is made
# read-only here (as root) for the program to find it so.
if [ "$(id -u)" -eq 0 ] && mount --bind "$instalado" "$instalado" &&
  mount -o remount,bind,ro "$instalado"; then
  onde="$documentos"
else
  echo "not root: Wine lets the program write in Program Files, so its files go beside it"
  onde="$instalado"
fi
iniciar "$alvo"
informar_participantes 30
sortear
resultado=$(ls "$onde" | grep '^sn\.' | grep -v -- '-registro\.txt$' || true)
echo "results file: $onde/$resultado"
confere "the draw lands in $onde" test -n "$resultado"
confere "with its record, which the installed verifier finds intact" \
  sh -c "cd '$onde' && wine 'C:\\Program Files\\Rodaleque\\rodaleque-verificar.exe' '$resultado' >/dev/null 2>&1"

# --- no install under a running copy --------------------------------------------------------
saida=0
instalar || saida=$?
confere "the installer refuses while the program runs" test "$saida" -ne 0
# Run by a person, it says why and offers to try again.
(cd "$pasta" && exec wine "$instalador") >/dev/null 2>&1 &
pessoa=$!
pergunta='Instalação do Rodaleque 1.0.98'
esperar "the installer's message" sonda estado "$pergunta" >/dev/null
mensagem=$(sonda textos "$pergunta" | tr '\n' ' ')
echo "the installer says: $mensagem"
confere "that the program is open" grep -q 'O Rodaleque está aberto. Feche o programa' <<<"$mensagem"
# The box's close button, which is its Cancel.
sonda fechar "$pergunta"
confere "and it ends on Cancel" esperar "installer ended" morto "$pessoa"
kill -9 "$pessoa" 2>/dev/null || true
saida=0
wait "$pessoa" || saida=$?
confere "and says so in its exit status ($saida)" test "$saida" -ne 0
confere "the program goes on" vivo "$pid"
sonda fechar "$legenda"
esperar "the question" caixa_aberta
teclas Return
confere "the program closes" esperar "ended" morto "$pid"

# --- over an installed copy: the results beside it stay ---------------------------------------
desmontar
antigo='sn.1[1-1]9h3min4.txt'
printf '7\r\n120\r\n' >"$instalado/$antigo"
confere "an install over it ends with status 0" instalar
confere "and keeps the results file beside the program" \
  test "$(od -An -c "$instalado/$antigo" | tr -d ' \n')" = '7\r\n120\r\n'

# --- a silent uninstall ---------------------------------------------------------------------
# The uninstaller runs on from a copy of itself and returns at once: wait for its work.
(cd "$pasta" && wine "C:\\Program Files\\Rodaleque\\desinstalar.exe" /S)
desinstalado() { ! wine reg query "$chave" >/dev/null 2>&1 && [ ! -e "$instalado/rodaleque.exe" ]; }
confere "the uninstaller removes the program and its key" esperar "uninstalled" desinstalado
sleep 1
echo "left in the program's folder: $(ls -A "$instalado" 2>/dev/null | tr '\n' ' ')"
so_resultados() { [ -z "$(ls -A "$instalado" | grep -v '^sn\.' || true)" ] && [ -f "$instalado/$antigo" ]; }
confere "it leaves only the results files there" so_resultados
confere "the shortcut is gone" test ! -e "$atalho"
confere "the results file in the documents stays" test -n "$(ls "$onde" 2>/dev/null | grep '^sn\.' || true)"

[ "$falhas" -eq 0 ] || { echo "$falhas check(s) failed"; cat "$pasta/programa.log"; exit 1; }
