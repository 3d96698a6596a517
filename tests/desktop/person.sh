# shellcheck shell=bash
# The sourcing script sets some variables and reads others (`pet`, `app_pid`); key sequences are
# split into words on purpose.
# shellcheck disable=SC2034,SC2046,SC2154
# A person at a desktop, for scripts that drive the installed application as someone would:
# a private X server with the compositor and tray host of scripts/screenshot, a fresh home, an
# install with scripts/install, real pointer and keyboard input through XTest (xdotool), pictures
# of the screen and the files the application writes. Sourced, not run.
#
# The sourcing script sets `source_dir`, `build` and `pictures` (where pictures are written) and
# defines `fail MESSAGE`; it calls `person_prepare`, then `person_install`, `person_desktop` and
# `start_app`. Everything lives under $work, which `person_cleanup` removes.

grab=$build/tools/grab-screen/grab-screen
difference=$build/tools/picture-difference/picture-difference
check=$build/tools/check-configuration/check-configuration
close_window=$build/tools/close-window/close-window

person_pids=()
app_pid=
run=0
pet=

# A fresh home, an environment as a desktop session gives it, and the desktop's opener replaced
# by one that records what it was asked to open (a browser, the file manager).
person_prepare() {
  local program
  for program in "$grab" "$difference" "$check" "$close_window"; do
    [ -x "$program" ] || { echo "No $program: build the tools first."; exit 1; }
  done
  # The installed copy counts as installed only off temporary file systems (and outside any build
  # tree), as on a real machine.
  local base=${TMPDIR:-/tmp}
  [ "$(stat -f -c %T "$base")" = tmpfs ] && base=/var/tmp
  work=$(mktemp -d "$base/pet-tundle-person.XXXXXX")
  home=$work/home
  prefix=$home/.local
  mkdir -p "$home/runtime" "$work/bin" "$pictures" && chmod 700 "$home/runtime"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS BROWSER DEFAULT_BROWSER \
    SESSION_MANAGER XDG_CURRENT_DESKTOP DESKTOP_SESSION
  export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" LC_ALL=C.UTF-8 TUNDLE_QA_MODE=1
  data=$XDG_DATA_HOME/pet-tundle
  config=$data/configuration-v1.json
  opened=$work/opened.txt
  cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>"$opened"
EOF
  chmod +x "$work/bin/xdg-open"
  export PATH="$work/bin:$PATH"
}

person_cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  local pid
  for pid in "${person_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -n "${work:-}" ] && rm -rf "$work"
}

person_install() {
  TUNDLE_BUILD=$build "$source_dir/scripts/install" "$prefix" >"$work/install.log" 2>&1 ||
    { tail -n 30 "$work/install.log"; fail "scripts/install failed"; }
  entry=$prefix/share/applications/pet-tundle.desktop
  [ -f "$entry" ] || fail "no desktop entry was installed"
}

screen_width=1440
screen_height=900
person_desktop() {
  # The server picks a free display itself and says which once it takes connections, so two
  # scripts starting at once never share one.
  Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
    3>"$work/display" >/dev/null 2>&1 &
  person_pids+=($!)
  wait_until 10 test -s "$work/display" || fail "Xvfb did not start"
  DISPLAY=":$(head -n 1 "$work/display")"
  export DISPLAY
  wait_until 10 xdpyinfo || fail "Xvfb does not answer"
  xcompmgr >/dev/null 2>&1 &
  person_pids+=($!)
  trayer --edge top --align right --widthtype request --height 24 --transparent false \
    --tint 0x303030 >/dev/null 2>&1 &
  person_pids+=($!)
  wait_until 10 tray_panel_present || fail "the tray host did not start"
}

# Runs "$@" every 0.1 s until it succeeds, for at most $1 seconds.
wait_until() {
  local limit=$(($1 * 10))
  shift
  for _ in $(seq "$limit"); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# The visible top-level window titled exactly $1.
window_named() {
  local window
  for window in $(xwininfo -root -children |
    grep -F " \"$1\": " | awk '{ print $1 }'); do
    if xwininfo -id "$window" | grep -q 'Map State: IsViewable'; then
      echo "$window"
      return
    fi
  done
}
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { [ -z "$(window_named "$1")" ]; }

# "X Y WIDTH HEIGHT" of window $1.
geometry_of() {
  # shellcheck disable=SC2034 # xdotool names them too.
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# Puts the pointer on ($1,$2) as a hand does: an absolute move is a warp, which the pet panel's
# click-through tracker does not hear of, so the last pixel is a relative motion, and the tracker
# gets a little longer than its 80 ms tick to let the press through.
point_at() {
  xdotool mousemove $(($1 - 1)) "$2" mousemove_relative 1 0 sleep 0.15
}

click() {
  point_at "$1" "$2"
  xdotool click "${3:-1}"
  sleep 0.3
}

# A press at ($1,$2), a movement in the steps a hand makes, and a release at ($3,$4).
drag() {
  local x=$1 y=$2 to_x=$3 to_y=$4 i
  point_at "$x" "$y"
  xdotool mousedown 1
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove_relative -- $(((to_x - x) * i / 8 - (to_x - x) * (i - 1) / 8)) \
      $(((to_y - y) * i / 8 - (to_y - y) * (i - 1) / 8)) sleep 0.04
  done
  xdotool mouseup 1
  sleep 0.4
}

key() {
  xdotool key --delay 60 "$@"
  sleep 0.2
}
type_text() {
  xdotool type --delay 30 "$1"
  sleep 0.2
}

# A picture named $1 of the region X Y WIDTH HEIGHT that follows (the whole screen without one).
picture() {
  local name=$1
  shift
  "$grab" "$pictures/$name.png" "$@" || fail "the screen could not be captured"
}

# Whether the pictures named $1 and $2 differ in at least $3 percent of their pixels.
pictures_differ() {
  awk -v d="$("$difference" "$pictures/$1.png" "$pictures/$2.png")" -v m="$3" \
    'BEGIN { exit !(d >= m) }'
}

# The value of the Python expression $1 over the saved configuration `c`, as JSON.
saved() {
  python3 -c 'import json, sys; c = json.load(open(sys.argv[1])); print(json.dumps(eval(sys.argv[2]), ensure_ascii=False))' \
    "$config" "$1"
}

configuration_is_valid() {
  local verdict
  verdict=$("$check" "$config") || fail "the saved configuration is refused: $verdict"
}

# Starts the installed program as the applications menu does, from its desktop entry, in the home
# folder; standard output and error go to $work/stdout-RUN.log and $work/stderr-RUN.log. A script
# may run it under another program by putting that program's command line in `app_wrapper`.
app_wrapper=()
start_app() {
  local exec_line
  exec_line=$(sed -n 's/^Exec=//p' "$entry")
  run=$((run + 1))
  eval "set -- $exec_line"
  (cd "$home" && exec "${app_wrapper[@]}" "$@" >"$work/stdout-$run.log" 2>"$work/stderr-$run.log") &
  app_pid=$!
  wait_until 30 has_window "糯墩桌宠" || fail "the pet did not appear"
  pet=$(window_named "糯墩桌宠")
  wait_until 10 tray_icon_present || fail "the tray icon did not appear"
  sleep 1
  kill -0 "$app_pid" 2>/dev/null || fail "the application ended on its own"
}

# Waits for the application to end by itself, and insists it ended well.
expect_exit() {
  wait_until 10 bash -c "! kill -0 $app_pid" || fail "the application did not quit"
  local status=0
  wait "$app_pid" || status=$?
  app_pid=
  [ "$status" -eq 0 ] || fail "the application quit with status $status"
}

# trayer's docking panel, which grows to hold the icons it embeds.
tray_panel() { xdotool search --name '^panel$' 2>/dev/null | head -n 1 || true; }
tray_panel_present() { [ -n "$(tray_panel)" ]; }
tray_icon_present() {
  local panel
  panel=$(tray_panel)
  [ -n "$panel" ] && [ "$(xwininfo -children -id "$panel" | grep -c '^ \+0x')" -ge 1 ]
}

# The override-redirect windows (menus, tool tips) shown at the moment.
popups() {
  local window
  for window in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
    xwininfo -id "$window" | grep -q 'Map State: IsViewable' &&
      xwininfo -id "$window" | grep -q 'Override Redirect State: yes' && echo "$window"
  done
}
menu_shown() { [ -n "$(popups)" ]; }
menu_gone() { [ -z "$(popups)" ]; }

# Opens the tray icon's menu and picks its entry $1, counted from the top without separators, or
# from the bottom when negative (-1 is the last).
tray_pick() {
  local entry=$1 panel x y width height attempt
  panel=$(tray_panel)
  read -r x y width height <<<"$(geometry_of "$panel")"
  for attempt in 1 2 3; do
    click $((x + width - 12)) $((y + height / 2))
    wait_until 3 menu_shown && break
    [ "$attempt" -eq 3 ] && fail "the tray menu did not open"
  done
  if [ "$entry" -gt 0 ]; then
    key $(printf 'Down %.0s' $(seq "$entry"))
  else
    key $(printf 'Up %.0s' $(seq $((-entry))))
  fi
  key Return
  wait_until 3 menu_gone || fail "the tray menu stayed open"
}

# ---------------------------------------------------------------- the control centre

control_centre="糯墩 · 桌面小伙伴"
# Its sidebar is 100 wide, with the page buttons from the top and the eye at the bottom.
declare -A sidebar_y=([home]=70 [shortcuts]=160 [clipboard]=250 [settings]=340 [eye]=650)

# The screen position of ($1,$2) inside the control centre, as "X Y".
at_centre() {
  local x y
  read -r x y _ <<<"$(geometry_of "$(window_named "$control_centre")")"
  echo "$((x + $1)) $((y + $2))"
}
# The region X Y WIDTH HEIGHT at ($1,$2) inside the control centre, $3 wide and $4 high.
control_centre_region() { echo "$(at_centre "$1" "$2") $3 $4"; }

# Clicks at ($1,$2) inside window $3 (the control centre without one).
click_in() {
  local window=${3:-$(window_named "$control_centre")} x y
  [ -n "$window" ] || fail "no window to click in"
  read -r x y _ <<<"$(geometry_of "$window")"
  click $((x + $1)) $((y + $2))
}

open_page() {
  click_in 50 "${sidebar_y[$1]}"
  sleep 0.5
}

# Turns the wheel over the page until it stops at its top (up) or bottom (down).
scroll_page() {
  local x y button=4
  [ "$1" = down ] && button=5
  read -r x y _ <<<"$(geometry_of "$(window_named "$control_centre")")"
  point_at $((x + 560)) $((y + 400))
  xdotool click --repeat 30 --delay 10 "$button"
  sleep 0.4
}

