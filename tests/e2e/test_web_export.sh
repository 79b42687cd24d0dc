#!/usr/bin/env bash
# Converts two amounts in valomat.exe, opens the result list from the tool bar and saves it as a
# web page and as text through the save dialog, as a person would; then checks the files.
source "$(dirname "$0")/lib.sh"
exe=$1
e2e_tmp
e2e_fresh nl_BE.UTF-8
e2e_start "$exe"
sleep 1.5  # the splash has gone by now

# The result-list button of the main window, in its client area.
PRINTLIST_X=190 PRINTLIST_Y=16

# Typing replaces the selected amount: from the start, and after Enter from the result box.
e2e_focus_toolbar
for amount in 100 2500; do
  xdotool type --delay 30 "$amount"
  xdotool key Return Return  # commits, then back to the amount box
done
e2e_focus "$PRINTLIST_X" "$PRINTLIST_Y"

wait_window() {  # wait_window NAME -> window id
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}
LIST_WIN=$(wait_window Resultatenlijst)
check "the result list is shown" yes "$([ -n "$LIST_WIN" ] && echo yes || echo no)"
[ -n "$LIST_WIN" ] || { e2e_finish; exit 1; }

# save_as UPS FILE EXT: chooses a save command from the list's context menu by keys (Up from
# the top wraps to the last item: once for the web page, twice for text), then types the path
# without extension into the save dialog.
save_as() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$LIST_WIN")"
  xdotool mousemove $((X + 300)) $((Y + 250)) click 1  # empty list area: selects nothing
  sleep 0.3
  xdotool key shift+F10
  sleep 0.5
  for _ in $(seq "$1"); do xdotool key Up; done
  xdotool key Return
  local dialog; dialog=$(wait_window 'Resultaten opslaan')
  [ -n "$dialog" ] || { echo "no save dialog"; return 1; }
  sleep 0.5
  xdotool type --delay 20 "Z:${2//\//\\}"
  xdotool key Return
  for _ in $(seq 50); do [ -s "$2.$3" ] && break; sleep 0.1; done
  sleep 0.3
}

out="$E2E_DIR/out"
mkdir -p "$out"
save_as 1 "$out/koers" htm || true
page="$out/koers.htm"
check "web page written with the default extension" yes "$([ -s "$page" ] && echo yes || echo no)"
check "page opens with the html line" "<html>" "$(head -1 "$page" 2>/dev/null | tr -d '\r')"
check "lines end in CR LF" 0 "$(grep -avc $'\r$' "$page" 2>/dev/null || true)"
check "rows of both entries" 2 "$(grep -ac '^<tr>' "$page" 2>/dev/null || true)"
check "flag cells refer to the picture folder" 2 "$(grep -ac '^<img src="images/BEF.BMP">' "$page" 2>/dev/null || true)"
check "one picture per currency" "BEF.BMP EURO.BMP" "$(ls "$out/images" 2>/dev/null | sort | xargs)"
check "pictures are bitmaps" BM "$(head -c 2 "$out/images/BEF.BMP" 2>/dev/null)"
check "euro sign as the ANSI byte 0x80" 2 "$(grep -ac $'^\x80\r$' "$page" 2>/dev/null || true)"

save_as 2 "$out/koers" txt || true
check "text lines" "$(printf '100,frank,BEF,BF,2,48,euro,EURO,\x80\r\n2.500,frank,BEF,BF,61,97,euro,EURO,\x80\r\n')" \
  "$(cat "$out/koers.txt" 2>/dev/null)"

e2e_close
e2e_finish
