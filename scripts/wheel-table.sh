#!/usr/bin/env bash
# Prints a size table of docs/wheels.md: for each V and each guarantee T/M, the columns of the
# wheel that `quintora-cli matrix-make` finds in SECONDS seconds with seed 1, beside the lower
# bound it reports in brackets and, where it knows one, the best known size after a slash.
# Usage: scripts/wheel-table.sh [SECONDS] [CLI] [VALUES] [GUARANTEES]
#   VALUES: the V of the rows, e.g. "7 8 9" (default 7..20)
#   GUARANTEES: T/M pairs, e.g. "2/2 3/3 4/4" (default 2/2 3/3 3/4 3/5 4/4 4/5 5/5)
set -euo pipefail
seconds=${1:-3}
cli=${2:-build/src/cli/quintora-cli}
values=${3:-$(seq 7 20)}
cells=${4:-"2/2 3/3 3/4 3/5 4/4 4/5 5/5"}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

printf '| V |'
for c in $cells; do printf ' %s |' "$c"; done
printf '\n|---|'
for c in $cells; do printf -- '---|'; done
printf '\n'
for v in $values; do
  printf '| %d |' "$v"
  for c in $cells; do
    t=${c%/*}
    m=${c#*/}
    line=$("$cli" matrix-make "$v" "$t" "$m" --seconds "$seconds" --seed 1 -o "$out/w.mzor")
    size=${line%% *}
    bound=$(sed -E 's/.*limite inferiore ([0-9]+).*/\1/' <<<"$line")
    known=""
    if [[ $line =~ migliore\ nota\ ([0-9]+) ]]; then
      known=" / ${BASH_REMATCH[1]}"
    fi
    if [ "$size" = "$bound" ]; then
      size="**$size**"
    fi
    printf ' %s (%s%s) |' "$size" "$bound" "$known"
  done
  printf '\n'
done
