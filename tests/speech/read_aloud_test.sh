#!/usr/bin/env bash
# Reading aloud with the real speech service: PulseAudio on a sink without a sound card,
# speech-dispatcher with espeak-ng and the program, all started here on a private display,
# D-Bus session and accessibility bus; read_aloud.py plays the pupil and checks.
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
export HOME=$run/home XDG_CONFIG_HOME=$run/home/.config PULSE_SERVER=unix:$run/pulse/native
export SPEECHD_ADDRESS=unix_socket:$run/speechd.sock ZEF_RUN=$run
printf '[voorlezen]\naan=true\n' >"$XDG_CONFIG_HOME/zefranol/zefranol.conf"
finish() {
  kill $(jobs -p) 2>/dev/null || true
  wait 2>/dev/null || true
  [ -z "${ZEF_KEEP:-}" ] || { mkdir -p "$ZEF_KEEP" && cp "$run"/log/* "$run"/*.raw "$ZEF_KEEP"/ 2>/dev/null; } || true
}
trap finish EXIT
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --load="module-null-sink sink_name=zef" \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$run/pulse/native" >"$run/log/pulse.log" 2>&1 &
timeout 10 bash -c 'until pactl info; do sleep 0.1; done' >/dev/null 2>&1 || { echo "FAIL: no PulseAudio"; exit 1; }
pactl set-default-sink zef
# The system's modules, sounding into that sink, every message in the log (level 5).
cp -r /etc/speech-dispatcher/. "$run/speechd/"
printf 'AudioOutputMethod "pulse"\nDefaultModule espeak-ng\n' >>"$run/speechd/speechd.conf"
speech-dispatcher -s -l 5 -L "$run/log" -C "$run/speechd" -c unix_socket -S "$run/speechd.sock" -t 0 \
  >"$run/log/speechd.out" 2>&1 &
timeout 10 bash -c "until [ -S '$run/speechd.sock' ]; do sleep 0.1; done" || { echo "FAIL: no speech-dispatcher"; exit 1; }
# libspeechd looks for the end of a reply with strstr over all of it so far: the sanitizer's
# checked strstr makes listing speech-dispatcher's thousands of voices take minutes.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}:intercept_strstr=0
"$program" >"$run/log/program.log" 2>&1 &
/usr/bin/python3 "$here/read_aloud.py" "$run/log/speech-dispatcher.log" || { cat "$run/log/program.log"; exit 1; }
