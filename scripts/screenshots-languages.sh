#!/usr/bin/env bash
# Every window loaded with each shipped language file, captured under a virtual X server into
# screenshots/lang-LANGUAGE-WINDOW.png, to look for texts cut off or overlapping.
# BUILD_DIR chooses the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j 2 --target quintora_language_screenshots

out="$PWD/screenshots"
mkdir -p "$out"
for language in italiano english; do
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tests/app/quintora_language_screenshots" "$out" "$language"
done
ls "$out"/lang-*.png
