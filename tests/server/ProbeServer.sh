#!/usr/bin/env bash
# scripts/probe-server.sh against quintora-server, another HTTP server and a closed port, all
# on loopback ports of their own. Usage: ProbeServer.sh QUINTORA_SERVER CONTENT_DIR PYTHON3
set -uo pipefail
server=$1 content=$2 python=$3
probe="$(dirname "$0")/../../scripts/probe-server.sh"
scratch=$(mktemp -d)
failures=0 pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$scratch"' EXIT

expect() { # WHAT PORT EXPECTED
  local got
  got=$(timeout 10 "$probe" "$2")
  if [ "$got" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAIL: $1: '$got', not '$3'"
    failures=$((failures + 1))
  fi
}
# The port a server announced in `file`, waiting up to 10 s for it.
port_in() { # FILE PATTERN
  for _ in $(seq 100); do
    [[ $(cat "$1" 2>/dev/null) =~ $2 ]] && { echo "${BASH_REMATCH[1]}"; return; }
    sleep 0.1
  done
}

"$server" --root "$content" --port 0 >"$scratch/quintora" 2>&1 &
pids+=($!)
"$python" -u -m http.server --bind 127.0.0.1 0 >"$scratch/other" 2>&1 &
pids+=($!)
quintora=$(port_in "$scratch/quintora" ':([0-9]+)/')
other=$(port_in "$scratch/other" 'port ([0-9]+)')
expect "Quintora's server" "$quintora" quintora
expect "another HTTP server" "$other" other
kill "${pids[@]}"
wait
expect "a closed port" "$quintora" none

echo "$((3 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
