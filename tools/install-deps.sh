#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test the suite.
# Everything comes from Debian's own packages; when all is present it does nothing.
set -euo pipefail

packages=(cmake g++ make googletest libgtest-dev g++-mingw-w64-i686 binutils-mingw-w64-i686
          wine wine32:i386 xvfb xauth imagemagick python3)

missing=()
for pkg in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
