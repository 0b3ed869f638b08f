#!/usr/bin/env bash
# Start-up to the first painted welcome screen, against an empty Qt window with a menu bar,
# measured side by side (alternating runs) on a real X display. Prints both medians and the ratio.
# Usage: tools/bench_startup.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-21}
cmake --build "$build" --target bench_startup bench_empty_window >/dev/null
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:97
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  sleep 1
fi
# Process start included: time the whole run of each program, alternating.
measure() { local t0 t1; t0=$(date +%s%N); "$1" >/dev/null 2>&1; t1=$(date +%s%N); echo $(( (t1 - t0) / 1000 )); }
"$build/tools/bench_empty_window" >/dev/null 2>&1; "$build/tools/bench_startup" >/dev/null 2>&1   # warm the caches
empty=(); real=()
for _ in $(seq "$runs"); do
  empty+=("$(measure "$build/tools/bench_empty_window")")
  real+=("$(measure "$build/tools/bench_startup")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
me=$(median "${empty[@]}"); mr=$(median "${real[@]}")
awk -v e="$me" -v r="$mr" 'BEGIN { printf "empty window: %.1f ms\nwelcome screen: %.1f ms\nratio: %.2f\n", e/1000, r/1000, r/e }'
