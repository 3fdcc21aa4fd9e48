#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test
# Paperwisp. Installs only missing packages, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake make g++ libgtest-dev python3 python3-pefile
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine64 wine xvfb xauth xdotool x11-utils imagemagick sox
  libgif-dev libjpeg-dev libfreetype-dev fonts-dejavu-core
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
