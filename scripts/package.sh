#!/usr/bin/env bash
# Makes the Debian package build/quintora_VERSION_ARCH.deb from a Release build in build/
# (the folder ./test.sh builds, so a tree built there is reused). Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
jobs=$(nproc 2>/dev/null || echo 2)
# Files and folders of the package get the permissions Debian expects, whatever the umask.
umask 022

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$jobs" >&2
rm -rf "$build/package"
(cd "$build" && cpack -G DEB >&2)
deb=$(find "$build/package" -maxdepth 1 -name 'quintora_*.deb' -print -quit)
if [ -z "$deb" ]; then
  echo "package.sh: CPack made no package" >&2
  exit 1
fi
mv "$deb" "$build/"
echo "$build/$(basename "$deb")"
