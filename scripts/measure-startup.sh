#!/usr/bin/env bash
# Measures, under the same Wine in one run, the time from starting valomat.exe until its main
# window is shown, against a minimal Win32 program that opens one window; prints both medians,
# their ratio and the size of valomat.exe. Needs the windows preset built.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
build=${VALOMAT_BUILD:-build/windows}
source tests/e2e/wine-env.sh
export VALOMAT_LOCALE=nl_BE.UTF-8
valomat_wine_env
measure() {  # measure EXE TITLE -> milliseconds until a visible window with that title exists
  local t0 t1 pid win
  t0=$(date +%s%N)
  wine "$1" >/dev/null 2>&1 &
  pid=$!
  while ! win=$(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null | head -1) || [ -z "$win" ]; do
    sleep 0.005
  done
  t1=$(date +%s%N)
  xdotool windowfocus "$win" 2>/dev/null || true
  xdotool key --window "$win" alt+F4 2>/dev/null || true
  for _ in $(seq 500); do kill -0 "$pid" 2>/dev/null || break; sleep 0.01; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo $(( (t1 - t0) / 1000000 ))
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
measure "$build/minimal_window.exe" Minimal >/dev/null  # warm up
valomat=() minimal=()
for _ in $(seq "$runs"); do
  minimal+=("$(measure "$build/minimal_window.exe" Minimal)")
  valomat+=("$(measure "$build/valomat.exe" Valomat)")
done
m=$(printf '%s\n' "${minimal[@]}" | median)
v=$(printf '%s\n' "${valomat[@]}" | median)
echo "minimal window: median ${m} ms (${minimal[*]})"
echo "valomat.exe:    median ${v} ms (${valomat[*]})"
awk -v v="$v" -v m="$m" 'BEGIN {printf "ratio: %.2f\n", v / m}'
echo "size of valomat.exe: $(stat -c %s "$build/valomat.exe") bytes"
