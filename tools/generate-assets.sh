#!/bin/sh
# Redraws every picture of the program into assets/ (PNG files at 1x and @2x):
#
#   tools/generate-assets.sh
#
# Builds the generator in build/dev (configured with `cmake --preset dev` if that has not happened yet)
# and runs it on the offscreen platform. The pictures depend only on the generator and Liberation Sans,
# not on the machine: run this after changing the generator, and commit the rewritten PNGs with it.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ ! -f build/dev/CMakeCache.txt ]; then
    cmake --preset dev
fi
cmake --build build/dev --target asset_generator -j2
QT_QPA_PLATFORM=offscreen build/dev/assets/generator/asset_generator "$root/assets"
