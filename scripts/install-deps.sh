#!/usr/bin/env bash
# Installs every Debian package that building, playing, testing and packaging
# need, on a Debian 12 minbase with only make (and git to clone) added.
# Quiet when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl1.2-dev libglew-dev libglu1-mesa-dev libgl1-mesa-dri
  libfreetype-dev libsoil-dev libsdl-mixer1.2-dev libpng-dev zlib1g-dev
  googletest libgtest-dev
  xvfb xauth xdotool imagemagick desktop-file-utils
  python3-pil python3-numpy
  clang libclang-rt-dev libx11-dev
  file lintian  # dpkg-shlibdeps runs file for `make deb`; the package test runs lintian
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
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo > /dev/null; then
    echo "Installing needs root: run 'apt-get install sudo' as root, or 'make deps' as root" >&2
    exit 1
  fi
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
