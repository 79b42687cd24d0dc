#!/usr/bin/env bash
# The calculator as a person uses it, in a fresh prefix and the Dutch (Belgium) locale: the
# button beside the amount box opens it with the amount, typed keys compute, OK puts the number
# back into the amount box (which converts it), and the memory lives on to the next opening.
source "$(dirname "$0")/lib.sh"
exe=$1
e2e_tmp
e2e_fresh nl_BE.UTF-8
printf '' | xclip -selection clipboard >/dev/null 2>&1
e2e_start "$exe"

paste() { timeout 2 xclip -o -selection clipboard 2>/dev/null || true; }
# wait_until COMMAND...: runs it every 50 ms until it succeeds, for at most 10 s.
wait_until() {
  for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done
  return 1
}
clipboard_is() { [ "$(paste)" = "$1" ]; }
# The splash is gone when only the main window is left with the title.
splash_gone() { [ "$(xdotool search --onlyvisible --name '^Valomat$' | wc -l)" = 1 ]; }
calculator_shown() {
  CALC_WIN=$(xdotool search --onlyvisible --name '^Rekenmachine$' 2>/dev/null | head -1 || true)
  [ -n "$CALC_WIN" ]
}
calculator_gone() { ! calculator_shown; }
# Copies the focused box's text with Ctrl+A Ctrl+C and waits for it on the clipboard.
box_is() {
  xdotool key ctrl+a ctrl+c
  wait_until clipboard_is "$1"
}
# Without a window manager Wine draws the frames inside the X windows: clicks are placed in the
# client areas. calc_click X Y: at a point of the calculator's 246 x 187 client area.
calc_click() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$CALC_WIN")"
  local border=$(( (WIDTH - 246) / 2 ))
  xdotool mousemove $((X + border + $1)) $((Y + HEIGHT - 187 - border + $2)) click 1
}
# main_click X Y: at a point of the main window's client area (326 wide, below a caption of
# 18 pixels when there is a frame, as measured under Wine 8).
main_click() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$VALOMAT_WIN")"
  local border=$(( (WIDTH - 326) / 2 ))
  local top=$(( border > 0 ? border + 18 : 0 ))
  xdotool mousemove $((X + border + $1)) $((Y + top + $2)) click 1
}
amount_box() { main_click 60 55; }
open_calculator() {
  main_click 148 55  # the calculator button right of the amount box
  wait_until calculator_shown
}
ok() { calc_click 66 47; wait_until calculator_gone; }

check "splash gone" yes "$(wait_until splash_gone && echo yes || echo no)"
amount_box
xdotool key ctrl+a
xdotool type --delay 30 '100'

opened=no
open_calculator && opened=yes
check "the calculator button opens the calculator" yes "$opened"
[ "$opened" = yes ] || { e2e_finish; exit 1; }
xdotool key ctrl+c  # the calculator copies its display
check "it shows the amount" yes "$(wait_until clipboard_is 100 && echo yes || echo no)"
xdotool type --delay 30 '*3='
xdotool key ctrl+c
check "typed *3= computes" yes "$(wait_until clipboard_is 300 && echo yes || echo no)"
calc_click 24 138  # MS
ok
amount_box
check "OK puts the number into the amount box" yes "$(box_is 300 && echo yes || echo no)"
xdotool key Return  # commits; the result box gets the focus with its text selected
xdotool key ctrl+c
check "and it is converted" yes "$(wait_until clipboard_is 7,44 && echo yes || echo no)"

# The memory lives on: a new amount, MR in the next opening, OK.
amount_box
xdotool key ctrl+a
xdotool type --delay 30 '5'
opened=no
open_calculator && opened=yes
check "it opens again" yes "$opened"
[ "$opened" = yes ] || { e2e_finish; exit 1; }
calc_click 24 109  # MR
xdotool mousemove 0 0 key ctrl+c
check "MR recalls the memory" yes "$(wait_until clipboard_is 300 && echo yes || echo no)"
shot=$PWD/e2e-calculator.png  # kept beside the build for a person to look at
{
  eval "$(xdotool getwindowgeometry --shell "$CALC_WIN")"
  import -window root "$E2E_DIR/screen.png"
  convert "$E2E_DIR/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$shot"
}
echo "screenshot: $shot"
ok
amount_box
check "the memory survived to the next opening" yes "$(box_is 300 && echo yes || echo no)"

e2e_close
e2e_finish
