#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, or the packages
# named as arguments (skips apt when every one is already there).
set -euo pipefail
packages=(g++ cmake ninja-build libgtest-dev libgmock-dev qt6-base-dev libgl-dev zlib1g-dev
          dpkg-dev file appstream)
if [ $# -gt 0 ]; then packages=("$@"); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
