# Shared by the set-up scripts: the build and a virtual X display.

# Configures and builds everything into build/ (the programs land in build/bin).
build_all() {
  cmake -S . -B build -G Ninja >/dev/null
  cmake --build build
}

# Starts Xvfb on the first display number no other X server holds and exports DISPLAY;
# stop_xvfb ends it. The screen is 1920x1080 unless another size is given ("3840x2160").
start_xvfb() {
  local size=${1:-1920x1080} number tries
  for ((number = 90; number < 200; number++)); do
    [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
    Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for ((tries = 0; tries < 100; tries++)); do
      if xdpyinfo -display ":$number" >/dev/null 2>&1; then
        export DISPLAY=":$number"
        return 0
      fi
      # Another server took this number first: try the next one.
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    stop_xvfb
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_xvfb() {
  if [[ -n ${XVFB_PID:-} ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}
