#!/usr/bin/env bash
# Installs what building, running and testing Velmora needs on Debian 12; skips what is there.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-svg-dev qt6-qpa-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libqt6opengl6-dev libgl-dev
    fonts-liberation fonts-arphic-uming fonts-urw-base35 fonts-dejavu-core
    xvfb xauth xdotool imagemagick
    desktop-file-utils appstream
    xdg-utils libfile-mimeinfo-perl shared-mime-info
    locales
    libeigen3-dev libboost-random-dev libpcg-cpp-dev metacity x11-utils poppler-utils
    pkg-config libxcb1-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale, so the tests can check that numbers keep their "." everywhere.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
