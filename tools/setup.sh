#!/usr/bin/env bash
# Installs the Debian packages Korva needs that are missing (unzip lets a test open the .odt
# documents), then configures and builds it in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ pkg-config clang-format qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite
          libsqlite3-dev libxlsxwriter-dev qt6-translations-l10n fonts-liberation fonts-dejavu-core xvfb xauth
          unzip)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
