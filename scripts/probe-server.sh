#!/usr/bin/env bash
# Tells what answers on a loopback port: prints "quintora" for Quintora's server (its answers
# carry "Server: quintora-server"), "other" for anything else that takes the connection, and
# "none" when nothing does. Usage: scripts/probe-server.sh [PORT]   (default 8642)
set -uo pipefail
port=${1:-8642}

answer=$(
  exec 2>/dev/null
  exec 3<>"/dev/tcp/127.0.0.1/$port" || exit 1
  printf 'GET /public/quintora/ver.asp HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n' >&3
  while IFS= read -r -t 2 line <&3; do
    line=${line%$'\r'}
    [ -z "$line" ] && break
    printf '%s\n' "$line"
  done
) || { echo none; exit 0; }

if grep -qi '^server: quintora-server' <<<"$answer"; then
  echo quintora
else
  echo other
fi
