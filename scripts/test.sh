#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test: the native tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz harnesses on their seed corpora (a
# few seconds each), then the Windows tests and the end-to-end tests under Wine. The benchmarks
# are built, not run, so that their command keeps working.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
cmake --preset bench >/dev/null
cmake --build --preset bench
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
