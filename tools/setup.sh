#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program, its tests and its Debian package
# need and is missing. Safe to run again: it installs nothing when everything is there.
# One line per step; apt's and dpkg's own output goes to build/setup.log, shown only when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland qt6-translations-l10n
    libgl-dev libxkbcommon-x11-0 libxcb-cursor0
    libxcb1-dev libxcb-shape0-dev
    libgtest-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth xdotool xclip imagemagick x11-utils x11-xserver-utils openbox weston
    at-spi2-core python3-pyatspi dbus-x11
    desktop-file-utils appstream lintian dpkg-dev fakeroot file
    locales
)

mkdir -p build
log=$PWD/build/setup.log
: >"$log"
# sudo resets the environment, so the setting that keeps apt from asking questions goes through env.
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o Dpkg::Use-Pty=0)

step()
{
    local what=$1
    shift
    echo "setup: $what"
    if ! "$@" >>"$log" 2>&1; then
        echo "setup: failed while $what; the last lines of $log:" >&2
        tail -n 25 "$log" >&2
        exit 1
    fi
}

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    step "reading Debian's package lists" "${apt[@]}" update
    all=$(apt-get -s install --no-install-recommends "${missing[@]}" 2>>"$log" | grep -c '^Inst ' || true)
    step "installing ${missing[*]} (${#missing[@]} of the ${#packages[@]} needed; $all with what they need)" \
        "${apt[@]}" install --no-install-recommends "${missing[@]}"
fi

# An Italian locale, so that the tests can prove numbers keep their comma whatever the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
    step "making the it_IT.UTF-8 locale" "${as_root[@]}" localedef -i it_IT -c -f UTF-8 it_IT.UTF-8
fi
[ ${#missing[@]} -gt 0 ] || echo "setup: all ${#packages[@]} packages are installed"
