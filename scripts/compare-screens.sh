#!/usr/bin/env bash
# Compares what two builds of valomat.exe show, pixel for pixel: the splash, the main window in
# list view and in compact view, the options dialog's four pages, the own-currencies dialog and
# the calculator, each taken the same way from each build in a fresh Wine prefix on a virtual
# display (Dutch locale, the pointer away, the caret kept from blinking). Writes the pictures to
# build/screens/{before,after}/ and, where they differ, a picture of the differing pixels in red
# (build/screens/diff-NAME.png); prints the number of differing pixels of each pair
# (ImageMagick's `compare -metric AE`) and fails when any pair differs.
#
#   scripts/compare-screens.sh BEFORE.exe [AFTER.exe]
set -euo pipefail
cd "$(dirname "$0")/.."
before=$(realpath "$1")
after=$(realpath "${2:-build/windows/valomat.exe}")
out=$PWD/build/screens
source tests/e2e/lib.sh
e2e_tmp
clock=$PWD/build/windows/window_clock
if [ ! -x "$clock" ] || [ tests/e2e/window_clock.c -nt "$clock" ]; then
  cc -O2 -o "$clock" tests/e2e/window_clock.c -lX11
fi

# capture EXE FOLDER
capture() {
  local folder=$2
  mkdir -p "$folder"
  e2e_fresh nl_BE.UTF-8
  # The caret blinks every half second, which no two pictures would agree on: here it blinks
  # once a minute, so that it shows in every picture.
  reg_import <<'EOF'
[HKEY_CURRENT_USER\Control Panel\Desktop]
"CursorBlinkRate"="60000"
EOF
  # The splash lives a second, and the main window covers it once it shows (Wine without a
  # window manager): the window clock takes its picture the moment it is drawn.
  rm -f "$E2E_DIR/splash.ppm"
  WINDOW_CLOCK_GRAB="$E2E_DIR/splash.ppm" "$clock" 300000 'Valomat 2.81' -- wine "$1" \
    >/dev/null 2>&1 &
  VALOMAT_PID=$!
  wait_until 20 test -s "$E2E_DIR/splash.ppm"
  convert "$E2E_DIR/splash.ppm" -strip "$folder/splash.png" 2>/dev/null || true
  wait_until 30 window_shown Valomat
  VALOMAT_WIN=$(window_named Valomat)
  wait_until 15 no_window_named 'Valomat 2.81'
  e2e_client "$VALOMAT_WIN" 326 427
  xdotool mousemove 0 0
  e2e_shot "$VALOMAT_WIN" "$folder/main-list.png"
  e2e_click 126 17  # the list button: compact view
  xdotool mousemove 0 0
  e2e_shot "$VALOMAT_WIN" "$folder/main-compact.png"
  e2e_click 126 17
  xdotool mousemove 0 0

  e2e_click 148 54  # the calculator button beside the amount
  local calculator
  calculator=$(e2e_wait_window Rekenmachine)
  xdotool mousemove 0 0
  e2e_shot "$calculator" "$folder/calculator.png"
  xdotool key alt+F4
  wait_until 10 no_window_named Rekenmachine

  e2e_click 227 17  # the options button
  local dialog
  dialog=$(e2e_wait_window Voorkeuren)
  xdotool mousemove 0 0
  for page in general results fixed variable; do
    [ "$page" = general ] || xdotool key ctrl+Tab
    e2e_shot "$dialog" "$folder/options-$page.png"
  done
  # The variable page's button for the own currencies, below the last row.
  e2e_client "$dialog" 402 472
  e2e_click 69 334
  local own
  own=$(e2e_wait_window 'Definiëer de munten')
  xdotool mousemove 0 0
  e2e_shot "$own" "$folder/own-currencies.png"
  xdotool key alt+F4
  wait_until 10 no_window_named 'Definiëer de munten'
  click_in "$dialog" 30 8  # its caption: the keys go to the dialog again
  xdotool key Escape
  wait_until 10 no_window_named Voorkeuren
  e2e_close
}

rm -rf "$out"
capture "$before" "$out/before"
capture "$after" "$out/after"
status=0
for picture in "$out"/before/*.png; do
  name=$(basename "$picture" .png)
  [ "$name" = splash ] && continue
  differ=$(compare -metric AE "$picture" "$out/after/$name.png" "$out/diff-$name.png" 2>&1 || true)
  echo "$name: $differ pixels differ"
  if [ "$differ" = 0 ]; then rm -f "$out/diff-$name.png"; else status=1; fi
done
# The splash as it is first drawn, against the whole splash as docs/splash-nl.png shows it: a
# build whose splash comes in parts differs there.
for build in before after; do
  differ=$(compare -metric AE "$out/$build/splash.png" docs/splash-nl.png \
    "$out/diff-splash-$build.png" 2>&1 || true)
  echo "splash of the $build build, first drawn, against docs/splash-nl.png: $differ pixels differ"
  [ "$differ" = 0 ] && rm -f "$out/diff-splash-$build.png"
done
[ "$differ" = 0 ] || status=1
exit "$status"
