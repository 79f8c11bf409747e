#!/usr/bin/env bash
# The start-up against a server that has a newer version, under a real window manager: the
# announcement is the window on top, and no splash is left above it or beside it.
# Arguments: the program, quintora-server, the server's content folder.
set -euo pipefail
app=$1
server=$2
content=$3
for tool in xvfb-run openbox xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

tmp=$(mktemp -d)
server_pid=""
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

cp -r "$content" "$tmp/content"
echo "9.9.9" >"$tmp/content/version.txt"
"$server" --root "$tmp/content" --port 0 >"$tmp/server.log" 2>&1 &
server_pid=$!
address=""
for _ in $(seq 50); do
  address=$(grep -o 'http://127.0.0.1:[0-9]*/' "$tmp/server.log" || true)
  [ -n "$address" ] && break
  sleep 0.1
done
[ -n "$address" ] || { echo "the server did not start"; exit 1; }

export XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config"
# A real window, whatever platform the other GUI tests use.
unset QT_QPA_PLATFORM
mkdir -p "$XDG_DATA_HOME/Quintora"
printf '[IMPOSTAZIONI]\r\nLINGUA=italiano\r\nSERVER=%s\r\n' "$address" \
  >"$XDG_DATA_HOME/Quintora/quintora.ini"

# Inside the X server: the window manager, the program, then the stacking order once the
# announcement is up (at most ten seconds), bottom first, one window title a line.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  openbox >/dev/null 2>&1 &
  sleep 0.5
  "$1" >/dev/null 2>&1 &
  app=$!
  for _ in $(seq 100); do
    stack=$(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed -n "s/.*# //p" | tr -d ,)
    titles=""
    for w in $stack; do
      titles="$titles$(xprop -id "$w" _NET_WM_NAME 2>/dev/null | sed -n "s/.* = \"\(.*\)\"/\1/p")
"
    done
    case "$titles" in *"Nuova Versione"*) break ;; esac
    sleep 0.1
  done
  printf "%s" "$titles" >"$2"
  kill "$app" 2>/dev/null || true
' _ "$app" "$tmp/stack.txt"

echo "stacking order, bottom first:"
cat "$tmp/stack.txt"
top=$(grep -v '^$' "$tmp/stack.txt" | tail -n 1)
if [ "$top" != "Nuova Versione Disponibile!!" ]; then
  echo "FAIL: the window on top is \"$top\", not the announcement"
  exit 1
fi
if grep -q '^Quintora$' "$tmp/stack.txt"; then
  echo "FAIL: the splash is still up"
  exit 1
fi
echo "PASS"
