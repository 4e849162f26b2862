#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test in the Release build and in the
# AddressSanitizer/UBSan build. Usage: tools/test.sh [ctest arguments, e.g. -R core]
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
for preset in ci asan; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" "$@"
done
