# Sourced by the benchmark scripts. When no X display is set, starts a private Xvfb on a
# display number the server picks itself (no clash with another server); gives Qt a
# private runtime directory when there is none. Both go when the script exits.
_zef_cleanup=()
trap 'for c in "${_zef_cleanup[@]}"; do eval "$c"; done' EXIT
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  _zef_cleanup+=("rm -rf '$XDG_RUNTIME_DIR'")
fi
if [ -z "${DISPLAY:-}" ]; then
  _zef_dpy=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$_zef_dpy" >/dev/null 2>&1 &
  _zef_cleanup+=("kill $! 2>/dev/null" "rm -f '$_zef_dpy'")
  for _ in $(seq 100); do [ -s "$_zef_dpy" ] && break; sleep 0.05; done
  [ -s "$_zef_dpy" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$_zef_dpy")"
fi
