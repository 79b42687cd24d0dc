#!/usr/bin/env bash
# The program started on screens of 150 % and 200 % (the prefix's LogPixels at 144 and 192), as a
# person would: the main window, the options dialog, the calculator and the About box open at
# their 96-DPI client sizes scaled, as the system measures them from outside.
source "$(dirname "$0")/lib.sh"
exe=$1
E2E_INFO_TOOL="$(dirname "$exe")/window_info.exe"
e2e_tmp

client_of() { wait_info "$1" && head -1 "$E2E_DIR/info.txt" | cut -d' ' -f2; }
# at X Y: a point of the main window's client area given in 96-DPI figures, scaled.
at() { echo $((ORIGIN_X + $1 * DPI / 96)) $((ORIGIN_Y + $2 * DPI / 96)); }

run() {  # run DPI MAIN OPTIONS CALCULATOR ABOUT (the client sizes expected)
  DPI=$1
  e2e_fresh nl_BE.UTF-8
  reg_import <<EOF2
[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:$(printf '%08x' "$DPI")
EOF2
  e2e_start "$exe"
  check "$DPI DPI: main window" "$2" "$(client_of Valomat)"
  local origin; origin=$(head -1 "$E2E_DIR/info.txt" | sed 's/.* at //')
  ORIGIN_X=${origin% *} ORIGIN_Y=${origin#* }

  xdotool mousemove $(at 227 17) click 1  # the options button
  check "$DPI DPI: options dialog" "$3" "$(client_of Voorkeuren)"
  xdotool key Escape
  wait_until 10 no_window_named Voorkeuren

  xdotool mousemove $(at 148 55) click 1  # the calculator button beside the amount
  check "$DPI DPI: calculator" "$4" "$(client_of Rekenmachine)"
  xdotool key alt+F4
  wait_until 10 no_window_named Rekenmachine

  xdotool mousemove $(at 258 16) click 1  # the information button
  check "$DPI DPI: About box" "$5" "$(client_of Info)"
  xdotool key Return
  wait_until 10 no_window_named Info
  e2e_close
}

# 96-DPI sizes: 326x427, 402x472, 246x187, 430x271.
run 144 489x641 603x708 369x281 645x407
run 192 652x854 804x944 492x374 860x542
e2e_finish
