#!/usr/bin/env bash
# What the application costs while nothing happens: runs the real pet-tundle on private X servers
# with a compositor, in each idle state, beside a trivial translucent Qt window with and without
# an empty 60 Hz timer, and prints the CPU time (% of one core) and resident memory (MB) of each,
# the median of ROUNDS windows of SECONDS. The states run side by side, each on its own display;
# CPU is counted per process, so they do not share their figures.
#   bench/idle-cost.sh [SECONDS] [ROUNDS]      defaults: 60 and 3 (about four minutes)
#   TUNDLE_BUILD=DIR bench/idle-cost.sh        another build tree than build/
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
rounds=${2:-3}
build=${TUNDLE_BUILD:-build}
app=$build/src/app/pet-tundle
window=$build/tools/idle-window/idle-window
close=$build/tools/close-window/close-window
for program in "$app" "$window" "$close"; do
  if [ ! -x "$program" ]; then
    echo "No $program: build the application and its tools first." >&2
    exit 1
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Free display numbers, chosen before the states start side by side.
displays=()
candidate=140
while [ ${#displays[@]} -lt 6 ]; do
  if [ ! -e "/tmp/.X11-unix/X$candidate" ] && [ ! -e "/tmp/.X$candidate-lock" ]; then
    displays+=("$candidate")
  fi
  candidate=$((candidate + 1))
done

# Starts an X server with a compositor and a tray host on display $1.
start_desktop() {
  Xvfb ":$1" -screen 0 1440x900x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 200); do
    DISPLAY=":$1" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
  done
  DISPLAY=":$1" xcompmgr >/dev/null 2>&1 &
  pids+=($!)
  DISPLAY=":$1" trayer --edge top --align right --widthtype request --height 24 \
    --transparent false >/dev/null 2>&1 &
  pids+=($!)
}

# Ticks of CPU time the process $1 has used, user and system.
cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

resident_mb() {
  awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"
}

# Measures process $2 for the state named $1: ROUNDS windows, one line each into $work/$1.
measure() {
  local name=$1 pid=$2 hz before after
  hz=$(getconf CLK_TCK)
  for _ in $(seq "$rounds"); do
    before=$(cpu_ticks "$pid")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    echo "$(awk -v d=$((after - before)) -v hz="$hz" -v s="$seconds" \
      'BEGIN { printf "%.2f", d / hz / s * 100 }') $(resident_mb "$pid")" >>"$work/$name"
  done
}

# Opens the tray icon's menu and picks its entry number $2 (counted without separators).
tray_pick() {
  local tray
  # trayer's docking panel, where the icon sits.
  tray=$(DISPLAY=":$1" xdotool search --name '^panel$' | head -n 1)
  eval "$(DISPLAY=":$1" xdotool getwindowgeometry --shell "$tray")"
  DISPLAY=":$1" xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
  sleep 1
  for _ in $(seq "$2"); do DISPLAY=":$1" xdotool key Down; sleep 0.1; done
  DISPLAY=":$1" xdotool key Return
  sleep 0.5
  # Away from the pet, where the pointer rests during the measurement.
  DISPLAY=":$1" xdotool mousemove 5 5
}

# The pet panel's size, or nothing while it is hidden.
pet_size() {
  local panel
  panel=$(DISPLAY=":$1" xdotool search --onlyvisible --name "糯墩桌宠" | head -n 1)
  [ -n "$panel" ] && DISPLAY=":$1" xdotool getwindowgeometry "$panel" | sed -n 's/.*Geometry: //p'
}

# Picks tray entry $2 until the pet panel's size has changed (hidden: no size), or gives up.
tray_pick_until_changed() {
  local before
  before=$(pet_size "$1" || true)
  for _ in 1 2 3; do
    tray_pick "$1" "$2"
    sleep 1
    [ "$(pet_size "$1" || true)" != "$before" ] && return 0
    DISPLAY=":$1" xdotool key Escape
  done
  echo "the tray menu did not answer on display :$1" >&2
  return 1
}

# Runs the application for the state named $1: a first run writes its settings, which are then
# given a clear night (and reduced motion for that state); the second run is measured.
run_app() {
  local name=$1 d=$2 home pid
  home=$work/home-$name
  mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
  start_desktop "$d"
  local environment=(DISPLAY=":$d" HOME="$home" XDG_DATA_HOME="$home/data"
    XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime"
    QT_QPA_PLATFORM=xcb TUNDLE_QA_MODE=1)
  env "${environment[@]}" "$app" >/dev/null 2>&1 &
  pid=$!
  sleep 4
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
  python3 - "$home/data/pet-tundle/configuration-v1.json" "$name" <<'PY'
import json, sys
path, name = sys.argv[1], sys.argv[2]
with open(path, encoding="utf-8") as f:
    configuration = json.load(f)
configuration["device"]["room"] = {"fixedPhase": "night", "fixedWeather": "clear", "mode": "fixed",
                                   "motion": "standard", "usesDeviceLocation": False}
configuration["preferences"]["reduceMotion"] = name == "reduced-motion"
with open(path, "w", encoding="utf-8") as f:
    json.dump(configuration, f, ensure_ascii=False, indent=2, sort_keys=True)
PY
  env "${environment[@]}" "$app" >/dev/null 2>&1 &
  pid=$!
  pids+=("$pid")
  sleep 4
  # The installation guide (run from a build tree) and the control centre open at start; the
  # user closes both.
  DISPLAY=":$d" "$close" "糯墩" >/dev/null || true
  sleep 0.5
  DISPLAY=":$d" "$close" "糯墩 · 桌面小伙伴" >/dev/null || true
  case $name in
    farm-collapsed) tray_pick_until_changed "$d" 5 ;;
    pet-hidden) tray_pick_until_changed "$d" 4 ;;
    *) DISPLAY=":$d" xdotool mousemove 5 5 ;;
  esac
  # The greeting bubble ends after 10 s.
  sleep 12
  measure "$name" "$pid"
}

run_window() {
  local name=$1 d=$2 pid
  shift 2
  start_desktop "$d"
  DISPLAY=":$d" QT_QPA_PLATFORM=xcb "$window" "$@" >/dev/null 2>&1 &
  pid=$!
  pids+=("$pid")
  sleep 3
  measure "$name" "$pid"
}

states=(default farm-collapsed reduced-motion pet-hidden)
for i in "${!states[@]}"; do run_app "${states[$i]}" "${displays[$i]}" & done
run_window window "${displays[4]}" &
run_window window-60hz "${displays[5]}" --timer &
wait

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-16s %14s %14s\n' "state" "one core (%)" "resident (MB)"
for state in "${states[@]}" window window-60hz; do
  printf '%-16s %14s %14s\n' "$state" \
    "$(cut -d' ' -f1 "$work/$state" | median)" "$(cut -d' ' -f2 "$work/$state" | median)"
done
