#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test in the Release build and in the
# AddressSanitizer/UBSan build, under the Italian locale; the window tests of the Release build run
# once more in the C locale. Usage: tools/test.sh [ctest arguments, e.g. -R core]
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
for preset in ci asan; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" "$@"
    if [ "$preset" = ci ]; then
        echo "== ci, window tests in the C locale =="
        ctest --preset ci-c-locale "$@"
    fi
done
