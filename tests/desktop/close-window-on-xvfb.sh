#!/usr/bin/env bash
# Windows asked to close as a window manager's close button asks (tools/close-window) close every
# time: the control centre, reopened by starting the program again, and the room settings sheet,
# opened from the home page's room entry, twenty times each under the compositor.
#   tests/desktop/close-window-on-xvfb.sh <pet-tundle> <close-window>
set -euo pipefail
app=$1 close=$2
cycles=20

# shellcheck source=tests/desktop/x-server.sh
. "$(dirname "$0")/x-server.sh"
# shellcheck source=tests/desktop/private-home.sh
. "$(dirname "$0")/private-home.sh"

start_x_server 1440x900
xcompmgr >/dev/null 2>&1 &
pids+=($!)

control_centre="糯墩 · 桌面小伙伴"
room_sheet="房间设置"
# The visible top-level window titled exactly $1.
shown() {
  local window
  for window in $(xwininfo -root -children | grep -F " \"$1\": " | awk '{ print $1 }'); do
    if xwininfo -id "$window" | grep -q 'Map State: IsViewable'; then
      echo "$window"
      return
    fi
  done
}
# Runs "$@" every 0.05 s until it succeeds, for at most $1 seconds.
within() {
  local limit=$(($1 * 20))
  shift
  for _ in $(seq "$limit"); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}
is_shown() { [ -n "$(shown "$1")" ]; }
is_gone() { [ -z "$(shown "$1")" ]; }

"$app" >"$home/app.log" 2>&1 &
app_pid=$!
within 20 is_shown "糯墩桌宠" || fail "the pet did not show"
within 10 is_shown "$control_centre" || fail "the control centre did not open at start"
# The build tree's copy asks to be installed at start; the guide, which holds every other window
# of the program, is put away first.
guide="先安装糯墩"
within 10 is_shown "$guide" || fail "the installation guide did not show"
for _ in $(seq 20); do
  is_gone "$guide" && break
  "$close" "$guide" >/dev/null || true
  sleep 0.3
done
is_gone "$guide" || fail "the installation guide did not close"

# Asks the window titled $1 to close once and counts a miss when it is still there after two
# seconds.
misses=0
close_once() {
  "$close" "$1" >/dev/null || fail "close-window found no window \"$1\""
  if ! within 2 is_gone "$1"; then
    misses=$((misses + 1))
    echo "\"$1\" stayed open"
    # Put away by hand, so the next cycle starts as the first did.
    for _ in $(seq 20); do
      is_gone "$1" && return 0
      "$close" "$1" >/dev/null || true
      sleep 0.3
    done
    fail "\"$1\" did not close even when asked again and again"
  fi
}

for _ in $(seq "$cycles"); do
  is_shown "$control_centre" || { "$app" >/dev/null 2>&1 || true; }
  within 5 is_shown "$control_centre" || fail "starting the program again did not reopen the control centre"
  close_once "$control_centre"
done

"$app" >/dev/null 2>&1 || true
within 5 is_shown "$control_centre" || fail "the control centre did not reopen"
sleep 0.5
for _ in $(seq "$cycles"); do
  eval "$(xdotool getwindowgeometry --shell "$(shown "$control_centre")")"
  xdotool mousemove $((X + 917)) $((Y + 148)) click 1
  within 5 is_shown "$room_sheet" || fail "the room entry did not open the room settings"
  close_once "$room_sheet"
done

kill -0 "$app_pid" 2>/dev/null || fail "the program ended on its own"
[ "$misses" -eq 0 ] || fail "$misses of $((2 * cycles)) windows stayed open when asked to close"
echo "1 passed, 0 failed"
