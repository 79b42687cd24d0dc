#!/usr/bin/env bash
# Converts two amounts from an own currency to BEF in valomat.exe, opens the result list from the
# tool bar and saves it as a web page and as text through the save dialog, as a person would;
# then checks the files. The own currency's name and symbol are outside the ANSI code page and
# its code differs from BEF's only in case. The page is saved once more into a folder and file
# named beyond ASCII (C:\résultats\koers €.htm), given to the dialog. A second run saves over
# an old page while every file write beyond 1 KiB fails, as on a full disk: the old page must
# stay.
source "$(dirname "$0")/lib.sh"
exe=$1
E2E_INFO_TOOL="$(dirname "$exe")/window_info.exe"
e2e_tmp
e2e_fresh nl_BE.UTF-8
convert -size 20x20 xc:green "BMP3:$E2E_DIR/own.bmp"
own_picture="Z:${E2E_DIR//\//\\\\}\\\\own.bmp"  # a .reg file doubles every backslash
reg_import <<EOF
[HKEY_CURRENT_USER\\Software\\ZT\\Valomat\\EigenMunten]
"EigenMunt1"="złoty"
"EigenMunteenheid1"="bef"
"EigenSymbool1"="zł€"
"EigenBitmap1"="$own_picture"

[HKEY_CURRENT_USER\\Software\\ZT\\Valomat\\Decimalen]
"Geselecteerd21"=dword:00000001

[HKEY_CURRENT_USER\\Software\\ZT\\Valomat\\Algemeen]
"DefaultVanMunt"=dword:00000015
"DefaultNaarMunt"=dword:00000002
EOF

# The result-list button of the main window, and the save buttons of the list's tool bar.
PRINTLIST_X=191 PRINTLIST_Y=39
SAVE_TEXT_X=151 SAVE_PAGE_X=173 LIST_TOOLS_Y=34

# convert_amount AMOUNT RESULT: types the amount over the amount box's selected text, commits it
# with Enter (which records it in the result list) and copies the result box, whose text shows
# that the commit has happened; Enter there goes back to the amount box, its text selected.
convert_amount() {
  xdotool type --delay 30 "$1"
  xdotool key Return ctrl+c
  wait_until 10 clipboard_is "$2" || true
  check "$1 converted" "$2" "$(clipboard)"
  xdotool key Return
}

open_list() {
  click_in "$VALOMAT_WIN" "$PRINTLIST_X" "$PRINTLIST_Y"
  wait_until 10 window_shown Resultatenlijst || true
  LIST_WIN=$(window_named Resultatenlijst || true)
  [ -n "$LIST_WIN" ] && { wait_until 10 has_focus "$LIST_WIN" || true; }
  check "the result list is shown" yes "$([ -n "$LIST_WIN" ] && echo yes || echo no)"
  [ -n "$LIST_WIN" ]
}

# save_as BUTTON_X FILE [replace]: clicks a save button of the list and gives the save dialog
# the Windows path without extension; with "replace", the file exists, the dialog asks
# first, and the answer is Yes.
save_as() {
  # A click that reaches the list while it is still being placed is lost: clicked again.
  local try
  for try in 1 2 3; do
    click_in "$LIST_WIN" "$1" "$LIST_TOOLS_Y"
    wait_until 4 window_shown 'Resultaten opslaan' && break
  done
  window_shown 'Resultaten opslaan' || { echo "no save dialog"; return 1; }
  local dialog; dialog=$(window_named 'Resultaten opslaan')
  wait_until 10 has_focus "$dialog" || true
  paste_text 'Resultaten opslaan' "$2" || true
  xdotool key Return
  if [ "${3:-}" = replace ]; then
    # The question comes in a box of its own, which takes the focus from the dialog.
    wait_until 10 eval '! has_focus "$dialog"' || true
    check "the dialog asks before replacing a file" yes "$(has_focus "$dialog" && echo no || echo yes)"
    xdotool key alt+j alt+y  # Ja (Dutch Wine) or Yes
  fi
  wait_until 10 no_window_named 'Resultaten opslaan' || echo "the save dialog stayed"
}

# The message box of the application's errors (titled like the main window).
error_box() {
  xdotool search --onlyvisible --name '^Valomat$' 2>/dev/null | grep -vx "$VALOMAT_WIN" | head -1
}
has_error_box() { [ -n "$(error_box)" ]; }

out="$E2E_DIR/out"
mkdir -p "$out"
e2e_start "$exe"
e2e_focus_toolbar
convert_amount 100 4.034
convert_amount 2500 100.850
open_list || { e2e_finish; exit 1; }

# on_z PATH: the Linux path as Windows sees it on drive Z.
on_z() { printf 'Z:%s' "${1//\//\\}"; }

save_as "$SAVE_PAGE_X" "$(on_z "$out/koers")"
page="$out/koers.htm"
wait_until 10 test -s "$page" || true
check "web page written with the default extension" yes "$([ -s "$page" ] && echo yes || echo no)"
check "page opens with the html line" "<html>" "$(head -1 "$page" 2>/dev/null | tr -d '\r')"
check "lines end in CR LF" 0 "$(grep -avc $'\r$' "$page" 2>/dev/null || true)"
check "rows of both entries" 2 "$(grep -ac '^<tr>' "$page" 2>/dev/null || true)"
check "plain ASCII" 0 "$(LC_ALL=C grep -ac $'[\x80-\xff]' "$page" 2>/dev/null || true)"
check "name as references" 2 "$(grep -ac '^z&#322;oty'$'\r''$' "$page" 2>/dev/null || true)"
check "symbol with the euro sign as references" 2 \
  "$(grep -ac '^z&#322;&#8364;'$'\r''$' "$page" 2>/dev/null || true)"
check "BEF's flag" 2 "$(grep -ac '^<img src="images/BEF.BMP">' "$page" 2>/dev/null || true)"
check "bef's own picture" 2 "$(grep -ac '^<img src="images/bef_2.BMP">' "$page" 2>/dev/null || true)"
check "one picture per code" "BEF.BMP bef_2.BMP" "$(ls "$out/images" 2>/dev/null | LC_ALL=C sort | xargs)"
check "pictures are bitmaps" BM "$(head -c 2 "$out/images/bef_2.BMP" 2>/dev/null)"
check "two different pictures" yes \
  "$(cmp -s "$out/images/BEF.BMP" "$out/images/bef_2.BMP" && echo no || echo yes)"

save_as "$SAVE_TEXT_X" "$(on_z "$out/koers")"
wait_until 10 test -s "$out/koers.txt" || true
check "text as UTF-8 with a byte-order mark, nothing changed" \
  "$(printf '\xEF\xBB\xBF100,00,złoty,bef,zł€,4.034,frank,BEF,BF\r\n2.500,00,złoty,bef,zł€,100.850,frank,BEF,BF\r\n')" \
  "$(cat "$out/koers.txt" 2>/dev/null)"

# Characters beyond ASCII on the whole road: into the save dialog, through the program's
# wide calls and Wine, to the Linux file names.
drive_c="$WINEPREFIX/drive_c"
mkdir -p "$drive_c/résultats"
save_as "$SAVE_PAGE_X" 'C:\résultats\koers €'
wait_until 10 test -s "$drive_c/résultats/koers €.htm" || true
check "a page in a folder and file named beyond ASCII" "images koers €.htm" \
  "$(ls "$drive_c/résultats" 2>/dev/null | LC_ALL=C sort | xargs)"
check "its pictures beside it" "BEF.BMP bef_2.BMP" \
  "$(ls "$drive_c/résultats/images" 2>/dev/null | LC_ALL=C sort | xargs)"
check "the same page" "" "$(cmp "$page" "$drive_c/résultats/koers €.htm" 2>&1)"
e2e_close

# Every write beyond 1 KiB fails in this run (the Wine server, started first, is not limited).
printf 'old page\r\n' >"$out/keep.htm"
wineserver -p2
E2E_FILE_LIMIT_KB=1 e2e_start "$exe"
e2e_focus_toolbar
convert_amount 100 4.034
convert_amount 2500 100.850
open_list || { e2e_finish; exit 1; }
save_as "$SAVE_PAGE_X" "$(on_z "$out/keep")" replace
wait_until 10 has_error_box || true
check "the failed write is reported" yes "$(has_error_box && echo yes || echo no)"
check "the old page is kept" "$(printf 'old page\r\n')" "$(cat "$out/keep.htm")"
check "no file is left behind" "images keep.htm koers.htm koers.txt" "$(ls "$out" | LC_ALL=C sort | xargs)"
box=$(error_box || true)
# The box may go before the key reaches it (the program ending it first); that is no failure.
[ -n "$box" ] && { xdotool key --window "$box" Return 2>/dev/null || true; wait_until 10 eval '! has_error_box' || true; }
e2e_close
e2e_finish
