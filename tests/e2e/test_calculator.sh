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

calculator_shown() { [ -n "$(e2e_visible Rekenmachine)" ]; }
calculator_gone() { ! calculator_shown; }
# box_is TEXT: the focused box holds TEXT (copied with Ctrl+A Ctrl+C, which only reads it).
box_is() {
  xdotool key ctrl+a ctrl+c
  wait_until 10 clipboard_is "$1"
}
calc_click() { e2e_client "$(e2e_visible Rekenmachine)" 246 187; e2e_click "$1" "$2"; }
main_click() { e2e_client "$VALOMAT_WIN" 326 427; e2e_click "$1" "$2"; }
open_calculator() {
  main_click 148 55  # the calculator button right of the amount box
  wait_until 10 calculator_shown
}
ok() { calc_click 66 47; wait_until 10 calculator_gone; }

# At start the amount box has the focus with its text selected: typing replaces it.
e2e_focus_toolbar
xdotool type --delay 30 '100'

opened=no
open_calculator && opened=yes
check "the calculator button opens the calculator" yes "$opened"
[ "$opened" = yes ] || { e2e_finish; exit 1; }
xdotool key ctrl+c  # the calculator copies its display
check "it shows the amount" yes "$(wait_until 10 clipboard_is 100 && echo yes || echo no)"
xdotool type --delay 30 '*3='
xdotool key ctrl+c
check "typed *3= computes" yes "$(wait_until 10 clipboard_is 300 && echo yes || echo no)"
calc_click 24 138  # MS
ok
main_click 60 55  # the amount box
check "OK puts the number into the amount box" yes "$(box_is 300 && echo yes || echo no)"
xdotool key Return  # commits; the result box gets the focus with its text selected
xdotool key ctrl+c
check "and it is converted" yes "$(wait_until 10 clipboard_is 7,44 && echo yes || echo no)"

# The memory lives on: Enter takes the focus back to the amount box, its text selected; a new
# amount, MR in the next opening, OK.
xdotool key Return
xdotool type --delay 30 '5'
opened=no
open_calculator && opened=yes
check "it opens again" yes "$opened"
[ "$opened" = yes ] || { e2e_finish; exit 1; }
calc_click 24 109  # MR
xdotool mousemove 0 0 key ctrl+c
check "MR recalls the memory" yes "$(wait_until 10 clipboard_is 300 && echo yes || echo no)"
shot=$PWD/e2e-calculator.png  # kept beside the build for a person to look at
e2e_crop "$(e2e_visible Rekenmachine)" "$shot"
echo "screenshot: $shot"
ok
main_click 60 55  # the amount box
check "the memory survived to the next opening" yes "$(box_is 300 && echo yes || echo no)"

e2e_close
e2e_finish
