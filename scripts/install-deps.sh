#!/usr/bin/env bash
# Installs the Debian packages Velmora builds and tests with, where they are missing.
set -euo pipefail

packages=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-charts-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-svg-dev
    libgsf-1-dev liborcus-dev libxlsxwriter-dev libqt6opengl6-dev
    libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev time
    adwaita-icon-theme shared-mime-info desktop-file-utils appstream dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
