#!/usr/bin/env bash
# Measures the start-up under the same Wine in one run: the time from starting a program until
# its first window and its main window are on the screen, drawn (tests/e2e/window_clock.c, which
# the X server wakes at each new window and which looks every 2 ms), against a minimal Win32
# program that opens one window (tests/e2e/minimal_window.cpp). The programs take turns, start by start, so
# that whatever else the machine does weighs on each alike. Prints the medians, the ratios to the
# minimal window, the load average before and after, and for each Valomat its own timing log
# (VALOMAT_STARTUP_LOG): the median time of each phase over as many logged starts, and the
# windows it holds once started.
#
#   scripts/measure-startup.sh [RUNS] [VALOMAT.EXE...]
#
# RUNS defaults to 9; several programs (an older build beside the new one) are measured in the
# same turns. Needs the windows preset built, and a C compiler with Xlib for the window clock.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
shift || true
build=${VALOMAT_BUILD:-build/windows}
exes=("$@")
[ ${#exes[@]} -gt 0 ] || exes=("$build/valomat.exe")
clock=$build/window_clock
if [ ! -x "$clock" ] || [ tests/e2e/window_clock.c -nt "$clock" ]; then
  cc -O2 -o "$clock" tests/e2e/window_clock.c -lX11
fi
source tests/e2e/wine-env.sh
export VALOMAT_LOCALE=nl_BE.UTF-8
# A prefix of its own, fresh at every run: each start finds the settings of a first start's end.
cache=$(valomat_cache_dir)
export VALOMAT_WINEPREFIX=$cache/measure-prefix
rm -rf "$VALOMAT_WINEPREFIX"
valomat_wine_env
wineserver -p >/dev/null 2>&1 </dev/null  # one server for every start, as the tests keep it

# start EXE FIRST_TITLE MAIN_TITLE -> "first_ms main_ms"; closes the program as a person would
# and waits until it has ended.
start() {
  local out=$cache/clock.txt win cpid X Y WIDTH HEIGHT SCREEN WINDOW
  rm -f "$out"
  "$clock" 20000 "$2" "$3" -- wine "$1" >"$out" 2>/dev/null &
  cpid=$!
  while [ ! -s "$out" ] && kill -0 "$cpid" 2>/dev/null; do sleep 0.01; done
  win=$(xdotool search --onlyvisible --name "^$3\$" 2>/dev/null | head -1 || true)
  if [ -n "$win" ]; then
    # A click on the caption gives the window the keyboard (there is no window manager).
    eval "$(xdotool getwindowgeometry --shell "$win")"
    xdotool mousemove $((X + 30)) $((Y + 8)) click 1 key alt+F4 mousemove 0 0 2>/dev/null || true
  fi
  wait "$cpid" || true
  cat "$out"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
load() { cut -d' ' -f1-3 /proc/loadavg; }

start "$build/minimal_window.exe" Minimal Minimal >/dev/null  # warm up
for exe in "${exes[@]}"; do start "$exe" "Valomat 2.81" Valomat >/dev/null; done
echo "load average before: $(load)"
declare -A firsts mains
minimal=()
for _ in $(seq "$runs"); do
  read -r m _ <<<"$(start "$build/minimal_window.exe" Minimal Minimal)"
  minimal+=("$m")
  for i in "${!exes[@]}"; do
    read -r f v <<<"$(start "${exes[$i]}" "Valomat 2.81" Valomat)"
    firsts[$i]="${firsts[$i]:-} $f"
    mains[$i]="${mains[$i]:-} $v"
  done
done
# As many starts again with the program's own timing log (a build without it writes nothing):
# apart from the timed ones, since writing the log takes time too.
for r in $(seq "$runs"); do
  for i in "${!exes[@]}"; do
    log=$cache/startup-log-$i-$r.txt
    rm -f "$log"
    VALOMAT_STARTUP_LOG="$(winepath -w "$log" 2>/dev/null | tr -d '\r')" \
      start "${exes[$i]}" "Valomat 2.81" Valomat >/dev/null
  done
done
echo "load average after:  $(load)"
m=$(printf '%s\n' "${minimal[@]}" | median)
echo "minimal window: median ${m} ms (${minimal[*]})"
for i in "${!exes[@]}"; do
  exe=${exes[$i]}
  f=$(tr ' ' '\n' <<<"${firsts[$i]}" | grep . | median)
  v=$(tr ' ' '\n' <<<"${mains[$i]}" | grep . | median)
  echo "$exe:"
  echo "  first window (splash): median ${f} ms (${firsts[$i]# }), $(LC_ALL=C awk -v a="$f" -v b="$m" 'BEGIN {printf "%.2f", a / b}') x minimal"
  echo "  main window:           median ${v} ms (${mains[$i]# }), $(LC_ALL=C awk -v a="$v" -v b="$m" 'BEGIN {printf "%.2f", a / b}') x minimal"
  echo "  size: $(stat -c %s "$exe") bytes"
  # Each phase of the log: the median of its times, in the order the phases came.
  cat "$cache"/startup-log-"$i"-*.txt 2>/dev/null | tr -d '\r' | LC_ALL=C awk '
    /^windows:/ { windows = $0; next }
    { t = $1; $1 = ""; $2 = ""; sub(/^ +/, ""); if (!($0 in n)) order[++phases] = $0
      times[$0, ++n[$0]] = t }
    END {
      for (p = 1; p <= phases; ++p) {
        k = order[p]; c = n[k]
        for (a = 1; a <= c; ++a) v[a] = times[k, a]
        for (a = 1; a <= c; ++a) for (b = a + 1; b <= c; ++b) if (v[b] < v[a]) { x = v[a]; v[a] = v[b]; v[b] = x }
        printf "  log: %7.1f ms  %s\n", v[int((c + 1) / 2)], k
      }
      if (windows != "") print "  log: " windows
    }'
  rm -f "$cache"/startup-log-"$i"-*.txt
done
wineserver -k || true
