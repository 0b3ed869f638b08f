#!/usr/bin/env bash
# A private PostgreSQL 15 server for the tests: its own folder, run by an unprivileged user
# (initdb refuses root), on loopback at a free port, with the school's schema loaded and
# two login roles, a pupil's (leerling1) and a teacher's (juf), whose passwords stand in a
# pgpass file of its own. Every wait is bounded.
#   pg_server.sh start DIR    prints the settings to export: ZEF_PG_PORT, PGPASSFILE
#   pg_server.sh stop DIR | restart DIR | remove DIR (stops it and removes its files)
# The server's own files stand in a folder of the unprivileged user's under /tmp (the
# caller's DIR may not be reachable for it); DIR/root says where.
set -euo pipefail
action=$1 dir=$2
here=$(dirname "$(realpath "$0")")
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n1)
[ -x "$bin/initdb" ] || { echo "pg_server.sh: PostgreSQL's server is not installed (postgresql-15)" >&2; exit 1; }
owner=nobody
as_owner() {
  if [ "$(id -u)" = 0 ]; then setpriv --reuid="$owner" --regid=nogroup --clear-groups -- "$@"; else "$@"; fi
}
root=$(cat "$dir/root" 2>/dev/null || true)
pgctl() { as_owner timeout 30 "$bin/pg_ctl" -D "$root/data" -w -t 20 "$@" >>"$root/pg_ctl.log" 2>&1; }
case $action in
start)
  mkdir -p "$dir"
  root=$(mktemp -d /tmp/zefranol-pg.XXXXXX)
  echo "$root" >"$dir/root"
  port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  printf 'postgres\n' >"$root/superuser.pw"
  if [ "$(id -u)" = 0 ]; then chown -R "$owner" "$root"; fi
  as_owner timeout 60 "$bin/initdb" -D "$root/data" -U postgres --pwfile="$root/superuser.pw" \
    --auth-local=trust --auth-host=scram-sha-256 -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
  cat >>"$root/data/postgresql.conf" <<CONF
listen_addresses = '127.0.0.1'
port = $port
unix_socket_directories = '$root'
fsync = off
CONF
  pgctl -l "$root/server.log" start
  psql=(timeout 30 psql -X -q -v ON_ERROR_STOP=1 -h "$root" -p "$port" -U postgres)
  as_owner "${psql[@]}" -d postgres -c "CREATE DATABASE zefranol"
  as_owner "${psql[@]}" -d zefranol -f - <"$here/../../results/school.sql" >/dev/null
  as_owner "${psql[@]}" -d zefranol -c "CREATE ROLE leerling1 LOGIN PASSWORD 'geheim1' IN ROLE zefranol_leerling;
    CREATE ROLE juf LOGIN PASSWORD 'geheim2' IN ROLE zefranol_leerkracht;"
  printf '127.0.0.1:%s:zefranol:leerling1:geheim1\n127.0.0.1:%s:zefranol:juf:geheim2\n127.0.0.1:%s:*:postgres:postgres\n' \
    "$port" "$port" "$port" >"$dir/pgpass"
  chmod 600 "$dir/pgpass"
  echo "$port" >"$dir/port"
  echo "ZEF_PG_PORT=$port"
  echo "PGPASSFILE=$dir/pgpass"
  ;;
stop) pgctl -m fast stop ;;
restart) pgctl -l "$root/server.log" start ;;
remove)
  [ -n "$root" ] || exit 0
  pgctl -m immediate stop || true
  case $root in /tmp/zefranol-pg.*) rm -rf "$root" ;; esac
  ;;
*) echo "usage: pg_server.sh start|stop|restart|remove DIR" >&2; exit 2 ;;
esac
