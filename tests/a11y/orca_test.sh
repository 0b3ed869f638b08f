#!/usr/bin/env bash
# Runs the real program with Debian's screen reader (Orca) speaking Dutch, on a private X
# display, D-Bus session and accessibility bus, and checks what the pupil hears after each
# key press (orca_pupil.py).
# Usage: orca_test.sh PROGRAM [series OUTFILE]
#   With "series OUTFILE" it records one series of five on the column screen instead.
#   With ZEF_ORCA_SCRIPT=orca_teacher.py it records the teacher's program (see there).
set -euo pipefail
program=$(realpath "$1")
shift
here=$(dirname "$(realpath "$0")")
if [ "${ZEF_ORCA_INSIDE:-}" != 1 ]; then
  runtime=$(mktemp -d)
  trap 'rm -rf "$runtime"' EXIT
  chmod 700 "$runtime"
  mkdir -p "$runtime/home" "$runtime/orca" "$runtime/xdg" "$runtime/locale"
  chmod 700 "$runtime/xdg"
  # The Dutch locale, made in a private folder when the machine has none.
  if ! locale -a 2>/dev/null | grep -qix 'nl_NL.utf-\?8'; then
    localedef -i nl_NL -f UTF-8 "$runtime/locale/nl_NL.UTF-8"
    export LOCPATH=$runtime/locale
  fi
  export HOME=$runtime/home XDG_RUNTIME_DIR=$runtime/xdg XDG_CONFIG_HOME=$runtime/home/.config
  export XDG_DATA_HOME=$runtime/home/.local/share XDG_CACHE_HOME=$runtime/home/.cache GSETTINGS_BACKEND=memory
  export ZEF_ORCA_RUNTIME=$runtime ZEF_ORCA_INSIDE=1
  # Where speech-dispatcher is installed (reading aloud needs it), Orca speaks through it,
  # and with no sound device here the dispatcher holds up Orca's handling of every key.
  # What Orca says is read from its debug output, so it runs without a speech server.
  mkdir -p "$runtime/python/speechd"
  echo 'raise ImportError("no speech server in this run")' >"$runtime/python/speechd/__init__.py"
  export PYTHONPATH=$runtime/python${PYTHONPATH:+:$PYTHONPATH}
  # Orca refuses to start while another Orca of the same user runs; a process namespace of
  # our own hides the others (and ends everything started in it when the run ends).
  isolate=()
  if unshare --pid --fork --mount-proc --kill-child true 2>/dev/null; then
    isolate=(unshare --pid --fork --mount-proc --kill-child)
  fi
  status=0
  # dbus-run-session's complaints about the file limit and the namespace's orphans are
  # harmless here. The locale is set for the children only: this shell may lack it.
  # The whole run is bounded below the test's own limit, whatever hangs inside it.
  env LANG=nl_NL.UTF-8 LANGUAGE=nl LC_ALL=nl_NL.UTF-8 timeout --kill-after=5 170 "${isolate[@]}" dbus-run-session -- "$here/../support/on_private_display.sh" \
    bash "$here/orca_test.sh" "$program" "$@" \
    > >(grep -v -e 'SpiRegistry daemon') \
    2> >(grep -v -e 'Failed to set fd limit' -e 'ignoring unknown child' -e 'activated service' -e 'Activating service' >&2) || status=$?
  # ZEF_ORCA_KEEP=DIR keeps Orca's whole debug output and the program's for a closer look.
  if [ -n "${ZEF_ORCA_KEEP:-}" ]; then
    mkdir -p "$ZEF_ORCA_KEEP"
    cp "$runtime"/*.txt "$runtime"/*.log "$ZEF_ORCA_KEEP"/ 2>/dev/null || true
  fi
  if [ "$status" -ne 0 ] && [ -f "$runtime/heard.txt" ]; then
    echo "--- what was heard"
    cat "$runtime/heard.txt"
    echo "--- program output"
    cat "$runtime/program.log" 2>/dev/null || true
  fi
  exit "$status"
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
exec /usr/bin/python3 "$here/${ZEF_ORCA_SCRIPT:-orca_pupil.py}" "$program" "$@"
