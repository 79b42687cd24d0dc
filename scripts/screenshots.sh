#!/usr/bin/env bash
# Regenerates the screenshots in docs/: the splash and the main window in list view and compact
# view, in Dutch and in English, each in a fresh Wine prefix on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:-$PWD/build/windows/valomat.exe}
source tests/e2e/lib.sh
e2e_tmp  # a display of its own, so no other window ends up in the pictures
crop() {  # crop WINDOW OUT: the window's area of a screenshot of the whole screen
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root "$E2E_DIR/screen.png"
  convert "$E2E_DIR/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$2"
}
for lang in nl:nl_BE.UTF-8 en:en_GB.UTF-8; do
  e2e_fresh "${lang#*:}"
  wine "$exe" >/dev/null 2>&1 &
  VALOMAT_PID=$!
  splash=""
  for _ in $(seq 400); do
    splash=$(xdotool search --onlyvisible --name '^Valomat 2.81$' 2>/dev/null | head -1 || true)
    [ -n "$splash" ] && break
    sleep 0.02
  done
  [ -n "$splash" ] && crop "$splash" "docs/splash-${lang%%:*}.png"
  for _ in $(seq 300); do
    VALOMAT_WIN=$(xdotool search --onlyvisible --name '^Valomat$' 2>/dev/null | head -1 || true)
    [ -n "$VALOMAT_WIN" ] && break
    sleep 0.05
  done
  sleep 1.5
  e2e_focus
  sleep 0.5
  xdotool key ctrl+a
  xdotool type --delay 50 '100'
  xdotool mousemove 0 0
  sleep 1.5
  crop "$VALOMAT_WIN" "docs/main-list-${lang%%:*}.png"
  e2e_focus 126 40  # the tool bar's list button
  xdotool mousemove 0 0
  sleep 0.8
  crop "$VALOMAT_WIN" "docs/main-compact-${lang%%:*}.png"
  e2e_focus 126 40
  e2e_close
done
ls -la docs/*.png
