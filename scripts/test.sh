#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test: the native tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the Windows tests and the end-to-end
# tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
