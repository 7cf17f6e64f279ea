# Sourced by the bench scripts that run a bench program and measure other processes (the X
# server, the compositor) while it measures itself, between two lines of its output.
#   agora                                  seconds since the epoch, to the nanosecond
#   esperar_linha PADRAO ARQUIVO           waits until a line of ARQUIVO matches PADRAO
#   cpu_entre INICIO FIM ARQUIVO ROTULO PID...
#                                          waits for the lines INICIO and then FIM, and prints
#                                          "ROTULO: CPU x% of one core", the processes' sum
agora() { date +%s.%N; }
esperar_linha() { until grep -q "$1" "$2" 2>/dev/null; do sleep 0.1; done; }
cpu_de() { local p s=0; for p in "$@"; do s=$((s + $(awk '{print $14 + $15}' "/proc/$p/stat"))); done; echo "$s"; }

cpu_entre() {
  local inicio=$1 fim=$2 arquivo=$3 rotulo=$4; shift 4
  local c0 c1 t0 t1
  esperar_linha "$inicio" "$arquivo"
  c0=$(cpu_de "$@"); t0=$(agora)
  esperar_linha "$fim" "$arquivo"
  c1=$(cpu_de "$@"); t1=$(agora)
  awk -v a="$c0" -v b="$c1" -v i="$t0" -v f="$t1" -v t="$(getconf CLK_TCK)" -v r="$rotulo" \
    'BEGIN { printf "%s: CPU %.2f%% of one core\n", r, 100 * (b - a) / t / (f - i) }'
}
