#!/usr/bin/env bash
# Installs the Debian packages Pixador needs to build, run, test and package, and any packages named as
# arguments (a script that needs more names them); a second run installs nothing.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth xclip xdotool imagemagick libpng-dev libfontconfig-dev python3-pil pkg-config libxcb1-dev
          scdoc dpkg-dev lintian appstream desktop-file-utils man-db qt6-wayland weston "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -q
    $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
