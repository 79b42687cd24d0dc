#!/usr/bin/env bash
# Regenerates the screenshots in docs/: the splash and the main window in list view and compact
# view, in Dutch and in English, each in a fresh Wine prefix on a virtual display; the main
# window and two options pages at 150 %; the options dialog's pages (screenshots-options.sh).
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
  xdotool key ctrl+l  # the list button's shortcut: the compact view
  e2e_shot "$VALOMAT_WIN" "docs/main-compact-${lang%%:*}.png"
  xdotool key ctrl+l
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

# The main window and two options pages on a screen of 150 % (the prefix's LogPixels 144).
e2e_fresh nl_BE.UTF-8
reg_import <<'EOF2'
[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:00000090
"CursorBlinkRate"="60000"
EOF2
e2e_start "$exe"
# The main window's 326 x 427 at 150 %; positions below are its 96-DPI figures, scaled.
e2e_client "$VALOMAT_WIN" 489 641
click() { e2e_click $(($1 * 3 / 2)) $(($2 * 3 / 2)); }
click 60 54  # the amount box
xdotool key ctrl+a
xdotool type --delay 50 '100'
xdotool key Return
xdotool mousemove 0 0
e2e_shot "$VALOMAT_WIN" docs/main-list-nl-150.png
click 227 17  # the options button
dialog=$(e2e_wait_window Voorkeuren)
[ -n "$dialog" ] || { echo "the options dialog did not open"; exit 1; }
xdotool mousemove 0 0
xdotool key ctrl+Tab
e2e_shot "$dialog" docs/options-results-nl-150.png
xdotool key ctrl+Tab
e2e_shot "$dialog" docs/options-fixed-nl-150.png
xdotool key Escape
e2e_close
ls -la docs/*-150.png

# The options dialog's pages.
bash scripts/screenshots-options.sh "$exe"
