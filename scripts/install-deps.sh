#!/usr/bin/env bash
# Installs every Debian 12 package that building, playing, testing and packaging Pushwell needs.
# Quick and silent when everything is already there. It is the first step of the README's
# commands, so it needs nothing but bash and apt: run it as root or as a user with sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config make
  libsdl1.2-dev libsdl-ttf2.0-dev libtinyxml-dev zlib1g-dev
  libgtest-dev
  fonts-dejavu-core
  xvfb xdotool x11-utils imagemagick
  # The desktop entry and metainfo checks; `file` and dpkg-dev let CPack compute the package's
  # dependencies (dpkg-shlibdeps).
  desktop-file-utils appstream file dpkg-dev
  # The fuzz targets: clang and libFuzzer's runtime.
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root (or install sudo) to install them." >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
