#!/usr/bin/env bash
# Regions and geometries are passed on as their four numbers, split on purpose.
# shellcheck disable=SC2046
# The installed application under a long stretch of random but plausible use: pokes and drags of
# the pet, the farm, the pet's and the tray's menus, every control-centre page, the editors and
# sheets they open, typing, and copies made by another program. It never quits the application,
# installs or deletes anything outside its temporary home (file choosers are closed unanswered,
# the desktop's opener only records). Every 30 s it samples the resident memory, threads and open
# files of the process and checks the saved configuration; a crash is recorded with its backtrace
# (the application runs under gdb). Three samples are taken with the pet hidden after 35 s
# without input, so that short-lived worker threads have ended: at the start, at minute 5 (the
# baseline, once everything has been used once) and at the end.
#   bench/soak.sh [MINUTES] [OUTPUT FOLDER]   defaults: 60 and build/soak
#   TUNDLE_BUILD=DIR bench/soak.sh            another build tree than build/
# Writes OUTPUT/table.txt (the samples and a summary), OUTPUT/actions.log, OUTPUT/gdb.log, the
# open files and the largest resident mappings at the quiet samples, and a picture of the screen
# every ten minutes.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

minutes=${1:-60}
out=${2:-build/soak}
source_dir=$PWD
build=$(cd "${TUNDLE_BUILD:-build}" && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)
pictures=$out/pictures
rm -rf "$pictures" && mkdir -p "$pictures"
table=$out/table.txt
actions=$out/actions.log
: >"$actions"

# A step that did not go as planned is noted and the run goes on.
fail() {
  echo "$(date +%T) note: $*" >>"$actions"
  return 1
}
# shellcheck source=tests/desktop/person.sh
. tests/desktop/person.sh
trap person_cleanup EXIT
person_prepare
echo "installing into $prefix" >"$table"
person_install || exit 1
person_desktop || exit 1

app_wrapper=(gdb -q -nx -batch -ex "set pagination off" -ex "handle SIGPIPE nostop noprint pass"
  -ex "handle SIGTERM nostop noprint pass" -ex run -ex "thread apply all bt" --args)
start_app || { echo "the application did not start" >>"$table"; exit 1; }
process=$(pgrep -P "$app_pid" | head -n 1)
[ -n "$process" ] || { echo "no application process under gdb" >>"$table"; exit 1; }

log() { echo "$(date +%T) $*" >>"$actions"; }
chance() { [ $((RANDOM % 100)) -lt "$1" ]; }
pick() {
  local choices=("$@")
  echo "${choices[RANDOM % ${#choices[@]}]}"
}
alive() { kill -0 "$process" 2>/dev/null; }

# ---------------------------------------------------------------- what a person does

pet_shown() { [ -n "$(window_named "糯墩桌宠")" ]; }

# A random point inside window $1, as "X Y".
point_inside() {
  local x y width height
  read -r x y width height <<<"$(geometry_of "$1")"
  echo "$((x + 4 + RANDOM % (width - 8))) $((y + 4 + RANDOM % (height - 8)))"
}

# Popups (menus, drop-down lists) are closed before anything that needs the pointer elsewhere.
close_popups() {
  if menu_shown; then
    key Escape
    menu_shown && key Escape
  fi
}

poke_pet() {
  pet_shown || return 0
  local x y width height
  read -r x y width height <<<"$(geometry_of "$pet")"
  log "poke the pet"
  click $((x + width * 67 / 100)) $((y + height * 78 / 100))
}

drag_pet() {
  pet_shown || return 0
  local x y width height from_x from_y
  read -r x y width height <<<"$(geometry_of "$pet")"
  from_x=$((x + width * 67 / 100)) from_y=$((y + height * 78 / 100))
  local to_x=$((200 + RANDOM % (screen_width - 400))) to_y=$((200 + RANDOM % (screen_height - 300)))
  log "drag the pet to $to_x,$to_y"
  drag "$from_x" "$from_y" "$to_x" "$to_y"
}

click_panel() {
  pet_shown || return 0
  local x y
  read -r x y <<<"$(point_inside "$pet")"
  log "click the pet panel at $x,$y"
  click "$x" "$y"
}

pet_menu() {
  pet_shown || return 0
  local x y width height
  read -r x y width height <<<"$(geometry_of "$pet")"
  log "the pet's own menu"
  click $((x + width * 67 / 100)) $((y + height * 78 / 100)) 3
  sleep 0.3
  if chance 70; then
    key $(printf 'Down %.0s' $(seq $((1 + RANDOM % 3)))) Return
  else
    key Escape
  fi
}

# Every entry of the tray menu but the last, which quits.
tray_entry() {
  close_popups
  local entry=$((1 + RANDOM % 8))
  log "tray entry $entry"
  tray_pick "$entry"
}

show_pet_again() {
  pet_shown && return 0
  close_popups
  log "tray: show the pet again"
  tray_pick 4
}

visit_page() {
  close_popups
  if [ -z "$(window_named "$control_centre")" ]; then
    log "tray: open the control centre"
    tray_pick 1
    return
  fi
  local page
  page=$(pick home shortcuts clipboard settings settings eye)
  log "sidebar: $page"
  open_page "$page"
  chance 40 && scroll_page "$(pick up down)"
}

click_page() {
  local window
  window=$(window_named "$control_centre")
  [ -n "$window" ] || return 0
  local x y left top
  read -r left top _ <<<"$(geometry_of "$window")"
  x=$((left + 110 + RANDOM % 900)) y=$((top + 10 + RANDOM % 680))
  log "click the page at $((x - left)),$((y - top))"
  click "$x" "$y"
}

type_something() {
  local text
  text=$(pick "hello" "https://example.org/$RANDOM" "12" "0930" "tundle $RANDOM" "a b c" "x")
  log "type '$text'"
  type_text "$text"
  chance 50 && key "$(pick Tab Return space BackSpace Down Up Escape)"
}

copy_elsewhere() {
  local text
  text=$(pick "copied $RANDOM" "line one
line two" "$(head -c 3000 /dev/zero | tr '\0' 'w')" "糯墩 $RANDOM" "https://example.org/$RANDOM")
  log "another program copies ${#text} characters"
  printf '%s' "$text" | xclip -selection clipboard 2>/dev/null
}

close_control_centre() {
  [ -n "$(window_named "$control_centre")" ] || return 0
  log "close the control centre"
  "$close_window" "$control_centre" >/dev/null 2>&1
}

# The windows the application has open besides the pet and the control centre (sheets, editors,
# alerts, the breathing window, file choosers), by title.
other_windows() {
  xwininfo -root -children | grep -F ': ("pet-tundle" "pet-tundle")' |
    sed -n 's/^ *0x[0-9a-f]* "\(.*\)": (.*/\1/p' | sed 's/ — 糯墩$//' |
    grep -v -x -e "糯墩桌宠" -e "$control_centre" || true
}

# A file chooser is closed unanswered; any other window gets a few random clicks or keys, and is
# sometimes closed.
handle_other_window() {
  local title window
  title=$(other_windows | head -n 1)
  [ -n "$title" ] || return 1
  window=$(window_named "$title")
  [ -n "$window" ] || return 1
  case "$title" in
    选择* | 导出个人备份 | 导出分享文件)
      log "close the file chooser '$title'"
      "$close_window" "$title" >/dev/null 2>&1
      sleep 0.5
      # Its own cancel button, bottom right, should the close not be heard.
      [ -n "$(window_named "$title")" ] && click_in 572 387 "$window"
      return 0
      ;;
  esac
  if chance 20; then
    log "close '$title'"
    "$close_window" "$title" >/dev/null 2>&1
    return 0
  fi
  local x y
  read -r x y <<<"$(point_inside "$window")"
  log "click '$title' at $x,$y"
  click "$x" "$y"
  chance 30 && type_something
  chance 15 && key "$(pick space Escape Return)"
  return 0
}

act() {
  if chance 70 && handle_other_window; then
    return
  fi
  case $((RANDOM % 20)) in
    0 | 1) poke_pet ;;
    2) drag_pet ;;
    3 | 4) click_panel ;;
    5) pet_menu ;;
    6) tray_entry ;;
    7) show_pet_again ;;
    8 | 9 | 10) visit_page ;;
    11 | 12 | 13 | 14) click_page ;;
    15) type_something ;;
    16) copy_elsewhere ;;
    17) close_control_centre ;;
    18) close_popups ;;
    19) sleep 2 ;;
  esac
}

# ---------------------------------------------------------------- samples

started=$(date +%s)
count=0
invalid=0
sample() {
  local elapsed minute rss anonymous mapped threads files verdict
  elapsed=$(($(date +%s) - started))
  minute=$(awk -v s="$elapsed" 'BEGIN { printf "%.1f", s / 60 }')
  rss=$(awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$process/status")
  # Resident memory of its own (the heap) apart from pages of mapped files (libraries and the
  # fonts, which grow with every new glyph drawn and can be dropped by the system at any time).
  anonymous=$(awk '/^RssAnon:/ { printf "%.1f", $2 / 1024 }' "/proc/$process/status")
  mapped=$(awk '/^RssFile:/ { printf "%.1f", $2 / 1024 }' "/proc/$process/status")
  threads=$(awk '/^Threads:/ { print $2 }' "/proc/$process/status")
  files=$(find "/proc/$process/fd" -mindepth 1 -maxdepth 1 | wc -l)
  if verdict=$("$check" "$config" 2>&1); then
    verdict=valid
  else
    verdict="INVALID: $verdict"
    invalid=$((invalid + 1))
  fi
  printf '%8s %8s %8s %8s %8s %8s %8s  %s\n' "$minute" "$rss" "$anonymous" "$mapped" "$threads" \
    "$files" "$count" "$verdict" >>"$table"
  echo "$minute $rss $threads $files $anonymous $mapped" >>"$work/samples"
}

# Resident kilobytes of each mapping of the process, the largest first.
largest_mappings() {
  awk '/^[0-9a-f]+-[0-9a-f]+ / { name = $6 == "" ? "[anonymous]" : $6 } /^Rss:/ { rss[name] += $2 }
    END { for (n in rss) if (rss[n] >= 512) print rss[n], n }' "/proc/$process/smaps" | sort -rn
}

crashed() {
  echo "CRASH after $count actions; the last ones:" >>"$table"
  tail -n 15 "$actions" >>"$table"
  echo "--- gdb" >>"$table"
  cat "$work/stdout-$run.log" >>"$table"
  cp "$work/stdout-$run.log" "$out/gdb.log"
  exit 1
}

# Puts every window away, the pet's too, and leaves the application alone for 35 s. A shown pet
# holds its frames drawn at the size it has now, which the random use changes (the farm folded
# or not, the size slider): up to 16 MB that say nothing about growth, so samples to be compared
# are taken with the pet hidden.
quiet() {
  close_popups
  local title
  for _ in 1 2 3 4 5; do
    title=$(other_windows | head -n 1)
    [ -n "$title" ] && "$close_window" "$title" >/dev/null 2>&1 && sleep 0.5
  done
  close_control_centre
  if pet_shown; then
    log "tray: hide the pet for a quiet sample"
    tray_pick 4
  fi
  sleep 35
  alive || crashed
}

# Samples (every 30 s) until $1 seconds after the start, acting in between.
drive_until() {
  while [ "$(date +%s)" -lt "$1" ]; do
    alive || crashed
    act
    count=$((count + 1))
    if [ "$(date +%s)" -ge "$next_sample" ]; then
      alive || crashed
      sample
      next_sample=$((next_sample + 30))
    fi
    if [ "$(date +%s)" -ge "$next_picture" ]; then
      "$grab" "$pictures/minute-$((($(date +%s) - started) / 60)).png" 2>/dev/null
      next_picture=$((next_picture + 600))
    fi
  done
}

echo "soak of $minutes minutes from $(date -u +%FT%TZ); the application is process $process" >>"$table"
printf '%8s %8s %8s %8s %8s %8s %8s  %s\n' minute rss_mb anon_mb files_mb threads files actions \
  configuration >>"$table"
quiet
sample
ls -l "/proc/$process/fd" >"$out/files-start.txt" 2>&1
show_pet_again
next_sample=$(($(date +%s) + 30))
next_picture=$(($(date +%s) + 600))
# Minute 5, after a first round of everything (sounds played, pictures decoded, worker threads
# started once) and the same quiet: the baseline the end is compared with.
drive_until $((started + 265))
quiet
sample
tail -n 1 "$work/samples" >"$work/baseline"
ls -l "/proc/$process/fd" >"$out/files-minute-5.txt" 2>&1
largest_mappings >"$out/memory-minute-5.txt"
show_pet_again
drive_until $((started + minutes * 60 - 35))
quiet
sample
ls -l "/proc/$process/fd" >"$out/files-end.txt" 2>&1
largest_mappings >"$out/memory-end.txt"
"$grab" "$pictures/end.png" 2>/dev/null

kill -TERM "$process"
wait_until 15 bash -c "! kill -0 $process" || echo "the application did not quit on SIGTERM" >>"$table"
cp "$work/stdout-$run.log" "$out/gdb.log"
grep -q 'exited normally' "$out/gdb.log" || echo "the application did not exit normally (see gdb.log)" >>"$table"

read -r base_minute base_rss base_threads base_files base_anonymous base_mapped <"$work/baseline"
awk -v invalid="$invalid" -v actions="$count" -v bm="$base_minute" -v br="$base_rss" \
  -v bt="$base_threads" -v bf="$base_files" -v ba="$base_anonymous" -v bp="$base_mapped" '
  NR == 1 { first_threads = $3; first_files = $4 }
  $2 > peak { peak = $2 }
  { last_rss = $2; last_threads = $3; last_files = $4; last_minute = $1; last_anon = $5; last_mapped = $6 }
  END {
    printf "summary: %d actions, no crash; quiet samples at minute 0, %s and %s\n", actions, bm, last_minute
    printf "  resident memory: %.1f MB at minute %s, %.1f MB at the end: grew %.1f MB (peak %.1f MB)\n", br, bm, last_rss, last_rss - br, peak
    printf "    of its own (anonymous): %.1f MB, then %.1f MB: grew %.1f MB\n", ba, last_anon, last_anon - ba
    printf "    pages of mapped files: %.1f MB, then %.1f MB: grew %.1f MB\n", bp, last_mapped, last_mapped - bp
    printf "  threads: %d at the first start, %d at minute %s, %d at the end\n", first_threads, bt, bm, last_threads
    printf "  open files: %d at the first start, %d at minute %s, %d at the end\n", first_files, bf, bm, last_files
    printf "  configuration: %s\n", invalid == 0 ? "valid at every sample" : invalid " samples invalid"
  }' "$work/samples" >>"$table"
cat "$table"
