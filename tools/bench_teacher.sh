#!/usr/bin/env bash
# The teacher's program with N made-up checks (tools/make_results), on this user's SQLite
# file and on a private PostgreSQL server (tests/results/pg_server.sh), on a Release build
# and a real X display (Xvfb if none). Each store: STARTS starts of the program to the
# overview filled (medians with their spread), and one run of its own timings
# (zefranol-leerkracht --tijden ROUNDS): changing the period from the database and read
# ahead, opening a pupil, peak memory. The overview opens on the school year 2025-2026.
# Needs sqlite3 and PostgreSQL 15 (its client copies the checks onto the server).
# Usage: tools/bench_teacher.sh [build-dir] [checks] [rounds] [starts]
set -euo pipefail
build=${1:-build}
n=${2:-1000000}
rounds=${3:-5}
starts=${4:-5}
here=$(cd "$(dirname "$0")" && pwd)
cmake --build "$build" --target zefranol zefranol-leerkracht make_results >/dev/null
. "$here/private_display.sh"
work=$(mktemp -d)
_zef_cleanup+=("bash '$here/../tests/results/pg_server.sh' remove '$work/pg' >/dev/null 2>&1 || true" "rm -rf '$work'")
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
spread() { printf '%s\n' "$@" | sort -n | awk 'NR==1 {lo=$1} {hi=$1} END {printf "%s..%s", lo, hi}'; }

echo "$n checks of 500 pupils (make_results $n 11)"
timeout 900 "$build/tools/make_results" "$n" 11 >"$work/checks.csv"
mkdir -p "$work/sqlite/config" "$work/pg/config/zefranol"
XDG_DATA_HOME=$work/sqlite/data XDG_CONFIG_HOME=$work/sqlite/config \
  timeout 3600 "$build/zefranol" --resultaten-inlezen "$work/checks.csv"
store=$work/sqlite/data/zefranol/resultaten.sqlite

eval "$(bash "$here/../tests/results/pg_server.sh" start "$work/pg" 2>/dev/null | sed 's/^/export /')"
columns="id, leerling, tijdstip, scherm, opgave, antwoord, rij1, rij2, oordeel, seconden, fouten, maler, onthouden, rekenfouten, optelfouten"
psql=(timeout 3600 psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$ZEF_PG_PORT" -U postgres -d zefranol)
timeout 3600 sqlite3 -csv "$store" "SELECT $columns FROM controles" |
  "${psql[@]}" -c "\\copy zefranol.controles ($columns) FROM STDIN WITH (FORMAT csv)"
"${psql[@]}" -c "VACUUM ANALYZE zefranol.controles"
printf '[school]\nhost=127.0.0.1\nport=%s\ndatabase=zefranol\n\n[leerkracht]\nuser=juf\n' "$ZEF_PG_PORT" \
  >"$work/pg/config/zefranol/zefranol.conf"

run() { # kind, then the program's arguments
  local kind=$1; shift
  ZEF_START_MS=$(date +%s%3N) XDG_DATA_HOME=$work/$kind/data XDG_CONFIG_HOME=$work/$kind/config \
    timeout 300 "$build/zefranol-leerkracht" --periode schooljaar --datum 2026-03-15 "$@" 2>/dev/null
}
for kind in sqlite pg; do
  echo "== $kind"
  ms=()
  for _ in $(seq "$starts"); do
    ms+=("$(run "$kind" --tijden 0 | awk '/^start/ {print $6}')")
  done
  echo "start to the overview filled: median $(median "${ms[@]}") ms ($(spread "${ms[@]}"), $starts starts)"
  run "$kind" --tijden "$rounds" | sed 's/^/  /'
done
