#!/usr/bin/env bash
# Regenerates the pictures of the program on a screen of 150 % in docs/: the main window in list
# view with an amount converted, and the options dialog's results and fixed-currency pages, in
# Dutch, in a fresh Wine prefix whose LogPixels is 144, on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:-$PWD/build/windows/valomat.exe}
export VALOMAT_XVFB_DISPLAY=${VALOMAT_XVFB_DISPLAY:-95}
unset DISPLAY
source tests/e2e/lib.sh
e2e_tmp
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
# A window's picture once two in a row agree (what was asked is painted).
settled() {  # settled WINDOW OUT
  local previous="$E2E_DIR/previous.png"
  rm -f "$previous"
  for _ in $(seq 40); do
    sleep 0.25
    e2e_crop "$1" "$2"
    cmp -s "$2" "$previous" && return 0
    cp "$2" "$previous"
  done
}
click 60 17  # the amount box, which selects its text
xdotool type --delay 50 '100'
xdotool key Return
xdotool mousemove 0 0
settled "$VALOMAT_WIN" docs/main-list-nl-150.png
click 227 17  # the options button
dialog=$(e2e_wait_window Voorkeuren)
[ -n "$dialog" ] || { echo "the options dialog did not open"; exit 1; }
xdotool mousemove 0 0
xdotool key ctrl+Tab
settled "$dialog" docs/options-results-nl-150.png
xdotool key ctrl+Tab
settled "$dialog" docs/options-fixed-nl-150.png
xdotool key Escape
e2e_close
ls -la docs/*-150.png
