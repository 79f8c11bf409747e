#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quintora need,
# and only those that are missing. Runs as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev libqt6charts6-dev libqt6opengl6-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
  clang libclang-rt-14-dev libcpp-httplib-dev libcli11-dev
  fonts-liberation xvfb xauth qt6-translations-l10n openbox x11-utils
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  python3
  dpkg-dev go-md2man lintian desktop-file-utils appstream shared-mime-info man-db
  pngquant
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
