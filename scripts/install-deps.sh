#!/usr/bin/env bash
# Installs every Debian package that building, playing and testing need.
# Quiet when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl1.2-dev libglew-dev libglu1-mesa-dev libgl1-mesa-dri
  libfreetype-dev libsoil-dev libsdl-mixer1.2-dev libpng-dev
  googletest libgtest-dev
  xvfb xauth xdotool imagemagick desktop-file-utils
  python3-pil python3-numpy
  clang libclang-rt-dev libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
