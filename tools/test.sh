#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test in the Release build and in the
# AddressSanitizer/UBSan build, under the Italian locale; the window tests of the Release build run
# once more in the C locale. A failure in one build does not keep the other from running; the exit
# status says whether anything failed. Usage: tools/test.sh [ctest arguments, e.g. -R core]
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
failed=()
for preset in ci asan; do
    echo "== $preset =="
    if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }; then
        failed+=("$preset build")
        continue
    fi
    ctest --preset "$preset" "$@" || failed+=("$preset tests")
    if [ "$preset" = ci ]; then
        echo "== ci, window tests in the C locale =="
        ctest --preset ci-c-locale "$@" || failed+=("ci window tests in the C locale")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    printf -v list '%s, ' "${failed[@]}"
    echo "FAILED: ${list%, }"
    exit 1
fi
