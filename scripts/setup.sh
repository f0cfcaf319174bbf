#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs every Debian package that building, running and testing the game needs.
# Only what is missing is installed; nothing is done when everything is there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config python3
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev libgl-dev libqt6sql6-sqlite
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev liblz4-dev zlib1g-dev
  clang libclang-rt-14-dev clang-format clang-tidy
  xvfb xauth xdotool imagemagick x11-utils
  qt6-wayland weston at-spi2-core dbus-x11 python3-pyatspi
  desktop-file-utils appstream dpkg-dev file
  fonts-dejavu-core fonts-liberation2
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
