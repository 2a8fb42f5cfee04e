#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need (only the missing ones).
# libexiv2-dev and libtag1-dev read photo metadata and music tags; qt6-image-formats-plugins lets Qt read
# the size of WebP, TIFF and other pictures. exfat-fuse and exfatprogs let the tests make a case-insensitive
# folder (as root); xvfb and xauth let scripts/screenshot.sh show the window without a display;
# desktop-file-utils, appstream and dpkg-dev check the installed files and build the Debian package.
set -euo pipefail
packages=(cmake ninja-build g++ ccache qt6-base-dev qt6-base-dev-tools libgl-dev libglx-dev libvulkan-dev
          qt6-qpa-plugins qt6-image-formats-plugins libqt6test6 clang-format exfat-fuse exfatprogs
          pkgconf libexiv2-dev libtag1-dev
          xvfb xauth desktop-file-utils appstream dpkg-dev file "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
