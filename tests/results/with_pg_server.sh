#!/usr/bin/env bash
# Runs a test program beside a private PostgreSQL server (pg_server.sh), removed afterwards.
# Usage: with_pg_server.sh PROGRAM
set -euo pipefail
here=$(dirname "$(realpath "$0")")
dir=$(mktemp -d)
trap 'bash "$here/pg_server.sh" remove "$dir/pg" >/dev/null 2>&1 || true; rm -rf "$dir"' EXIT
eval "$(bash "$here/pg_server.sh" start "$dir/pg" | sed 's/^/export /')"
export ZEF_PG_DIR=$dir/pg ZEF_PG_SCRIPT=$here/pg_server.sh
timeout 100 "$1"
