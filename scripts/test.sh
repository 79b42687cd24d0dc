#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test: the native tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz harnesses on their seed corpora (a
# few seconds each), then the Windows tests and the end-to-end tests under Wine. The benchmarks
# are built, not run, so that their command keeps working.
#
# The Windows tests spend most of their time waiting on Wine, so they run beside the other
# presets' builds and tests; their output follows at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
for preset in windows native fuzz bench; do cmake --preset "$preset" >/dev/null; done
cmake --build --preset windows

windows_log=$(mktemp "${TMPDIR:-/tmp}/valomat-windows-tests.XXXXXX")
ctest --preset windows >"$windows_log" 2>&1 &
windows_tests=$!
# An interrupted run takes its Windows tests with it.
trap 'kill "$windows_tests" 2>/dev/null || true; rm -f "$windows_log"' EXIT

status=0
{
  cmake --build --preset native &&
    ctest --preset native &&
    cmake --build --preset fuzz &&
    ctest --preset fuzz &&
    cmake --build --preset bench
} || status=$?

echo "== Windows tests"
wait "$windows_tests" || status=$?
cat "$windows_log"
exit "$status"
