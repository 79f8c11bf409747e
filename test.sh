#!/usr/bin/env bash
# Installs what is missing, builds Quintora and runs every test.
# The Debian package is made, installed, tried and removed (scripts/package-test.sh).
# A second build of the core with AddressSanitizer and UndefinedBehaviorSanitizer
# runs the core tests again; then every reader is fuzzed for 20 seconds (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
# The printing tests print through a real PDF queue; here it must be there.
./scripts/print-queue.sh
export QUINTORA_REQUIRE_PRINT_QUEUE=1

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" -LE bench)
# The Debian package made from that build, installed, run as installed and removed again.
./scripts/package-test.sh

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DQUINTORA_BUILD_GUI=OFF -DQUINTORA_BUILD_BENCH=OFF -DQUINTORA_SANITIZE=ON
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs" -L core)

./scripts/fuzz.sh 20
