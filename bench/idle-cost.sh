#!/usr/bin/env bash
# What the application costs while nothing happens: runs the real pet-tundle on private X servers
# with a compositor, in each idle state, beside the least any Qt window pays for the same picture
# (a translucent window of the panel's size copying a 92 px or a 256 px frame at 12 fps, the pet's
# own pace), and a trivial translucent window with and without an empty 60 Hz timer. It prints the
# CPU time (% of one core) and resident memory (MB) of each, the median of ROUNDS windows of
# SECONDS, and each state with a sprite as a ratio to the window with a sprite of its size. All
# run side by side, each on its own display, and measure the same windows of time, so a load on
# the machine weighs on the application and its yardstick alike; CPU is counted per process.
#   bench/idle-cost.sh [SECONDS] [ROUNDS]      defaults: 60 and 3 (about four minutes)
#   TUNDLE_BUILD=DIR bench/idle-cost.sh        another build tree than build/
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
rounds=${2:-3}
build=${TUNDLE_BUILD:-build}
app=$build/src/app/pet-tundle
window=$build/tools/idle-window/idle-window
sprite=$build/tools/sprite-window/sprite-window
close=$build/tools/close-window/close-window
for program in "$app" "$window" "$sprite" "$close"; do
  if [ ! -x "$program" ]; then
    echo "No $program: build the application and its tools first." >&2
    exit 1
  fi
done

work=$(mktemp -d)
# Every long-lived process is written down here at once: the states start in subshells, whose
# variables the cleanup never sees, and a subshell that ends leaves its children behind.
started=$work/started
touch "$started"
remember() {
  echo "$1" >>"$started"
}

# The script's own children and theirs, deepest first.
descendants() {
  local child
  for child in $(ps -o pid= --ppid "$1"); do
    descendants "$child"
    echo "$child"
  done
}

cleanup() {
  local pids
  pids=$(
    descendants $$
    cat "$started"
  )
  # shellcheck disable=SC2086
  kill $pids 2>/dev/null || true
  sleep 1
  # shellcheck disable=SC2086
  kill -KILL $pids 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Free display numbers, chosen before the states start side by side.
displays=()
candidate=140
while [ ${#displays[@]} -lt 8 ]; do
  if [ ! -e "/tmp/.X11-unix/X$candidate" ] && [ ! -e "/tmp/.X$candidate-lock" ]; then
    displays+=("$candidate")
  fi
  candidate=$((candidate + 1))
done

# Starts an X server with a compositor and a tray host on display $1.
start_desktop() {
  Xvfb ":$1" -screen 0 1440x900x24 -nolisten tcp >/dev/null 2>&1 &
  remember $!
  for _ in $(seq 200); do
    DISPLAY=":$1" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
  done
  DISPLAY=":$1" xcompmgr >/dev/null 2>&1 &
  remember $!
  DISPLAY=":$1" trayer --edge top --align right --widthtype request --height 24 \
    --transparent false >/dev/null 2>&1 &
  remember $!
}

# Ticks of CPU time the process $1 has used, user and system.
cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

resident_mb() {
  awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"
}

subjects=(default farm-collapsed reduced-motion pet-hidden sprite-92 sprite-256 window window-60hz)

# Waits until every subject is ready, so that all of them measure the same windows of time; a
# subject that failed to start is not waited for longer than two minutes.
all_ready() {
  touch "$work/ready-$1"
  for subject in "${subjects[@]}"; do
    for _ in $(seq 600); do
      [ -e "$work/ready-$subject" ] && break
      sleep 0.2
    done
  done
}

# Measures process $2 for the subject named $1: ROUNDS windows, one line each into $work/$1.
measure() {
  local name=$1 pid=$2 hz before after
  hz=$(getconf CLK_TCK)
  all_ready "$name"
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
  remember "$pid"
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
  remember "$pid"
  # The control centre and the installation guide (run from a build tree) open at start; the
  # user closes both. The guide is modal and may come a moment later on a loaded machine: while
  # it is open, the control centre refuses to close, so both are asked until it has.
  for _ in $(seq 80); do
    DISPLAY=":$d" xdotool search --onlyvisible --name "桌面小伙伴" >/dev/null 2>&1 && break
    sleep 0.25
  done
  for _ in $(seq 10); do
    DISPLAY=":$d" "$close" "先安装糯墩" >/dev/null || true
    sleep 0.5
    DISPLAY=":$d" "$close" "糯墩 · 桌面小伙伴" >/dev/null || true
    sleep 0.5
    DISPLAY=":$d" xdotool search --onlyvisible --name "桌面小伙伴" >/dev/null 2>&1 || break
  done
  case $name in
    farm-collapsed) tray_pick_until_changed "$d" 5 ;;
    pet-hidden) tray_pick_until_changed "$d" 4 ;;
    *) DISPLAY=":$d" xdotool mousemove 5 5 ;;
  esac
  # The greeting bubble ends after 10 s.
  sleep 12
  measure "$name" "$pid"
}

# Runs program $3 with the remaining arguments as the subject named $1 on display $2.
run_window() {
  local name=$1 d=$2 program=$3 pid
  shift 3
  start_desktop "$d"
  DISPLAY=":$d" QT_QPA_PLATFORM=xcb "$program" "$@" >/dev/null 2>&1 &
  pid=$!
  remember "$pid"
  sleep 3
  measure "$name" "$pid"
}

for i in 0 1 2 3; do run_app "${subjects[$i]}" "${displays[$i]}" & done
run_window sprite-92 "${displays[4]}" "$sprite" 92 &
run_window sprite-256 "${displays[5]}" "$sprite" 256 &
run_window window "${displays[6]}" "$window" &
run_window window-60hz "${displays[7]}" "$window" --timer &
wait

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

cpu() {
  [ -e "$work/$1" ] && cut -d' ' -f1 "$work/$1" | median
}

resident() {
  [ -e "$work/$1" ] && cut -d' ' -f2 "$work/$1" | median
}

# The yardstick of each state that shows the pet moving.
declare -A baseline=([default]=sprite-92 [farm-collapsed]=sprite-256)

printf '%-16s %14s %14s %24s\n' "subject" "one core (%)" "resident (MB)" "to its baseline"
for subject in "${subjects[@]}"; do
  ratio=""
  if [ -n "${baseline[$subject]:-}" ]; then
    ratio=$(awk -v a="$(cpu "$subject")" -v b="$(cpu "${baseline[$subject]}")" \
      'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }')
    ratio="$ratio × ${baseline[$subject]}"
  fi
  printf '%-16s %14s %14s %24s\n' "$subject" "$(cpu "$subject" || echo failed)" \
    "$(resident "$subject" || echo -)" "$ratio"
done
