#!/usr/bin/env bash
# The program's shell as a person meets it: a clipboard tool that joined the viewer chain before
# Valomat keeps hearing of copies after Valomat has ended; with "start minimised" Valomat starts
# in the tray and comes back by a double-click on its icon or by Open in the tray menu; exiting
# from the tray menu keeps the window's position for the next start and leaves no icon behind.
source "$(dirname "$0")/lib.sh"
exe=$1
viewer="$(dirname "$exe")/clipboard_viewer.exe"
e2e_tmp

copy() { printf '%s' "$1" | xclip -selection clipboard >/dev/null 2>&1; }

# ---- the viewer chain outlives Valomat
e2e_fresh nl_BE.UTF-8
copy ""
wine "$viewer" >"$E2E_DIR/viewer.log" 2>/dev/null &
viewer_pid=$!
wait_until 20 grep -qx joined "$E2E_DIR/viewer.log" || echo "the viewer did not start"
e2e_start "$exe"
copy VL100
check "Valomat converts in the chain" yes "$(yes_no wait_until 10 clipboard_is 2,48)"
e2e_exit
copy "na afloop"
check "the viewer joined before Valomat hears the copy after it ended" yes \
  "$(yes_no wait_until 10 grep -qx 'na afloop' "$E2E_DIR/viewer.log")"
kill "$viewer_pid" 2>/dev/null || true
wait "$viewer_pid" 2>/dev/null || true
wineserver -w

# ---- start minimised into the tray, back again, exit from the tray menu
e2e_fresh nl_BE.UTF-8
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\ZT\\Valomat\\Algemeen]\r\n"Minimalizeren"=dword:00000001\r\n\r\n[HKEY_CURRENT_USER\\Software\\ZT\\Valomat\\Positie]\r\n"Links"=dword:00000064\r\n"Boven"=dword:000000c8\r\n' \
  >"$E2E_DIR/start.reg"
wine reg import "$(winepath -w "$E2E_DIR/start.reg")" >/dev/null 2>&1
wineserver -w

tray_icon() {  # tray_icon BUTTON [REPEAT]: clicks Valomat's icon, the first in the tray
  local X Y WIDTH HEIGHT SCREEN WINDOW tray
  tray=$(e2e_visible 'Wine System Tray')
  [ -n "$tray" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  xdotool mousemove $((X + 12)) $((Y + 32)) click --repeat "${2:-1}" --delay 100 "$1"
}
tray_menu_shown() {  # the window id of the open tray menu: the program's only untitled window
  local w
  for w in $(xdotool search --onlyvisible --classname valomat 2>/dev/null); do
    [ -z "$(xdotool getwindowname "$w")" ] && { echo "$w"; return 0; }
  done
  return 1
}
tray_menu() {  # tray_menu first|last: the first (Open) or last (Exit) item of the tray menu
  tray_icon 3 || return 1
  local menu X Y WIDTH HEIGHT SCREEN WINDOW
  wait_until 5 tray_menu_shown >/dev/null || { echo "no tray menu" >&2; return 1; }
  menu=$(tray_menu_shown)
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  if [ "$1" = first ]; then
    xdotool mousemove $((X + 40)) $((Y + 13)) click 1
  else
    xdotool mousemove $((X + 40)) $((Y + HEIGHT - 13)) click 1
  fi
}
# again_until "ACTION" CONDITION...: does ACTION until CONDITION holds, three times at most. On a
# busy machine two clicks can come too far apart to make a double-click, and a click can reach a
# menu that is not yet tracking the mouse: a person would simply try again.
again_until() {
  local action=$1; shift
  for _ in 1 2 3; do
    $action || true
    wait_until 5 "$@" && return 0
  done
  return 1
}
main_shown() { [ -n "$(e2e_visible Valomat)" ]; }
main_hidden_in_tray() { [ -z "$(e2e_visible Valomat)" ] && [ -n "$(e2e_visible 'Wine System Tray')" ]; }
no_tray() { [ -z "$(e2e_visible 'Wine System Tray')" ]; }
main_position() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$(e2e_visible Valomat)")"
  echo "$X,$Y"
}
minimise() {  # the minimise box in the caption, as a person clicks it
  local X Y WIDTH HEIGHT SCREEN WINDOW main
  main=$(e2e_visible Valomat)
  [ -n "$main" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + WIDTH - 49)) $((Y + 11)) click 1
}

e2e_launch "$exe"
check "started minimised into the tray" yes "$(yes_no wait_until 20 main_hidden_in_tray)"
check "a double-click on the icon brings the window back" yes \
  "$(yes_no again_until "tray_icon 1 2" main_shown)"
check "at its saved position" "100,200" "$(main_shown && main_position)"
minimise || true
check "minimised into the tray again" yes "$(yes_no wait_until 10 main_hidden_in_tray)"
check "Open in the tray menu brings it back" yes "$(yes_no again_until "tray_menu first" main_shown)"
minimise || true
wait_until 10 main_hidden_in_tray || true
again_until "tray_menu last" program_ended || true
e2e_wait_exit || true
check "Exit in the tray menu leaves no icon behind" yes \
  "$(yes_no wait_until 10 no_tray)"
wineserver -w
reg_snapshot
check "the normal position is saved" "REG_DWORD 0x64 REG_DWORD 0xc8" \
  "$(reg_get 'Software\ZT\Valomat\Positie' Links) $(reg_get 'Software\ZT\Valomat\Positie' Boven)"

wine reg add 'HKCU\Software\ZT\Valomat\Algemeen' /v Minimalizeren /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
e2e_start "$exe"
check "the next start opens at the same position" "100,200" "$(main_position)"
e2e_close
e2e_finish
