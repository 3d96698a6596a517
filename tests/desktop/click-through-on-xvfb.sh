#!/usr/bin/env bash
# Presses on the real pet under a compositor, with a real pointer (XTest): the pet takes every
# press on its interactive parts at once, the rest of its panel lets presses through to a window
# beneath, and a drag that leaves the pet keeps moving it until the release.
# Files dragged onto the pet still reach it.
#   tests/desktop/click-through-on-xvfb.sh <pet-tundle> <input-shape> <close-window> <farm-targets>
#     <drag-source>
set -euo pipefail
app=$1 shape=$2 close=$3 farm_targets=$4 drag_source=$5

# shellcheck source=tests/desktop/private-home.sh
. "$(dirname "$0")/private-home.sh"

# A server of our own: a display that looked free may be taken by someone else meanwhile, and
# then our server ends at once and the next display is tried.
display=260
server=
while [ -z "$server" ] && [ "$display" -lt 300 ]; do
  if [ ! -e "/tmp/.X11-unix/X$display" ] && [ ! -e "/tmp/.X$display-lock" ]; then
    Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 100); do
      DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && break
      sleep 0.05
    done
    kill -0 "$server" 2>/dev/null || server=
  fi
  [ -n "$server" ] || display=$((display + 1))
done
[ -n "$server" ] || fail "no X server could be started"
pids+=("$server")
export DISPLAY=":$display"
xcompmgr >/dev/null 2>&1 &
pids+=($!)

# The window beneath: it covers the screen and logs every press it gets. Mapped first, it stays
# below the application's windows (there is no window manager).
stdbuf -oL xev -geometry 1280x800+0+0 -event button >"$home/below.log" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
  xdotool search --name "Event Tester" >/dev/null 2>&1 && break
  sleep 0.05
done
below_presses() { grep -c '^ButtonPress' "$home/below.log" || true; }
below_presses_are() { [ "$(below_presses)" -eq "$1" ]; }

# Whether a condition holds within three seconds: the application answers in its own time.
eventually() {
  for _ in $(seq 30); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

config="$home/data/pet-tundle/configuration-v1.json"
settings="$home/config/pet-tundle/pet-tundle.ini"

# Starts the application and waits for its pet; the installation guide and the control centre
# that open at start are closed, as a user would.
start_app() {
  "$app" >"$home/app.log" 2>&1 &
  app_pid=$!
  for _ in $(seq 200); do
    panel=$(xdotool search --name "糯墩桌宠" 2>/dev/null | head -n 1) && [ -n "$panel" ] && break
    sleep 0.05
  done
  [ -n "$panel" ] || fail "the pet did not show"
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "糯墩 · 桌面小伙伴" >/dev/null 2>&1 && break
    sleep 0.1
  done
  local others
  for _ in $(seq 50); do
    "$close" "先安装糯墩" >/dev/null || true
    "$close" "糯墩 · 桌面小伙伴" >/dev/null || true
    sleep 0.2
    others=$(xdotool search --onlyvisible --name "糯墩" 2>/dev/null | grep -vx "$panel" || true)
    [ -z "$others" ] && break
  done
  [ -z "$others" ] || fail "the windows that open at start did not close"
  sleep 0.5
}

stop_app() {
  kill -TERM "$app_pid"
  wait "$app_pid" || true
  app_pid=
}

# The panel's place and size: X, Y, WIDTH, HEIGHT.
geometry() { eval "$(xdotool getwindowgeometry --shell "$panel")"; }
panel_at() { geometry && [ "$X" -eq "$1" ] && [ "$Y" -eq "$2" ]; }

# Every press here stays where it was for a moment: the watch that folds the shortcut panel on
# presses in other applications asks where the pointer is when it hears of one.

# Questions about the panel's input shape, answered in screen coordinates:
#   pet            a pixel deep inside the pet (the middle of the widest run of its middle row)
#   takes X Y      whether the panel takes a press there ("yes" or "no")
#   above          the box of what takes presses above the pet: "LEFT TOP RIGHT BOTTOM"
analyse() {
  geometry
  "$shape" "$panel" | python3 -c '
import sys
x0, y0, height, question = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), sys.argv[4:]
rects = [tuple(map(int, line.split())) for line in sys.stdin if line.strip()]
sprite_top = height - 254
def takes(x, y):
    return any(rx <= x < rx + w and ry <= y < ry + h for rx, ry, w, h in rects)
if question[0] == "pet":
    pet = [r for r in rects if r[1] >= sprite_top and r[0] >= 170]
    top = min(r[1] for r in pet)
    bottom = max(r[1] + r[3] for r in pet)
    row = (top + bottom) // 2
    runs = [r for r in pet if r[1] <= row < r[1] + r[3]]
    x, _, w, _ = max(runs, key=lambda r: r[2])
    print(x0 + x + w // 2, y0 + row)
elif question[0] == "takes":
    print("yes" if takes(int(question[1]) - x0, int(question[2]) - y0) else "no")
else:
    boxes = [r for r in rects if r[1] + r[3] <= sprite_top - 5]
    if boxes:
        print(x0 + min(r[0] for r in boxes), y0 + min(r[1] for r in boxes),
              x0 + max(r[0] + r[2] for r in boxes), y0 + max(r[1] + r[3] for r in boxes))
' "$X" "$Y" "$HEIGHT" "$@"
}

# First start: the configuration is written; then the water reminder is set to one minute (so a
# bubble with buttons comes up during the run) and the farm is stored collapsed (a press on the
# pet drags it).
start_app
stop_app
[ -f "$config" ] || fail "no configuration was written"
python3 - "$config" <<'PY'
import json, sys
with open(sys.argv[1], encoding="utf-8") as f:
    configuration = json.load(f)
configuration["preferences"]["waterMinutes"] = 1
configuration["preferences"]["waterEnabled"] = True
configuration["preferences"]["movementEnabled"] = False
with open(sys.argv[1], "w", encoding="utf-8") as f:
    json.dump(configuration, f, ensure_ascii=False, indent=2, sort_keys=True)
PY
"$farm_targets" "$settings" collapsed >/dev/null || fail "the farm could not be collapsed"

start_app
geometry
[ "$(analyse takes $((X + 10)) $((Y + HEIGHT - 10)))" = no ] || fail "the panel's empty corner takes presses"

# Ten times: a press on a transparent pixel of the sprite goes to the window beneath; the pointer
# rests there, away from the pet, for five seconds; then it moves onto the pet and presses at
# once, and drags: the panel follows.
clear_x=$((X + 172)) clear_y=$((Y + HEIGHT - 3))
fell_through=0 dragged=0
for trial in $(seq 10); do
  geometry
  clear_x=$((X + 172)) clear_y=$((Y + HEIGHT - 3))
  [ "$(analyse takes "$clear_x" "$clear_y")" = no ] || fail "the sprite's transparent corner takes presses"
  before=$(below_presses)
  xdotool mousemove "$clear_x" "$clear_y" click 1
  eventually below_presses_are $((before + 1)) && fell_through=$((fell_through + 1))
  sleep 5
  read -r px py < <(analyse pet)
  start_x=$X start_y=$Y
  # Left and up, then back: the pet stays on the screen.
  step=$(( trial % 2 ? -8 : 8 ))
  before=$(below_presses)
  xdotool mousemove "$px" "$py" mousedown 1 \
    mousemove_relative -- "$step" "$step" sleep 0.05 \
    mousemove_relative -- "$step" "$step" sleep 0.05 \
    mousemove_relative -- "$step" "$step" sleep 0.1 mouseup 1
  if eventually panel_at $((start_x + 3 * step)) $((start_y + 3 * step)) &&
    below_presses_are "$before"; then
    dragged=$((dragged + 1))
  fi
done
echo "presses through a transparent pixel: $fell_through of 10; drags of the pet: $dragged of 10"
[ "$fell_through" -eq 10 ] && [ "$dragged" -eq 10 ] || fail "the pet missed presses"

# A drag that leaves the pet: one jump takes the pointer far off the pet before the panel can
# follow; the panel still follows every move until the release, and none after it.
geometry
read -r px py < <(analyse pet)
start_x=$X start_y=$Y
before=$(below_presses)
xdotool mousemove "$px" "$py" mousedown 1 mousemove_relative -- -300 -40 sleep 0.2 \
  mousemove_relative -- -20 -10
eventually panel_at $((start_x - 320)) $((start_y - 50)) ||
  fail "a drag that left the pet lost the panel: $start_x,$start_y to $X,$Y"
xdotool mouseup 1 sleep 0.3 mousemove_relative -- -60 0 sleep 0.5
geometry
[ "$X" -eq $((start_x - 320)) ] || fail "the panel moved after the release"
below_presses_are "$before" || fail "the window beneath saw the drag"

# The water reminder's bubble (the greeting has long gone): its first button answers it, and the bubble that follows has no
# buttons (a press on the body would have taken the bubble away, one that fell through nothing).
xdotool mousemove 5 5
for _ in $(seq 150); do
  bubble=$(analyse above)
  [ -n "$bubble" ] && break
  sleep 0.2
done
[ -n "$bubble" ] || fail "the reminder's bubble did not come"
read -r left top right bottom <<<"$bubble"
before=$(below_presses)
xdotool mousemove $((left + 48)) $((bottom - 29)) click 1 sleep 0.3 mousemove 5 5
bubble_answered() {
  after=$(analyse above)
  [ -n "$after" ] && read -r _ after_top _ after_bottom <<<"$after" &&
    [ $((after_bottom - after_top)) -lt $((bottom - top - 30)) ]
}
eventually bubble_answered ||
  fail "the bubble's button did not answer: $bubble, then ${after:-no bubble}"
below_presses_are "$before" || fail "the window beneath saw the press on the bubble"
sleep 4.5

# The shortcuts accessory opens the shortcut panel above the pet; its add bubble (nothing is
# pinned) opens the control centre.
geometry
button_x=$((X + 92)) button_y=$((Y + HEIGHT - 128))
[ "$(analyse takes "$button_x" "$button_y")" = yes ] || fail "the accessory button takes no presses"
before=$(below_presses)
xdotool mousemove "$button_x" "$button_y" click 1 sleep 0.3 mousemove 5 5
shortcuts_open() {
  host=$(analyse above)
  [ -n "$host" ] && read -r left top right bottom <<<"$host" && [ $((right - left)) -gt 300 ]
}
eventually shortcuts_open || fail "the accessory button did not open the shortcut panel: $host"
xdotool mousemove $(((left + right) / 2)) $(((top + bottom) / 2)) click 1 sleep 0.3 mousemove 5 5
opened=
for _ in $(seq 30); do
  xdotool search --onlyvisible --name "糯墩 · 桌面小伙伴" >/dev/null 2>&1 && opened=1 && break
  sleep 0.1
done
[ -n "$opened" ] || fail "the shortcut bubble did not open the control centre"
below_presses_are "$before" || fail "the window beneath saw a press on the accessories"

# A file dragged onto the pet: the drag enters over the pet's pixels, the whole sprite then takes
# the pointer until the drop, and the dropped file is fed to the Trash.
"$close" "糯墩 · 桌面小伙伴" >/dev/null || true
mkdir -p "$home/files" && echo crumbs >"$home/files/crumbs.txt"
"$drag_source" "$home/files/crumbs.txt" >"$home/drag.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xdotool search --onlyvisible --name "^drag-source$" >/dev/null 2>&1 && break
  sleep 0.05
done
sleep 0.5
geometry
read -r px py < <(analyse pet)
corner_x=$((X + 172)) corner_y=$((Y + HEIGHT - 3))
[ "$(analyse takes "$corner_x" "$corner_y")" = no ] || fail "the sprite's corner takes presses before the drag"
xdotool mousemove 95 95 mousedown 1 sleep 0.3
for i in $(seq 20); do
  xdotool mousemove $((95 + (px - 95) * i / 20)) $((95 + (py - 95) * i / 20)) sleep 0.03
done
corner_taken() { [ "$(analyse takes "$corner_x" "$corner_y")" = "$1" ]; }
xdotool sleep 0.2 mousemove_relative 1 0
widened=yes
eventually corner_taken yes || widened=no
xdotool mouseup 1
[ "$widened" = yes ] || fail "the whole sprite did not take the pointer during the drag"
fed=
for _ in $(seq 30); do
  [ ! -e "$home/files/crumbs.txt" ] && ls "$home/data/Trash/files/" 2>/dev/null | grep -q crumbs &&
    fed=1 && break
  sleep 0.1
done
[ -n "$fed" ] || fail "the file dropped on the pet was not fed: $(cat "$home/drag.log")"
eventually corner_taken no || fail "the sprite's corner still takes presses after the drop"
stop_app

# The farm: a press selects a plot, a press on the button beside it acts (the farm is saved).
targets=$("$farm_targets" "$settings" shown)
start_app
geometry
read -r _ plot_x plot_y <<<"$(grep '^plot' <<<"$targets")"
read -r _ act_x act_y <<<"$(grep '^button' <<<"$targets")"
farm_before=$(grep '^desktopFarm' "$settings")
before=$(below_presses)
xdotool mousemove $((X + ${plot_x%.*})) $((Y + HEIGHT - ${plot_y%.*})) click 1 sleep 0.4 \
  mousemove $((X + ${act_x%.*})) $((Y + HEIGHT - ${act_y%.*})) click 1 sleep 0.3 mousemove 5 5
acted=
for _ in $(seq 50); do
  [ "$(grep '^desktopFarm' "$settings")" != "$farm_before" ] && acted=1 && break
  sleep 0.2
done
[ -n "$acted" ] || fail "the farm's button did not act"
below_presses_are "$before" || fail "the window beneath saw the presses on the farm"
stop_app
echo "1 passed, 0 failed"
