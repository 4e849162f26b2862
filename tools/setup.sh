#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and its tests need and is missing.
# Safe to run again: it installs nothing when everything is there.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxkbcommon-x11-0 libxcb-cursor0
    libgtest-dev libbenchmark-dev libxcb1-dev
    fonts-liberation fonts-dejavu-core qt6-translations-l10n
    xvfb xauth xdotool imagemagick x11-utils x11-xserver-utils
    desktop-file-utils
    locales
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# An Italian locale, so that the tests can prove numbers keep their comma whatever the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
    $sudo localedef -i it_IT -c -f UTF-8 it_IT.UTF-8
fi
