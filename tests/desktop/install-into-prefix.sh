#!/usr/bin/env bash
# An install into a fresh prefix holds the program, its data folder, a desktop entry and icon the
# desktop finds, and AppStream metadata, and the desktop's own validators accept them.
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
trap 'rm -rf "$prefix"' EXIT
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
