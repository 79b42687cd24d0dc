#!/usr/bin/env bash
# Regenerates the screenshots in docs/: the splash and the main window in list view and compact
# view, in Dutch and in English, each in a fresh Wine prefix on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:-$PWD/build/windows/valomat.exe}
source tests/e2e/lib.sh
e2e_tmp
crop() { e2e_crop "$@"; }
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

# The colour picker with its drop-down and the own-currencies dialog, from the Wine tests.
shots="$E2E_DIR/shots"
mkdir -p "$shots"
VALOMAT_DOCS_SHOTS="$shots" tests/wine/run-wine.sh build/windows/wine_tests.exe \
  --gtest_filter='DocsPictures*' >/dev/null 2>&1
for picture in color-picker own-currencies; do
  convert "$shots/$picture.bmp" -strip "docs/$picture.png"
done
ls -la docs/color-picker.png docs/own-currencies.png

# The options dialog's pages.
bash scripts/screenshots-options.sh "$exe"
