#!/usr/bin/env bash
# An install into a fresh prefix holds the program, its data folder, a desktop entry and icon the
# desktop finds, and AppStream metadata, and the desktop's own validators accept them. Where an X
# server can be started, the program installed as scripts/install lays it out, under any prefix,
# starts without asking to be installed, while the copy in the build tree asks.
#   tests/desktop/install-into-prefix.sh <build folder>
# Exits 77 (skipped) when the validators are not installed.
set -euo pipefail
build=$1

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed (scripts/install-deps installs it); skipping"
    exit 77
  fi
done

prefix=$(mktemp -d)
home=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$prefix" "$home"
}
trap cleanup EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
expect() {
  if [ ! -s "$prefix/$1" ]; then
    echo "missing after install: $1"
    failed=1
  fi
}
expect bin/pet-tundle
expect share/pet-tundle/H3/manifest.json
expect share/pet-tundle/Rooms/scene.json
expect share/pet-tundle/Sounds/Pop.wav
expect share/applications/pet-tundle.desktop
expect share/icons/hicolor/256x256/apps/pet-tundle.png
metainfo=$(find "$prefix/share/metainfo" -name '*.metainfo.xml' 2>/dev/null | head -n 1)
if [ -z "$metainfo" ]; then
  echo "missing after install: share/metainfo/*.metainfo.xml"
  failed=1
fi
[ -x "$prefix/bin/pet-tundle" ] || { echo "bin/pet-tundle is not executable"; failed=1; }
if [ -d "$prefix/share/pet-tundle/ContactSheets" ]; then
  echo "the reviewer's contact sheets were installed"
  failed=1
fi
[ "$failed" -eq 0 ] || exit 1

desktop="$prefix/share/applications/pet-tundle.desktop"
desktop-file-validate "$desktop"
# The entry launches the program by the name the installed binary has, with the installed icon.
grep -qx 'Exec=pet-tundle' "$desktop" || { echo "the desktop entry does not run pet-tundle"; exit 1; }
grep -qx 'Icon=pet-tundle' "$desktop" || { echo "the desktop entry does not name the icon"; exit 1; }
appstreamcli validate --no-net "$metainfo"
grep -q '<launchable type="desktop-id">pet-tundle.desktop</launchable>' "$metainfo" ||
  { echo "the metadata does not launch pet-tundle.desktop"; exit 1; }
echo "installed and valid"

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  echo "no X server to start the installed program on; not run"
  exit 0
fi
# shellcheck source=tests/desktop/x-server.sh
. "$(dirname "$0")/x-server.sh"
start_x_server

# How many dialogs the program at $1 shows once its pet is up, run with a fresh home in $2; with
# $3 set, waits up to ten seconds for one to come.
dialogs_of() {
  local program=$1 user=$2 awaited=${3:-} pid count=0 round
  mkdir -p "$user/runtime" && chmod 700 "$user/runtime"
  HOME="$user" XDG_DATA_HOME="$user/data" XDG_CONFIG_HOME="$user/config" \
    XDG_CACHE_HOME="$user/cache" XDG_RUNTIME_DIR="$user/runtime" QT_QPA_PLATFORM=xcb \
    TUNDLE_QA_MODE=1 "$program" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "糯墩桌宠" >/dev/null 2>&1 && break
    sleep 0.1
  done
  for round in $(seq 20); do
    sleep 0.5
    count=0
    for window in $(xdotool search --onlyvisible --class pet-tundle 2>/dev/null); do
      if xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '= _NET_WM_WINDOW_TYPE_DIALOG'; then
        count=$((count + 1))
      fi
    done
    [ -n "$awaited" ] && [ "$count" -gt 0 ] && break
    [ -z "$awaited" ] && [ "$round" -ge 4 ] && break
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$count"
}

# The layout scripts/install makes in ~/.local, and under a prefix of the user's own choosing
# outside the home: a folder of our own the updater can replace, wherever it is.
for root in "$home/installed/.local/pet-tundle" "$prefix/srv/tools/pet-tundle"; do
  cmake --install "$build" --prefix "$root" --component program >/dev/null
  installed=$(dialogs_of "$root/bin/pet-tundle" "$home/installed")
  [ "$installed" = 0 ] ||
    { echo "the program installed in $root asks to be installed ($installed dialogs)"; exit 1; }
done
from_build=$(dialogs_of "$build/src/app/pet-tundle" "$home/build" awaited)
[ "$from_build" = 1 ] || { echo "the build tree's program did not ask to be installed ($from_build dialogs)"; exit 1; }
echo "the installed program passes the installation check"
