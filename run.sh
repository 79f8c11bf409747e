#!/usr/bin/env bash
# Installs what is missing, builds Quintora and starts the desktop program.
# Arguments are passed to the program (for example a system file to open).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"

# The stand-in for the program's server, so that "Aggiorna", the version check and the
# language and matrix downloads work out of the box. Started only when nothing answers on its
# port, and stopped again when the program ends.
server_pid=""
case "$(scripts/probe-server.sh 8642)" in
  none)
    build/src/server/quintora-server --port 8642 >build/quintora-server.log 2>&1 &
    server_pid=$!
    for _ in 1 2 3 4 5 6 7 8 9 10; do
      (exec 3<>/dev/tcp/127.0.0.1/8642) 2>/dev/null && break
      kill -0 "$server_pid" 2>/dev/null || break
      sleep 0.2
    done
    if ! kill -0 "$server_pid" 2>/dev/null; then
      echo "run.sh: quintora-server did not start:" >&2
      cat build/quintora-server.log >&2
      server_pid=""
    fi
    ;;
  other)
    echo "run.sh: port 8642 is held by a server that is not Quintora's: updates and downloads" \
      "will ask it. Stop it, or start build/src/server/quintora-server --port N and set" \
      "SERVER=http://127.0.0.1:N/ in the settings." >&2
    ;;
esac
stop_server() {
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null || true
  fi
}
trap stop_server EXIT

if [ -x build/src/app/quintora ]; then
  build/src/app/quintora "$@"
else
  build/src/cli/quintora-cli --help
fi
