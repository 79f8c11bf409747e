#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz and runs each from its seed
# corpus (fuzz/corpus/<reader>) for a while. Fails on the first crash, leak, hang or
# sanitizer report; the input that caused it is kept in build-fuzz/artifacts/<reader>/.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [READER...]   (default 20 s, every reader)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  readers=(system_file column_text filter_text ini language_file archive matrix_file server_list calibration
    download_content server_request)
fi

jobs=$(nproc 2>/dev/null || echo 2)
build=build-fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DQUINTORA_FUZZ=ON \
  -DQUINTORA_BUILD_GUI=OFF -DQUINTORA_BUILD_BENCH=OFF >/dev/null
targets=()
for reader in "${readers[@]}"; do
  targets+=("fuzz_$reader")
done
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

for reader in "${readers[@]}"; do
  # New inputs go to a scratch folder, so the corpus kept in the repository stays as it is.
  work="$build/corpus/$reader"
  artifacts="$build/artifacts/$reader"
  mkdir -p "$work" "$artifacts"
  echo "== fuzz_$reader: ${seconds} s"
  if ! "$build/fuzz/fuzz_$reader" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$reader" \
    >"$build/fuzz_$reader.log" 2>&1; then
    tail -n 60 "$build/fuzz_$reader.log"
    echo "fuzz_$reader failed; the input is in $artifacts/" >&2
    exit 1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz_$reader.log" || true
done
