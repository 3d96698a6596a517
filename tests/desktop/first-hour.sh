#!/usr/bin/env bash
# A newcomer's first hour with 糯墩, driven end to end: installs with scripts/install into a fresh
# home, starts the installed program from its desktop entry on a private X server with a
# compositor and a tray host, and uses it through real pointer and keyboard events (XTest) and a
# real clipboard owner (xclip), checking what the person sees (windows, pictures of regions) and
# the files written. Pictures land in <build folder>/first-hour/ for review.
#   tests/desktop/first-hour.sh <source folder> <build folder>
# Exits 77 (skipped) when a program of the desktop it needs is not installed.
set -euo pipefail
for tool in Xvfb xcompmgr trayer xdotool xwininfo xdpyinfo xclip python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed (scripts/install-deps installs it); skipping"
    exit 77
  fi
done
source_dir=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
pictures=$build/first-hour
rm -rf "$pictures"

step=preparing
fail() {
  echo "FAILED while $step: $*"
  if [ -n "${DISPLAY:-}" ] && "$grab" "$pictures/failure.png" 2>/dev/null; then
    echo "the screen at that moment: $pictures/failure.png"
  fi
  local log
  for log in "$work"/stderr-*.log; do
    [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; }
  done
  exit 1
}
# shellcheck source=tests/desktop/person.sh
. "$source_dir/tests/desktop/person.sh"
trap person_cleanup EXIT
person_prepare

# What standard error may hold: the machine has no sound server and no session bus.
allowed_warnings=(
  'pulseaudio|PulseAudio|pa_context|alsa|ALSA'
  'GStreamer|gstreamer|GST_'
)

step="installing with scripts/install"
person_install
step="starting the private desktop"
person_desktop

# Runs the action "$@", then waits for the configuration file to change; the copy the store keeps
# beside it must then hold exactly the bytes it replaced.
expect_save() {
  local before=$work/before-save.json
  cp "$config" "$before"
  "$@"
  wait_until 5 bash -c "! cmp -s '$config' '$before'" || fail "nothing was saved"
  sleep 0.3
  cmp -s "$config.previous" "$before" || fail "the .previous copy is not the state before the save"
  configuration_is_valid
}

quit_from_tray() {
  tray_pick -1
  expect_exit
}

# ---------------------------------------------------------------- first start

# The installation guide's question is titled with the application's name alone; a copy run
# from the build tree (in a home of its own) shows it, and the installed copy must not.
step="seeing the build tree's copy ask to be installed"
mkdir -p "$work/other-home/runtime" && chmod 700 "$work/other-home/runtime"
HOME=$work/other-home XDG_DATA_HOME=$work/other-home/data XDG_CONFIG_HOME=$work/other-home/config \
  XDG_CACHE_HOME=$work/other-home/cache XDG_RUNTIME_DIR=$work/other-home/runtime \
  "$build/src/app/pet-tundle" >/dev/null 2>&1 &
build_copy=$!
wait_until 20 has_window "糯墩" || fail "the build tree's copy did not ask to be installed"
kill "$build_copy" && wait "$build_copy" || true
wait_until 5 no_window "糯墩桌宠" || fail "the build tree's copy did not end"

step="starting the installed copy"
start_app
sleep 1
no_window "糯墩" || fail "the installed copy shows the installation guide"
has_window "糯墩 · 桌面小伙伴" || fail "the control centre did not open at the first start"
"$close_window" "糯墩 · 桌面小伙伴" >/dev/null
wait_until 5 no_window "糯墩 · 桌面小伙伴" || fail "the control centre did not close"
[ -s "$config" ] || fail "no configuration was written at the first start"
configuration_is_valid
picture first-start

# The farm and the older settings are kept apart from the configuration, in an INI file.
farm_put_away() { grep -qF 'visible\":false' "$XDG_CONFIG_HOME/pet-tundle/pet-tundle.ini"; }

# The farm is open at the first start; with it put away the pet alone stands in its panel.
step="putting the farm away from the tray"
tray_pick 5
wait_until 5 farm_put_away || fail "the farm's state was not saved"
sleep 0.5

# A point on the pet's body, from the panel's geometry.
pet_body() {
  local x y width height
  read -r x y width height <<<"$(geometry_of "$pet")"
  echo "$((x + width * 67 / 100)) $((y + height * 78 / 100))"
}

step="moving the pet by hand"
read -r from_x from_y <<<"$(pet_body)"
read -r old_x old_y _ <<<"$(geometry_of "$pet")"
expect_save drag "$from_x" "$from_y" $((from_x - 400)) $((from_y - 150))
read -r new_x new_y _ <<<"$(geometry_of "$pet")"
[ $((old_x - new_x)) -eq 400 ] && [ $((old_y - new_y)) -eq 150 ] ||
  fail "the pet moved from $old_x,$old_y to $new_x,$new_y instead of 400 left and 150 up"
[ "$(saved '["device"]["petX"]')" = "$new_x" ] || fail "the pet's new place was not saved"
picture pet-moved "$new_x" "$new_y" "$(geometry_of "$pet" | cut -d' ' -f3)" "$(geometry_of "$pet" | cut -d' ' -f4)"

# ---------------------------------------------------------------- quitting and starting again

step="quitting from the tray"
kept=$work/kept.json
cp "$config" "$kept"
quit_from_tray
cmp -s "$config" "$kept" || configuration_is_valid

step="starting again"
start_app
configuration_is_valid
read -r again_x again_y _ <<<"$(geometry_of "$pet")"
[ "$again_x $again_y" = "$new_x $new_y" ] ||
  fail "the pet came back at $again_x,$again_y instead of $new_x,$new_y"
farm_put_away || fail "the farm came back open"
picture second-start
quit_from_tray

# ---------------------------------------------------------------- a damaged configuration

step="starting with a configuration cut short"
head -c $(($(stat -c %s "$config") / 2)) "$config" >"$work/damaged.json"
cp "$work/damaged.json" "$config"
start_app
# Moving the pet would save; the store refuses every save over a file it could not read.
read -r from_x from_y <<<"$(pet_body)"
drag "$from_x" "$from_y" $((from_x + 200)) $((from_y + 100))
sleep 1
cmp -s "$config" "$work/damaged.json" || fail "the damaged configuration was saved over"
quit_from_tray
cmp -s "$config" "$work/damaged.json" || fail "the damaged configuration changed by quitting"

# ---------------------------------------------------------------- what standard error holds

step="reading standard error"
pattern=$(IFS='|'; echo "${allowed_warnings[*]}")
unexpected=$(cat "$work"/stderr-*.log | grep -v -E "$pattern" || true)
[ -z "$unexpected" ] || fail "standard error holds warnings:
$unexpected"
echo "1 passed, 0 failed"
