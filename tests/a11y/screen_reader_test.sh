#!/usr/bin/env bash
# Starts the real program on a private X display, D-Bus session and accessibility bus,
# and drives it through the accessibility interface alone.
# Usage: screen_reader_test.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
if [ "${2:-}" != "--inside" ]; then
  runtime=$(mktemp -d)
  trap 'rm -rf "$runtime"' EXIT
  chmod 700 "$runtime"
  export XDG_RUNTIME_DIR=$runtime GSETTINGS_BACKEND=memory
  # dbus-run-session's complaint about the file limit is harmless here.
  dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/screen_reader_test.sh" "$program" --inside \
    2> >(grep -v 'Failed to set fd limit' >&2)
  exit $?
fi
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
