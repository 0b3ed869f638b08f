#!/usr/bin/env bash
# Start-up against an empty Qt window with a menu bar of the same size as the main window,
# measured side by side (alternating runs) on a real X display. Counts from just before each
# process starts to the moment its first paint has gone out (the programs print the wall
# clock then): for the program, once the welcome screen is painted and once the backdrop
# behind it is painted too. Prints medians with their spread, and the medians of the
# per-pair ratios.
# Usage: tools/bench_startup.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-31}
cmake --build "$build" --target bench_startup bench_empty_window >/dev/null
. "$(dirname "$0")/private_display.sh"
# One run: prints the microseconds from start to each stamp the program printed.
measure() {
  local t0 out
  t0=$(( $(date +%s%N) / 1000 ))
  out=$("$1" 2>/dev/null)
  awk -v t0="$t0" '{printf "%d ", $2 - t0}' <<<"$out"
}
"$build/tools/bench_empty_window" >/dev/null 2>&1; "$build/tools/bench_startup" >/dev/null 2>&1   # warm the caches
empty=(); welcome=(); backdrop=()
for _ in $(seq "$runs"); do
  read -r e <<<"$(measure "$build/tools/bench_empty_window")"
  read -r w b <<<"$(measure "$build/tools/bench_startup")"
  empty+=("$e"); welcome+=("$w"); backdrop+=("$b")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
spread() { printf '%s\n' "$@" | sort -n | awk 'NR==1 {lo=$1} {hi=$1} END {printf "%.1f..%.1f", lo/1000, hi/1000}'; }
# Each program run against the empty run just before it, so a machine that gets slower or
# faster during the series does not move the figure.
ratios() { local -n of=$1; for i in "${!of[@]}"; do echo $(( 1000 * of[i] / empty[i] )); done; }
report() {
  local name=$1; local -n times=$2
  local -a q; mapfile -t q < <(ratios "$2")
  printf '%-28s median %5.1f ms (%s)' "$name" "$(awk -v m="$(median "${times[@]}")" 'BEGIN {print m/1000}')" "$(spread "${times[@]}")"
  [ "$2" = empty ] && { echo; return; }
  printf '   ratio %.3f (%s)\n' "$(awk -v m="$(median "${q[@]}")" 'BEGIN {print m/1000}')" \
    "$(printf '%s\n' "${q[@]}" | sort -n | awk 'NR==1 {lo=$1} {hi=$1} END {printf "%.2f..%.2f", lo/1000, hi/1000}')"
}
echo "runs: $runs pairs"
report "empty window" empty
report "welcome screen painted" welcome
report "backdrop painted too" backdrop
