#!/usr/bin/env bash
# Starts the real program on a private X display, D-Bus session and accessibility bus,
# and drives it through the accessibility interface alone.
# Usage: screen_reader_test.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
if [ "${2:-}" != "--inside" ]; then
  . "$here/../support/private_session.sh"
  run_privately "$here/screen_reader_test.sh" "$program" 110
fi
# From here on the whole run is bounded by run_privately's limit, and each wait for the
# program in screen_reader.py by its own deadline.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
log=$XDG_RUNTIME_DIR/program.log
"$program" >"$log" 2>&1 &
pid=$!
status=0
/usr/bin/python3 "$here/screen_reader.py" || status=$?
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
if [ "$status" -ne 0 ]; then
  echo "--- program output"
  cat "$log"
fi
exit "$status"
