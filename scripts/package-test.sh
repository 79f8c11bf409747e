#!/usr/bin/env bash
# The Debian package as a user gets it: made by scripts/package.sh, installed with apt-get,
# its programs run from a fresh home (never from the build tree), then removed again.
# The machine is left as found: the package, and whatever apt-get installed along with it,
# is purged at the end, also when a step fails. Runs as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=${BUILD_DIR:-build}

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
if dpkg-query -W -f='${Status}' quintora 2>/dev/null | grep -q 'install ok installed'; then
  echo "package-test: quintora is installed already; remove it first (apt-get remove quintora)" >&2
  exit 1
fi

started=$SECONDS
deb=$("$source_dir/scripts/package.sh")
deb=$(realpath "$deb")
version=$(dpkg-deb -f "$deb" Version)

tmp=$(mktemp -d)
server_pid=""
installed=""
dpkg-query -W -f='${Package}\n' | sort >"$tmp/packages-before"

fail() {
  echo "package-test: $*" >&2
  exit 1
}

cleanup() {
  local status=$?
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
  if [ -n "$installed" ]; then
    # Whatever the install pulled in goes too (noted right after it, so that nothing installed
    # later by anyone else is taken).
    local added=(quintora) left=() package
    [ -s "$tmp/added" ] && mapfile -t added <"$tmp/added"
    for package in "${added[@]}"; do
      dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' && left+=("$package")
    done
    if [ ${#left[@]} -gt 0 ]; then
      DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove --purge -y -qq "${left[@]}" >/dev/null ||
        status=1
    fi
  fi
  rm -rf "$tmp"
  exit "$status"
}
trap cleanup EXIT

# Installed files must not hold errors for Debian's checker.
lintian --fail-on error --display-info "$deb" >"$tmp/lintian.log" 2>/dev/null ||
  { cat "$tmp/lintian.log" >&2; fail "lintian reports errors on $deb"; }
# The programs are built hardened, as Debian's own packages are.
if grep 'hardening-' "$tmp/lintian.log" >&2; then
  fail "lintian finds programs built without hardening in $deb"
fi

echo "package-test: installing $(basename "$deb")"
installed=yes
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$deb" >"$tmp/apt.log" 2>&1 ||
  { cat "$tmp/apt.log" >&2; fail "apt-get install failed"; }
dpkg-query -W -f='${Package}\n' | sort | comm -13 "$tmp/packages-before" - >"$tmp/added"
dpkg -L quintora >"$tmp/files"

# A fresh user: nothing of the build tree, nothing of an earlier run.
export HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/.local/share"
export XDG_CONFIG_HOME="$tmp/home/.config" XDG_CACHE_HOME="$tmp/home/.cache"
export XDG_RUNTIME_DIR="$tmp/runtime"
unset XDG_DATA_DIRS
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR" && cd "$HOME"
export PATH=/usr/sbin:/usr/bin:/sbin:/bin

[ "$(quintora-cli --version)" = "quintora-cli $version" ] || fail "quintora-cli --version"
[ "$(quintora --version)" = "quintora $version" ] || fail "quintora --version"

# The installed batch tool develops as the built one does, and finds its print companion.
fixture="$source_dir/fuzz/corpus/system_file/condizioni.qsy"
quintora-cli develop "$fixture" -o installed.qsy
(cd "$tmp" && "$source_dir/$build/src/cli/quintora-cli" develop "$fixture" -o built.qsy)
cmp installed.qsy "$tmp/built.qsy" || fail "develop: the installed program writes other bytes"
quintora-cli print-slips installed.qsy --type 1 --pdf slips.pdf
[ "$(head -c 4 slips.pdf)" = "%PDF" ] || fail "print-slips wrote no PDF"

# The installed server serves the installed content, though the build tree it came from is here.
quintora-server --port 0 >"$tmp/server.log" 2>&1 &
server_pid=$!
port=""
for _ in $(seq 50); do
  port=$(sed -n 's|.*http://127.0.0.1:\([0-9]*\)/.*|\1|p' "$tmp/server.log")
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || fail "quintora-server did not start: $(cat "$tmp/server.log")"
grep -q "serving /usr/share/quintora/server\$" "$tmp/server.log" ||
  fail "the installed server does not serve the installed content: $(cat "$tmp/server.log")"
fetch() { # straight to the server, whatever proxy the environment names
  python3 -c 'import sys, urllib.request as u
sys.stdout.buffer.write(u.build_opener(u.ProxyHandler({})).open(sys.argv[1]).read())' "$1"
}
fetch "http://127.0.0.1:$port/public/quintora/ver.asp" | cmp - /usr/share/quintora/server/version.txt ||
  fail "the server's version.txt"
fetch "http://127.0.0.1:$port/quintora/archivio.asp" | cmp - /usr/share/quintora/server/archivio.txt ||
  fail "the server's archive"

# The desktop program's first start fills the data folder from /usr/share/quintora. The
# settings name the test's server, so the version check asks it and nothing else.
data="$XDG_DATA_HOME/Quintora"
mkdir -p "$data"
printf '[IMPOSTAZIONI]\r\nSERVER=http://127.0.0.1:%s/\r\n' "$port" >"$data/quintora.ini"
QT_QPA_PLATFORM=offscreen timeout 60 quintora --quit-after-start || fail "quintora did not start"
for file in italiano.lng english.lng archivio/quintora.dat; do
  [ -s "$data/$file" ] || fail "first start: no $file in the data folder"
done
compgen -G "$data/matrici/*.mzor" >/dev/null || fail "first start: no matrices in the data folder"
for manual in it.md en.md images/it-main.png images/en-main.png; do
  [ -s "/usr/share/quintora/manual/$manual" ] || fail "the manual's $manual is not installed"
done

# Found by man, the desktop, AppStream and the MIME database.
man -w quintora-cli >/dev/null || fail "man -w quintora-cli"
for page in quintora quintora-cli quintora-server; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$(man -w "$page")" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page $page: $warnings"
done
desktop-file-validate /usr/share/applications/quintora.desktop
appstreamcli validate --no-net /usr/share/metainfo/*quintora*.metainfo.xml >/dev/null ||
  fail "the AppStream file does not validate"
grep -q '^[0-9]*:application/x-quintora-system:\*\.qsy$' /usr/share/mime/globs2 ||
  fail "the MIME database does not map *.qsy to application/x-quintora-system"

# Purged, it leaves none of its files, and none of the folders that were its own.
cd "$source_dir"
server_stop=$server_pid
server_pid=""
kill "$server_stop" && wait "$server_stop" 2>/dev/null || true
DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove --purge -y -qq quintora >/dev/null
while read -r path; do
  if [ -e "$path" ] && { [ ! -d "$path" ] || [[ $path == *quintora* ]]; }; then
    fail "left behind after purge: $path"
  fi
done <"$tmp/files"

echo "package-test: passed in $((SECONDS - started)) s"
