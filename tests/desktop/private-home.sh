# shellcheck shell=bash
# Sourced by the desktop tests that start the program from the build tree: a fresh home folder
# with the environment of a desktop session pointing into it (no networking, Qt's X11 platform),
# removed when the script exits together with every process in `pids` and the program in
# `app_pid`; `fail MESSAGE` ends the script with that message.
home=$(mktemp -d)
pids=()
app_pid=
cleanup() {
  for pid in "${pids[@]}" $app_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
fail() {
  echo "$*"
  exit 1
}

mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
  XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb TUNDLE_QA_MODE=1
