#!/usr/bin/env bash
# Prints the size table of docs/wheels.md: for V = 7..20 and each guarantee T/M, the columns
# of the wheel that `quintora-cli matrix-make` finds in SECONDS seconds (default 3) beside the
# lower bound it reports. Usage: scripts/wheel-table.sh [SECONDS] [CLI]
set -euo pipefail
seconds=${1:-3}
cli=${2:-build/src/cli/quintora-cli}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cells=("2 2" "3 3" "3 4" "3 5" "4 4" "4 5" "5 5")
printf '| V |'
for c in "${cells[@]}"; do printf ' %s |' "${c/ //}"; done
printf '\n|---|'
for c in "${cells[@]}"; do printf -- '---|'; done
printf '\n'
for v in $(seq 7 20); do
  printf '| %d |' "$v"
  for c in "${cells[@]}"; do
    line=$("$cli" matrix-make "$v" $c --seconds "$seconds" --seed 1 -o "$out/w.mzor")
    size=${line%% *}
    bound=$(sed -E 's/.*limite inferiore ([0-9]+).*/\1/' <<<"$line")
    printf ' %s (%s) |' "$size" "$bound"
  done
  printf '\n'
done
