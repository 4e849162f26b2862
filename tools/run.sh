#!/usr/bin/env bash
# Installs what is missing, builds the Release program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
cmake --preset ci >/dev/null
cmake --build --preset ci --target codicolorimetrix
exec build/ci/app/codicolorimetrix "$@"
