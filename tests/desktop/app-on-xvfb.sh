#!/usr/bin/env bash
# The real application on a private X server: it starts, quits cleanly on SIGTERM with its
# settings saved, and a second start keeps the pet where the first one left it.
#   tests/desktop/app-on-xvfb.sh <pet-tundle executable>
set -euo pipefail
app=$1

# shellcheck source=tests/desktop/x-server.sh
. "$(dirname "$0")/x-server.sh"
# shellcheck source=tests/desktop/private-home.sh
. "$(dirname "$0")/private-home.sh"

start_x_server

# The breathing switch keeps the control centre from opening over the pet: without a window
# manager, the window mapped last is on top.
export TUNDLE_QA_BREATHING=1
config="$home/data/pet-tundle/configuration-v1.json"

# The window that takes a click at a screen position.
window_at() {
  eval "$(xdotool mousemove $(($1 - 1)) "$2" mousemove_relative 1 0 sleep 0.3 getmouselocation --shell)"
  echo "$WINDOW"
}

# Clicks fall through the panel's transparent corner, and somewhere on the pet they are taken.
check_click_through() {
  local panel x y width height
  panel=$(xdotool search --name "糯墩桌宠" | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$panel")"
  x=$X y=$Y width=$WIDTH height=$HEIGHT
  if [ "$(window_at $((x + 5)) $((y + 5)))" = "$panel" ]; then
    echo "the transparent corner of the pet panel takes clicks"; exit 1
  fi
  # The server answers from the panel's input shape at once: no waiting after a move.
  for dy in $(seq $((height - 60)) -30 $((height / 3))); do
    for dx in $(seq $((width / 3)) 30 $((width - 20))); do
      if [ "$(xdotool mousemove $((x + dx - 1)) $((y + dy)) mousemove_relative 1 0 \
        getmouselocation --shell | sed -n 's/^WINDOW=//p')" = "$panel" ]; then
        return 0
      fi
    done
  done
  echo "no part of the pet takes clicks"; exit 1
}

# The title window managers show for window $1.
title_of() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }

# Every window carries exactly its own title, with nothing added (such as the application's
# name). A second start opens the first one's control centre.
check_titles() {
  "$app" >/dev/null 2>&1
  local title window shown
  for title in "糯墩桌宠" "糯墩 · 呼吸练习" "糯墩 · 桌面小伙伴"; do
    shown=
    for _ in $(seq 100); do
      for window in $(xdotool search --name "$title" 2>/dev/null); do
        shown=$(title_of "$window")
        [ "$shown" = "$title" ] && break 2
      done
      sleep 0.05
    done
    if [ "$shown" != "$title" ]; then
      echo "no window is titled exactly \"$title\" (seen: \"$shown\")"; exit 1
    fi
  done
}

# Runs the application until its pet window exists, then ends it with SIGTERM.
run_once() {
  "$app" >"$home/app.log" 2>&1 &
  local pid=$!
  for _ in $(seq 200); do
    xdotool search --name "糯墩桌宠" >/dev/null 2>&1 && break
    sleep 0.05
  done
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "the application ended on its own"; cat "$home/app.log"; exit 1
  fi
  sleep 0.5
  if [ "${1:-}" = "clicks" ]; then
    check_click_through
    check_titles
  fi
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "the application quit with status $status"; cat "$home/app.log"; exit 1
  fi
}

position() { grep -E '"pet[XY]"' "$config" | tr -d ' \n'; }

run_once clicks
[ -f "$config" ] || { echo "no configuration was written"; exit 1; }
first=$(position)
[ -n "$first" ] || { echo "the pet's position was not stored"; exit 1; }
run_once
second=$(position)
if [ "$first" != "$second" ]; then
  echo "the pet moved between starts: $first then $second"; exit 1
fi
echo "1 passed, 0 failed"
