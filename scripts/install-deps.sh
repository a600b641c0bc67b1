#!/usr/bin/env bash
# Installs what building and testing Korvanel needs on Debian 12, only where it is missing.
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config libgl-dev
          qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev qt6-svg-dev libqt6svg6-dev
          qt6-qpa-plugins)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
