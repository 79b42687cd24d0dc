#!/usr/bin/env bash
# Runs a Windows executable under Wine, on the X display when one answers, else on a virtual
# display of its own. The Wine prefix is booted once and reused (a boot costs 10-16 s).
# Environment: VALOMAT_LOCALE (default nl_BE.UTF-8) is the Windows user locale of the run.
set -euo pipefail
source "$(dirname "$0")/../e2e/wine-env.sh"
valomat_wine_env
status=0
wine "$@" || status=$?
# Wine's desktop and services outlive the program and keep the caller's output open, which
# leaves ctest waiting for good: end them with it.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit "$status"
