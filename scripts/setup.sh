#!/usr/bin/env bash
# Installs the Debian 12 packages Tidyra needs, only those that are missing.
# Usage: scripts/setup.sh [build|test|gui|package|dev]
#   build:   compilers, libraries, the translation tools and help2man (the manual pages
#            are made from --help) for the engine, the terminal front end and the app
#   test:    build + what the tests need: the desktop-entry and AppStream validators,
#            a D-Bus daemon, bash-completion, lintian, and what the file-system tests
#            mount (exFAT through FUSE, NTFS through ntfs-3g, ext4 on a loop image,
#            sshfs to a bare SFTP server, no SSH daemon) or watch (strace),
#            Python for the torture harness, and clang with its runtime for the fuzz
#            targets (libFuzzer), clang-format for the style check of test.sh
#   gui:     build + what running the app needs (X11 and Wayland plugins, Qt's own
#            translations)
#   package: build + what `cpack -G DEB` and lintian need
#   dev:     test + clang-tidy, for the checks in CONTRIBUTING.md
set -euo pipefail

mode=${1:-build}
packages=(cmake ninja-build g++ pkg-config libicu-dev nlohmann-json3-dev libcli11-dev
          libtomlplusplus-dev qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev
          libxcb1-dev help2man)
test_packages=(libgtest-dev fonts-dejavu-core appstream desktop-file-utils
               qt6-translations-l10n dbus-daemon bash-completion lintian dpkg-dev file
               exfatprogs exfat-fuse sshfs strace
               clang libclang-rt-14-dev python3 e2fsprogs fuse3 ntfs-3g
               openssh-sftp-server clang-format)
case "$mode" in
  # A font, so that offscreen widget tests and screenshots measure real text.
  test) packages+=("${test_packages[@]}") ;;
  dev) packages+=("${test_packages[@]}" clang-tidy) ;;
  gui) packages+=(qt6-qpa-plugins qt6-wayland libqt6svg6 qt6-translations-l10n
                  fonts-dejavu-core) ;;
  package) packages+=(dpkg-dev file lintian) ;;
  build) ;;
  *) echo "usage: $0 [build|test|gui|package|dev]" >&2; exit 2 ;;
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
