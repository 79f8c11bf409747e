#!/usr/bin/env bash
# Installs what is missing, builds Quintora and starts the desktop program.
# Arguments are passed to the program (for example a system file to open).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"

if [ -x build/src/app/quintora ]; then
  exec build/src/app/quintora "$@"
fi
exec build/src/cli/quintora-cli --help
