#!/usr/bin/env bash
# Installs every Debian 12 package that building, playing and testing Pushwell needs.
# Quick and silent when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config make
  libsdl1.2-dev libsdl-ttf2.0-dev libtinyxml-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb xdotool x11-utils imagemagick
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
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
