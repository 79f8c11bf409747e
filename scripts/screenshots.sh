#!/usr/bin/env bash
# Screenshots of the desktop program under a virtual X server, written into screenshots/:
# every window state captured by quintora_screenshots, then the real program started on the
# developed system and the whole X screen captured.
# BUILD_DIR chooses the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
out=screenshots
screen="-screen 0 1280x900x24"

cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target quintora quintora_screenshots
mkdir -p "$out"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config"

xvfb-run -a -s "$screen" "$build/tests/app/quintora_screenshots" "$out"

# A language already chosen, so the real program goes straight to its window.
mkdir -p "$XDG_DATA_HOME/Quintora"
printf '[IMPOSTAZIONI]\r\nLINGUA=italiano\r\n' >"$XDG_DATA_HOME/Quintora/quintora.ini"

xvfb-run -a -s "$screen" bash -c '
  "$1" "$2" &
  pid=$!
  sleep 3
  import -window root "$3"
  kill "$pid"
  wait "$pid" || true
' _ "$build/src/app/quintora" "$out/developed.qsy" "$out/x11-main.png"

ls "$out"
