#!/usr/bin/env bash
# Reading aloud with the real speech service: the program, speech-dispatcher with espeak-ng
# and PulseAudio on a silent sink, all started here on a private X display, D-Bus session and
# accessibility bus. Checks what reaches the speech service over one exercise, that sound
# was made, and silence while a screen reader runs (read_aloud.py).
# Usage: read_aloud_test.sh PROGRAM [KEEP_DIR]   (KEEP_DIR keeps the logs and the recordings)
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
if [ "${2:-}" != "--inside" ]; then
  export ZEF_KEEP=${2:-}
  . "$here/../support/private_session.sh"
  run_privately "$here/read_aloud_test.sh" "$program" 170
fi
run=$XDG_RUNTIME_DIR
mkdir -p "$run/home/.config/zefranol" "$run/speechd" "$run/pulse" "$run/log"
export HOME=$run/home XDG_CONFIG_HOME=$run/home/.config XDG_CACHE_HOME=$run/home/.cache
# Reading aloud switched on by the configuration file.
printf '[voorlezen]\naan=true\n' >"$XDG_CONFIG_HOME/zefranol/zefranol.conf"
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ -n "${ZEF_KEEP:-}" ]; then mkdir -p "$ZEF_KEEP" && cp "$run"/log/* "$run"/*.raw "$ZEF_KEEP"/ 2>/dev/null || true; fi
}
trap finish EXIT
wait_for() { # wait_for SECONDS COMMAND...: polls until the command succeeds
  local end=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$end" ] || { echo "FAIL: gave up waiting for: $*"; exit 1; }
    sleep 0.1
  done
}

# A sound server with no sound card: one null sink, whose monitor is recorded.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --load="module-null-sink sink_name=zef" \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$run/pulse/native" >"$run/log/pulse.log" 2>&1 &
pids+=($!)
export PULSE_SERVER=unix:$run/pulse/native
wait_for 10 pactl info
pactl set-default-sink zef

# The speech service with the system's modules, sending to that sink, logging every message.
cp -r /etc/speech-dispatcher/. "$run/speechd/"
printf 'AudioOutputMethod "pulse"\nDefaultModule espeak-ng\n' >>"$run/speechd/speechd.conf"
speech-dispatcher -s -l 5 -L "$run/log" -C "$run/speechd" -c unix_socket -S "$run/speechd.sock" -t 0 \
  >"$run/log/speechd.out" 2>&1 &
pids+=($!)
export SPEECHD_ADDRESS=unix_socket:$run/speechd.sock
wait_for 10 test -S "$run/speechd.sock"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
"$program" >"$run/log/program.log" 2>&1 &
pids+=($!)
status=0
ZEF_RUN=$run /usr/bin/python3 "$here/read_aloud.py" "$run/log/speech-dispatcher.log" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- program output"
  cat "$run/log/program.log"
fi
exit "$status"
