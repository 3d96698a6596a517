#!/usr/bin/env bash
# The application in a Wayland session: Weston (headless) with XWayland, WAYLAND_DISPLAY and
# DISPLAY set as a session sets them and QT_QPA_PLATFORM unset. The application must choose X11
# itself (its pet panel is an X window on XWayland), map the pet panel above a window of another
# program, and quit cleanly when the session ends it.
#   tests/desktop/wayland-session.sh <pet-tundle executable>
# Exits 77 (skipped) when Weston or XWayland is not installed.
set -euo pipefail
app=$1

for tool in weston Xwayland xmessage xdotool xwininfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed (scripts/install-deps installs it); skipping"
    exit 77
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
fail() {
  echo "$*"
  for log in weston.log app.log; do
    [ -s "$work/$log" ] && { echo "--- $log"; tail -n 30 "$work/$log"; }
  done
  exit 1
}

home=$work/home
mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
# XWayland puts its socket here; a machine that never ran an X server may not have the folder.
if [ ! -d /tmp/.X11-unix ]; then
  mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
fi
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
  XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" TUNDLE_QA_MODE=1

socket=wayland-tundle
weston --backend=headless-backend.so --xwayland --socket="$socket" --idle-time=0 \
  --log="$work/weston.log" >/dev/null 2>&1 &
pids+=($!)
display=
for _ in $(seq 200); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" \
    2>/dev/null | head -n 1 || true)
  [ -n "$display" ] && break
  sleep 0.05
done
[ -n "$display" ] || fail "Weston did not offer an X display"
export WAYLAND_DISPLAY=$socket DISPLAY=$display XDG_SESSION_TYPE=wayland
# XWayland starts with its first client.
for _ in $(seq 200); do
  xwininfo -root >/dev/null 2>&1 && break
  sleep 0.05
done

# Index of the top-level window holding $1, counted from the top of the stacking order.
stacking_index() {
  local window=$1 parent root
  root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
  while :; do
    parent=$(xwininfo -children -id "$window" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    [ "$parent" = "$root" ] && break
    window=$parent
  done
  xwininfo -root -children | grep -E '^ +0x' | awk '{ print $1 }' |
    grep -n -x "$(printf '0x%x' "$window")" | cut -d: -f1
}

xmessage -name other-program "another program's window" >/dev/null 2>&1 &
pids+=($!)
other=
for _ in $(seq 200); do
  other=$(xdotool search --onlyvisible --classname other-program 2>/dev/null | head -n 1 || true)
  [ -n "$other" ] && break
  sleep 0.05
done
[ -n "$other" ] || fail "the other program's window was not mapped"

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
panel=
for _ in $(seq 300); do
  panel=$(xdotool search --onlyvisible --name "糯墩桌宠" 2>/dev/null | head -n 1 || true)
  [ -n "$panel" ] && break
  kill -0 "$app_pid" 2>/dev/null || fail "the application ended on its own"
  sleep 0.05
done
[ -n "$panel" ] || fail "no pet panel was mapped on XWayland's display: the application did not choose X11"
sleep 1
xwininfo -id "$panel" | grep -q 'Map State: IsViewable' || fail "the pet panel is not viewable"
pet_index=$(stacking_index "$panel")
other_index=$(stacking_index "$other")
if [ "$pet_index" -ge "$other_index" ]; then
  fail "the pet panel is not above the other program's window"
fi

kill -TERM "$app_pid"
status=0
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "the application quit with status $status"
[ -s "$XDG_DATA_HOME/pet-tundle/configuration-v1.json" ] || fail "no configuration was saved"
echo "1 passed, 0 failed"
