#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, only those missing.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang-format fonts-dejavu-core fonts-liberation
          clang libclang-rt-14-dev libxlsxwriter-dev libical-dev tidy python3-openpyxl
          qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
