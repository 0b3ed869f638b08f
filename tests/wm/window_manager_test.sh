#!/usr/bin/env bash
# Starts the real program on a private X display with a window manager (openbox unless
# ZEF_WM names another), a private D-Bus session and accessibility bus, and plays a pupil
# with the mouse and the title bars. By hand, ZEF_SHOTS=folder keeps screenshots.
# Usage: window_manager_test.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
if [ "${2:-}" != "--inside" ]; then
  . "$here/../support/private_session.sh"
  run_privately "$here/window_manager_test.sh" "$program" 110
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export ZEF_PROGRAM_LOG=$XDG_RUNTIME_DIR/program.log
wm=${ZEF_WM:-openbox}
case $wm in
  xfwm4) ${wm} --compositor=off >"$XDG_RUNTIME_DIR/wm.log" 2>&1 & ;;
  mutter) ${wm} --x11 --replace >"$XDG_RUNTIME_DIR/wm.log" 2>&1 & ;;
  *) ${wm} >"$XDG_RUNTIME_DIR/wm.log" 2>&1 & ;;
esac
wm_pid=$!
status=0
# The window manager is up once it names itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
timeout 100 /usr/bin/python3 "$here/window_manager.py" "$program" || status=$?
kill "$wm_pid" 2>/dev/null || true
wait "$wm_pid" 2>/dev/null || true
if [ "$status" -ne 0 ]; then
  echo "--- program output"
  cat "$ZEF_PROGRAM_LOG" 2>/dev/null || true
  echo "--- window manager output"
  cat "$XDG_RUNTIME_DIR/wm.log"
fi
exit "$status"
