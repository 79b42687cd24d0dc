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

# shot WINDOW FILE: the window's picture once two in a row agree (what was asked is painted).
shot() {
  local previous="$E2E_DIR/previous.png"
  rm -f "$previous"
  for _ in $(seq 40); do
    sleep 0.3
    e2e_crop "$1" "$2"
    cmp -s "$2" "$previous" && return 0
    cp "$2" "$previous"
  done
  echo "no steady picture of $2"
}

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
  # The splash lives a second: pictures of its window alone (quicker than of the screen) until
  # one is not black, which a window is until Wine has put what it drew on the screen.
  e2e_launch "$1"
  wait_until 10 window_shown 'Valomat 2.81'
  for _ in $(seq 20); do
    import -window "$(window_named 'Valomat 2.81')" -strip "$folder/splash.png" 2>/dev/null || true
    [ "$(convert "$folder/splash.png" -format '%[fx:mean>0.2]' info: 2>/dev/null)" = 1 ] && break
    sleep 0.03
  done
  wait_until 30 window_shown Valomat
  VALOMAT_WIN=$(window_named Valomat)
  wait_until 15 no_window_named 'Valomat 2.81'
  e2e_client "$VALOMAT_WIN" 326 427
  xdotool mousemove 0 0
  shot "$VALOMAT_WIN" "$folder/main-list.png"
  e2e_click 126 17  # the list button: compact view
  xdotool mousemove 0 0
  shot "$VALOMAT_WIN" "$folder/main-compact.png"
  e2e_click 126 17
  xdotool mousemove 0 0

  e2e_click 148 54  # the calculator button beside the amount
  local calculator
  calculator=$(e2e_wait_window Rekenmachine)
  xdotool mousemove 0 0
  shot "$calculator" "$folder/calculator.png"
  xdotool key alt+F4
  wait_until 10 no_window_named Rekenmachine

  e2e_click 227 17  # the options button
  local dialog
  dialog=$(e2e_wait_window Voorkeuren)
  xdotool mousemove 0 0
  for page in general results fixed variable; do
    [ "$page" = general ] || xdotool key ctrl+Tab
    shot "$dialog" "$folder/options-$page.png"
  done
  # The variable page's button for the own currencies, below the last row.
  e2e_client "$dialog" 402 472
  e2e_click 69 334
  local own
  own=$(e2e_wait_window 'Defini..?er de munten')
  xdotool mousemove 0 0
  shot "$own" "$folder/own-currencies.png"
  xdotool key alt+F4
  wait_until 10 no_window_named 'Defini..?er de munten'
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
  differ=$(compare -metric AE "$picture" "$out/after/$name.png" "$out/diff-$name.png" 2>&1 || true)
  echo "$name: $differ pixels differ"
  if [ "$differ" = 0 ]; then rm -f "$out/diff-$name.png"; else status=1; fi
done
exit "$status"
