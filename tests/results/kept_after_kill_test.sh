#!/usr/bin/env bash
# The real program keeping results, on a private X display, played with the keyboard alone:
# a check, then kill -9 one second after its verdict; the check must be in the store.
# By hand, ZEF_SERIES=1 plays a whole series of five instead and prints the CSV that
# `zefranol --resultaten` gives afterwards; with ZEF_SCHOOL_PORT (and PGPASSFILE) set the
# checks go on to that PostgreSQL server as leerling1.
# Usage: kept_after_kill_test.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
if [ "${2:-}" != "--inside" ]; then
  . "$here/../support/private_session.sh"
  run_privately "$here/kept_after_kill_test.sh" "$program" 80
fi
export QT_QPA_PLATFORM=xcb ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
mkdir -p "$XDG_CONFIG_HOME/zefranol"
printf '[resultaten]\nbewaren=true\n' >"$XDG_CONFIG_HOME/zefranol/zefranol.conf"
if [ -n "${ZEF_SCHOOL_PORT:-}" ]; then
  printf '[school]\nhost=127.0.0.1\nport=%s\ndatabase=zefranol\nuser=leerling1\n' "$ZEF_SCHOOL_PORT" \
    >>"$XDG_CONFIG_HOME/zefranol/zefranol.conf"
fi
"$program" >"$home/program.log" 2>&1 &
pid=$!
# The welcome screen has the keyboard once it is mapped.
for _ in $(seq 100); do
  xdotool search --onlyvisible --name 'ZEFRANOL|Alle kinderen' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
key() { timeout 5 xdotool key "$1"; sleep "${2:-0.4}"; }
key space 1   # "Klik hier en start !": the menu, its focus on "Ik leer vermenigvuldigen"
for _ in 1 2 3 4; do key Tab 0.3; done # the menu's order of work: on to "Ik leer cijferend vermenigvuldigen"
key space 1
checks=1
[ -n "${ZEF_SERIES:-}" ] && checks=5
for n in $(seq "$checks"); do
  key space   # START
  # The answer from the units leftwards; a fourth digit on a three-digit product lands on
  # the check button, where it does nothing.
  for d in 6 5 8 2; do key "$d" 0.2; done
  key space 0.1 # the check
  [ -n "${ZEF_SERIES:-}" ] && [ -n "${ZEF_STOP_SERVER_AFTER:-}" ] && [ "$n" = "$ZEF_STOP_SERVER_AFTER" ] &&
    bash "$here/pg_server.sh" stop "$ZEF_PG_DIR" </dev/null >/dev/null 2>&1
  [ -n "${ZEF_SERIES:-}" ] && [ -n "${ZEF_START_SERVER_AFTER:-}" ] && [ "$n" = "$ZEF_START_SERVER_AFTER" ] &&
    bash "$here/pg_server.sh" restart "$ZEF_PG_DIR" </dev/null >/dev/null 2>&1
  sleep 1
done
[ -n "${ZEF_SERIES:-}" ] && sleep 4 # the server's retry, when one is set
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
timeout 20 "$program" --resultaten >"$home/kept.csv"
cat "$home/kept.csv"
rows=$(($(wc -l <"$home/kept.csv") - 1))
if [ "$rows" -ne "$checks" ] || ! grep -q ",$(id -un),.*,Cijferend vermenigvuldigen,[1-8][0-8][0-8] x [1-8],[0-9]*,\(goed\|fout\)," "$home/kept.csv"; then
  echo "FAIL: expected $checks kept check(s) after kill -9"
  cat "$home/program.log"
  exit 1
fi
if [ -n "${ZEF_SERIES:-}" ]; then
  echo "--- what the program said"
  cat "$home/program.log"
fi
echo "PASS: $rows check(s) kept after kill -9"
