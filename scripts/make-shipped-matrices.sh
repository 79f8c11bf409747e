#!/usr/bin/env bash
# Makes the matrices that come with Quintora (data/server/matrici): each with
# `quintora-cli matrix-make`, SECONDS seconds of search (default 20), stored as NAME.DAT and
# named in lista.txt, the matrix list the program downloads and installs at first start.
# A matrix already there is replaced only by a wheel with fewer columns, so that running the
# script again never makes the shipped wheels larger.
# Usage: scripts/make-shipped-matrices.sh [SECONDS] [CLI]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
cli=${2:-build/src/cli/quintora-cli}
dir=data/server/matrici
mkdir -p "$dir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/old"

# V T M F: sensible wheels for Eurojackpot players, from 7 to 30 numbers.
shapes=(
  "7 3 3 0" "8 3 3 0" "9 3 3 0" "10 3 3 0" "12 3 3 0" "14 3 3 0" "16 3 3 0" "18 3 3 0"
  "20 3 3 0"
  "8 4 4 0" "10 4 4 0" "11 4 4 0" "12 4 4 0"
  "10 2 2 0" "15 2 2 0" "20 2 2 0" "30 2 2 0"
  "12 3 4 0" "15 3 4 0" "15 3 5 0" "20 3 5 0" "12 4 5 0"
  "10 3 3 1" "12 4 4 1"
)
: >"$dir/lista.txt.new"
for shape in "${shapes[@]}"; do
  read -r v t m f <<<"$shape"
  name="V${v}T${t}M${m}"
  [ "$f" -gt 0 ] && name="${name}F${f}"
  line=$("$cli" matrix-make "$v" "$t" "$m" --fixed "$f" --author Quintora \
    --valid-from 01/01/2025 --valid-to 31/12/9999 --seconds "$seconds" --seed 1 \
    -o "$work/new.mzor")
  made=${line%% *}
  old=""
  if [ -f "$dir/$name.DAT" ]; then
    rm -f "$work/old/"*
    cp "$dir/$name.DAT" "$work/old/old.mzor"
    old=$("$cli" matrix-list "$work/old" | cut -f7)
  fi
  if [ -z "$old" ] || [ "$made" -lt "$old" ]; then
    cp "$work/new.mzor" "$dir/$name.DAT"
    echo "$name: $made columns (was ${old:-none})"
  else
    echo "$name: kept $old columns (made $made)"
  fi
  printf '%s\r\n' "$name.DAT" >>"$dir/lista.txt.new"
done
mv "$dir/lista.txt.new" "$dir/lista.txt"
