#!/usr/bin/env bash
# The About box as a person meets it, in a fresh prefix, in Dutch and then in English: the
# information button opens it with its texts, "Meer info" asks the shell for the read-me page
# in the program's folder, OK closes it. The shell request is caught through VALOMAT_SHELL_LOG
# (the program appends it to that file instead of opening a browser).
source "$(dirname "$0")/lib.sh"
exe=$1
E2E_INFO_TOOL="$(dirname "$exe")/window_info.exe"
e2e_tmp

info_gone() { ! read_info "$1"; }

run() {  # run LOCALE LANG CAPTION VERSION MORE_INFO README
  local caption=$3
  e2e_fresh "$1"
  export VALOMAT_SHELL_LOG="Z:$E2E_DIR/shell.log"
  rm -f "$E2E_DIR/shell.log"
  e2e_start "$exe"
  # The tool bar's information button, in the main window's client area.
  wait_info Valomat
  local origin; origin=$(head -1 "$E2E_DIR/info.txt" | sed 's/.* at //')
  xdotool mousemove $((${origin% *} + 258)) $((${origin#* } + 16)) click 1
  wait_info "$caption" || { echo "FAIL: no window [$caption]"; E2E_FAILURES=$((E2E_FAILURES + 1)); return; }
  check "$2: client area" "client 430x271" "$(head -1 "$E2E_DIR/info.txt" | cut -d' ' -f1-2)"
  for text in "$4" "$5" "&OK" "Valomat" "Leuven, België" "info@valomat.example" \
              "https://www.valomat.example"; do
    check "$2: shows [$text]" yes "$(shows "$text")"
  done
  check "$2: the news button stays hidden" no "$(shows "$( [ "$2" = nl ] && echo 'Laatste nieuws' || echo 'Latest news')")"
  xdotool mousemove 0 0
  sleep 0.5
  import -window root "$E2E_DIR/screen.png"
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$(window_named "$caption")")"
  convert "$E2E_DIR/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip \
    "$PWD/e2e-about-$2.png"  # kept beside the build for a person to look at

  click_text "$5"
  wait_until 5 test -s "$E2E_DIR/shell.log" || true
  local folder; folder=$(winepath -w "$(dirname "$(readlink -f "$exe")")" 2>/dev/null | tr -d '\r')
  check "$2: read-me asked of the shell" "open|$6||${folder%\\}\\|normal" \
    "$(tr -d '\r' <"$E2E_DIR/shell.log")"

  click_text "&OK"
  check "$2: OK closes the box" yes "$(yes_no wait_until 5 info_gone "$caption")"
  e2e_close
}

run nl_BE.UTF-8 nl "Info" "Versie 2.81 / Juli 2002" "&Meer info" "Valomat_Leesmij.htm"
run en_GB.UTF-8 en "About" "Version 2.81 / July 2002" "&More info" "Valomat_Readme.htm"
e2e_finish
