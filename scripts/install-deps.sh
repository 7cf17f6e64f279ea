#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build, the tests and the benchmarks need.
# Safe to run again: it only asks apt for what is missing.
set -euo pipefail

packages=(
  cmake g++ make pkgconf
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  libgtest-dev
  clang libclang-rt-dev
  xvfb xauth x11-apps x11-utils x11-xserver-utils xdotool imagemagick openbox wmctrl xclip
  tesseract-ocr
  mutter gnome-shell xwayland kwin-x11 kwin-wayland dbus qt6-wayland python3-gi
  dpkg-dev desktop-file-utils lintian appstream
  poppler-utils
  fonts-liberation fonts-liberation2
  xdg-utils
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build
  wine64 wine nsis
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
