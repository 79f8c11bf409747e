#!/usr/bin/env bash
# The manual's pictures, in both languages: every window captured by
# quintora_language_screenshots under a virtual X server (as scripts/screenshots-languages.sh
# does), then those the manual shows copied into docs/manual/images as LANG-NAME.png, each
# cropped to its window and cut down to a 256-colour palette to stay small.
# BUILD_DIR chooses the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j 2 --target quintora_language_screenshots

shown=(main sum reduced matrices check archive stats-ritardi analysis slips5 calibration5 listing
  settings)
out=docs/manual/images
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"
for language in italiano english; do
  code=${language:0:2}
  [ "$language" = english ] && code=en
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tests/app/quintora_language_screenshots" "$tmp" "$language" 2>/dev/null
  for name in "${shown[@]}"; do
    pngquant --force --strip --speed 1 --output "$out/$code-$name.png" 256 \
      "$tmp/lang-$language-$name.png"
  done
done
du -ch "$out"/*.png | tail -1
