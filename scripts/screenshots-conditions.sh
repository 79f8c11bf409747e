#!/usr/bin/env bash
# Pictures of the condition, filter and shuffle dialogs, each opened from the main window over
# a real system, saved into screenshots/ (not kept in git). Runs on a virtual X server, so the
# pictures come from the real window system; with ImageMagick's "import" installed, a capture
# of the whole screen is saved beside each dialog's own picture.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j 2 --target conditions_window_tests

out="$PWD/screenshots"
mkdir -p "$out"
QUINTORA_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tests/ui/conditions_window_tests" screenshots
echo "Pictures in $out"
