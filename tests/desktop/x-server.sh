# Sourced by the desktop tests. start_x_server [WIDTHxHEIGHT]: starts a private X server on a
# display it chooses itself (so tests running side by side never share one), waits until it
# answers, exports DISPLAY and adds the server to the caller's `pids` array.
start_x_server() {
  local size=${1:-1280x800} number
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$number" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 200); do
    [ -s "$number" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(cat "$number")"
  rm -f "$number"
  for _ in $(seq 200); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
  done
}
