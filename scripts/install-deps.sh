#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Polvane needs.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config ccache
  libpcre2-dev libicu-dev libcurl4-openssl-dev
  qt6-base-dev qt6-webengine-dev libgl-dev fonts-noto-cjk
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  python3 curl xvfb xauth x11-utils openbox wmctrl
)
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
