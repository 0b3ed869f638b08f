# Sourced by the system tests: runs "SCRIPT PROGRAM --inside" on a private X display, D-Bus
# session and accessibility bus, bounded to LIMIT seconds, and exits with its status.
# Usage: run_privately SCRIPT PROGRAM LIMIT
run_privately() {
  local script=$1 program=$2 limit=$3 runtime status=0
  runtime=$(mktemp -d)
  chmod 700 "$runtime"
  export XDG_RUNTIME_DIR=$runtime GSETTINGS_BACKEND=memory
  # dbus-run-session's complaint about the file limit is harmless here.
  timeout --kill-after=5 "$limit" dbus-run-session -- "$(dirname "${BASH_SOURCE[0]}")/on_private_display.sh" \
    bash "$script" "$program" --inside 2> >(grep -v 'Failed to set fd limit' >&2) || status=$?
  rm -rf "$runtime"
  exit "$status"
}
