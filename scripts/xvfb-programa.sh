# Sourced by the scripts that drive the real program: starts an X server of its own with a
# window manager, and a copy of the program in a scratch folder (its results files go next to
# the executable), waits for the window and offers entering a participant count with the
# keyboard, as an operator would (scripts/operador.sh).
# Sets: pid (the program), janela (its window), pasta (the scratch folder).
programa=build/src/mainwindow/rodaleque
[ -x "$programa" ] || { echo "build the program first (scripts/run.sh)"; exit 1; }
source scripts/servidor-x.sh
iniciar_servidor_x "${TELA:-1280x1024}"

pasta="$servidor_x_pasta/programa"
mkdir "$pasta"
cp "$programa" "$pasta/"
"$pasta/rodaleque" &
pid=$!
servidor_x_pids=("$pid" "${servidor_x_pids[@]}")
source scripts/operador.sh
esperar_janela "$pid" || { echo "the window did not appear"; exit 1; }
