#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test: the native tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz harnesses on their seed corpora (a
# few seconds each), then the Windows tests and the end-to-end tests under Wine. The benchmarks
# are built, not run, so that their command keeps working.
#
# The Windows tests spend most of their time waiting on Wine and the fuzz runs last a set time,
# so both run beside the builds that follow them; their output comes at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
for preset in windows fuzz native bench; do cmake --preset "$preset" >/dev/null; done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/valomat-test.XXXXXX")
pids=()
# An interrupted run takes its background tests with it: each runs in a process group of its
# own, which holds every script and Wine process that its ctest started.
trap 'for pid in "${pids[@]}"; do kill -- "-$pid" 2>/dev/null || true; done; rm -rf "$scratch"' EXIT

# beside NAME COMMAND...: runs COMMAND in the background, its output kept for the end.
beside() {
  local name=$1; shift
  setsid "$@" >"$scratch/$name" 2>&1 &
  pids+=($!)
}

status=0
{
  cmake --build --preset windows &&
    beside windows ctest --preset windows &&
    cmake --build --preset fuzz &&
    beside fuzz ctest --preset fuzz &&
    cmake --build --preset native &&
    ctest --preset native &&
    cmake --build --preset bench
} || status=$?

for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || status=$?
done
for log in fuzz windows; do
  [ -f "$scratch/$log" ] || continue
  echo "== $log tests"
  cat "$scratch/$log"
done
exit "$status"
