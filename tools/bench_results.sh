#!/usr/bin/env bash
# How the store's cost grows: CSV import and export of N made-up checks (time and peak
# memory, /usr/bin/time), and the file's size per 1,000 checks. Each size in a fresh store.
# Usage: tools/bench_results.sh BUILD_DIR [N ...]     (default 1000 1000000)
set -euo pipefail
build=$(realpath "$1")
shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 1000000)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
measure() { # label, then the command; prints seconds and peak MiB
  local label=$1
  shift
  /usr/bin/time -f '%e %M' -o "$work/time" timeout 1200 "$@"
  read -r secs kib <"$work/time"
  awk -v l="$label" -v s="$secs" -v k="$kib" 'BEGIN { printf "  %-22s %8.2f s   peak %6.1f MiB\n", l, s, k / 1024 }'
}
for n in "${sizes[@]}"; do
  export XDG_DATA_HOME=$work/data-$n
  timeout 600 "$build/tools/make_results" "$n" 7 >"$work/in.csv"
  echo "$n checks ($(du -h "$work/in.csv" | cut -f1) of CSV)"
  measure "import" "$build/zefranol" --resultaten-inlezen "$work/in.csv" 2>/dev/null
  measure "import again (skips)" "$build/zefranol" --resultaten-inlezen "$work/in.csv" 2>/dev/null
  measure "export" sh -c "exec '$build/zefranol' --resultaten >'$work/out.csv'"
  # The export is in order of time; the made-up file is not.
  if cmp -s <(sort "$work/in.csv") <(sort "$work/out.csv"); then
    echo "  export holds the imported lines byte for byte"
  else
    echo "  EXPORT DIFFERS from the imported CSV"
  fi
  db=$XDG_DATA_HOME/zefranol/resultaten.sqlite
  bytes=$(( $(stat -c %s "$db") + $(stat -c %s "$db-wal" 2>/dev/null || echo 0) ))
  awk -v b="$bytes" -v n="$n" 'BEGIN { printf "  store %.1f MiB, %.0f KiB per 1,000 checks\n", b / 1048576, b / 1024 * 1000 / n }'
done
