#!/usr/bin/env bash
# Installs the Debian packages Sintarel needs to build, run and test.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-translations-l10n
  qt6-gtk-platformtheme libgl-dev
  fonts-liberation2 fonts-dejavu-core
  poppler-utils xvfb xauth imagemagick
  python3-pyatspi gir1.2-atspi-2.0 at-spi2-core dbus-x11
  clang libclang-rt-14-dev
  cups cups-client cups-bsd printer-driver-cups-pdf xdotool
  libxlsxwriter-dev python3-openpyxl
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
