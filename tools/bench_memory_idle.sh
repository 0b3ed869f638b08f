#!/usr/bin/env bash
# Memory and idle cost of the program against an empty Qt window with a menu bar of the
# same size as the main window, on a Release build and a real X display (Xvfb if none).
#   peak resident memory: the program after every screen has been used once, against the
#     empty window resting after its first paint (/usr/bin/time -v, medians of paired runs)
#   idle CPU: 30 s with every timer of the program running (the two-digit screen created,
#     a drill of the times-table room under way), against 30 s of the empty window
# Usage: tools/bench_memory_idle.sh [build-dir] [runs] [idle-seconds]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
idle=${3:-30}
cmake --build "$build" --target bench_rest bench_empty_window >/dev/null
. "$(dirname "$0")/private_display.sh"
peak() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk '/Maximum resident set size/ {print $6}'; }
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
spread() { printf '%s\n' "$@" | sort -n | awk 'NR==1 {lo=$1} {hi=$1} END {printf "%s..%s", lo, hi}'; }

empty=(); real=()
for _ in $(seq "$runs"); do
  empty+=("$(peak "$build/tools/bench_empty_window" rest 2)")
  real+=("$(peak "$build/tools/bench_rest" memory)")
done
echo "what each screen adds (MiB, resident, one run):"
"$build/tools/bench_rest" memory | sed 's/^/  /'
me=$(median "${empty[@]}"); mr=$(median "${real[@]}")
awk -v e="$me" -v r="$mr" -v se="$(spread "${empty[@]}")" -v sr="$(spread "${real[@]}")" 'BEGIN {
  printf "peak resident, empty window: %.1f MiB (KiB %s)\n", e/1024, se
  printf "peak resident, every screen used: %.1f MiB (KiB %s)\n", r/1024, sr
  printf "ratio: %.2f\n", r/e }'

cpu() { "$@" | awk '/idle cpu ms/ {print $4}'; }
ie=(); ir=()
for _ in $(seq "$(( runs < 3 ? runs : 3 ))"); do
  ie+=("$(cpu "$build/tools/bench_empty_window" idle "$idle")")
  ir+=("$(cpu "$build/tools/bench_rest" idle "$idle")")
done
mie=$(median "${ie[@]}"); mir=$(median "${ir[@]}")
awk -v e="$mie" -v r="$mir" -v s="$idle" -v se="$(spread "${ie[@]}")" -v sr="$(spread "${ir[@]}")" 'BEGIN {
  printf "idle CPU over %d s, empty window: %.1f ms (%s)\n", s, e, se
  printf "idle CPU over %d s, every timer running: %.1f ms (%s)\n", s, r, sr
  printf "difference: %.1f ms\n", r-e }'
