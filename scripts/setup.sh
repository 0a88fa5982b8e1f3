#!/usr/bin/env bash
# Installs the Debian 12 packages Tidyra needs, only those that are missing.
# Usage: scripts/setup.sh [build|test|gui|package]
#   build:   compilers, libraries and the translation tools for the engine, the terminal
#            front end and the app
#   test:    build + what the tests need (the desktop-entry and AppStream validators too)
#   gui:     build + what running the app needs (X11 and Wayland plugins, Qt's own
#            translations)
#   package: build + what `cpack -G DEB` needs
set -euo pipefail

mode=${1:-build}
packages=(cmake ninja-build g++ pkg-config libicu-dev nlohmann-json3-dev libcli11-dev
          qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev)
case "$mode" in
  # A font, so that offscreen widget tests and screenshots measure real text.
  # exFAT tools, so that a test can mount a USB-stick-like file system through FUSE.
  test) packages+=(libgtest-dev fonts-dejavu-core appstream desktop-file-utils
                   qt6-translations-l10n exfatprogs exfat-fuse) ;;
  gui) packages+=(qt6-qpa-plugins qt6-wayland libqt6svg6 qt6-translations-l10n
                  fonts-dejavu-core) ;;
  package) packages+=(dpkg-dev file) ;;
  build) ;;
  *) echo "usage: $0 [build|test|gui|package]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root or install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
