#!/usr/bin/env bash
# Runs COMMAND on an Xvfb of its own and ends that server, waiting until it is gone.
# The server picks a free display number itself (-displayfd) and names it only once it
# accepts connections; a server still going down from the test before cannot be mistaken
# for a free one, nor remove the new server's socket as it goes.
# Usage: on_private_display.sh COMMAND [ARG...]
set -uo pipefail
numbers=$(mktemp)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$numbers" >/dev/null 2>&1 &
server=$!
stop_server() {
  kill "$server" 2>/dev/null
  for _ in $(seq 100); do kill -0 "$server" 2>/dev/null || break; sleep 0.05; done
  kill -9 "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  rm -f "$numbers"
}
trap stop_server EXIT
for _ in $(seq 200); do [ -s "$numbers" ] && break; sleep 0.05; done
[ -s "$numbers" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$numbers")"
unset XAUTHORITY
"$@"
