#!/usr/bin/env bash
# The bank's reference rates as a person fetches them, in a fresh prefix and the English (UK)
# locale, from a real local web server (python3 -m http.server) that KoersenURL points at: the
# button on the variable-currency page fills the seven rate boxes and shows the file's day, OK,
# 100 USD become euro at the new rate, and at the end the registry holds the rates as doubles
# and the day. Then with the server stopped, and with a page that is no rates file, nothing
# changes and the line says so; and a local file path works like an address. At start the
# rates are fetched only when the user ticked the choice.
source "$(dirname "$0")/lib.sh"
exe=$1
E2E_INFO_TOOL="$(dirname "$exe")/window_info.exe"
e2e_tmp
e2e_fresh en_GB.UTF-8
printf '' | xclip -selection clipboard >/dev/null 2>&1  # a clean clipboard
k='Software\ZT\Valomat'

www=$E2E_DIR/www
mkdir -p "$www"
# A daily file in the bank's layout; the rates are made up.
sample="$(dirname "$0")/ecb-daily-sample.xml"
cp "$sample" "$www/eurofxref-daily.xml"
printf '<!DOCTYPE html><html><body><h1>Service unavailable</h1></body></html>\n' >"$www/busy.html"
sed -e 's/2026-12-04/2026-12-07/' -e "s/'1.0432'/'1.05'/" "$sample" >"$E2E_DIR/saved-daily.xml"

# serve: python3 -m http.server on a free port of this machine; sets PORT.
serve() {
  python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$www" >"$E2E_DIR/server.log" 2>&1 &
  SERVER_PID=$!
  wait_until 20 grep -q 'port [0-9]' "$E2E_DIR/server.log" || { echo "no server"; return 1; }
  PORT=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$E2E_DIR/server.log" | head -1)
}
unserve() {
  [ -n "${SERVER_PID:-}" ] || return 0
  kill "$SERVER_PID" 2>/dev/null || true
  wait "$SERVER_PID" 2>/dev/null || true
  SERVER_PID=""
}
trap 'unserve; e2e_cleanup' EXIT

# rates_from ADDRESS: KoersenURL for the next start (and 100 USD to EURO as the defaults).
rates_from() {
  reg_import <<EOF
[HKEY_CURRENT_USER\\Software\\ZT\\Valomat\\Decimalen]
"Geselecteerd19"=dword:00000001

[HKEY_CURRENT_USER\\Software\\ZT\\Valomat\\Algemeen]
"KoersenURL"="${1//\\/\\\\}"
"DefaultVanMunt"=dword:00000013
"DefaultNaarMunt"=dword:00000001
EOF
}

# rates_page: starts the program and opens the options dialog on the variable-currency page
# (open_rates_page: in the program running).
rates_page() {
  e2e_start "$exe" && open_rates_page
}
open_rates_page() {
  # The options button, the tenth place of the tool bar (the window is taller with USD listed).
  wait_info Valomat
  local origin; origin=$(head -1 "$E2E_DIR/info.txt" | sed 's/.* at //')
  xdotool mousemove $((${origin% *} + 227)) $((${origin#* } + 17)) click 1
  [ -n "$(e2e_wait_window Preferences)" ] || { echo "no options dialog"; return 1; }
  xdotool key --delay 120 ctrl+Tab ctrl+Tab ctrl+Tab
  wait_until 10 page_shows "Get &ECB rates" || { echo "no rates button"; return 1; }
}
# fetch EXPECTED_LINE: the rates page, the bank's button pressed, the line under it waited
# for; leaves the dialog open.
fetch() {
  rates_page || return 1
  click_text "Get &ECB rates"
  wait_until 30 page_shows "$1" || echo "the line never said [$1]"
}
page_shows() { wait_info Preferences && [ "$(shows "$1")" = yes ]; }
rate_boxes() {  # what the seven rate boxes of the last wait_info show, in page order
  local r out=""
  for r in "$@"; do out+="$(shows "$r") "; done
  echo "${out% }"
}
seven="yes yes yes yes yes yes yes"
close_dialog() {
  click_text "&OK"
  wait_until 10 no_window_named Preferences || echo "the dialog stayed"
}

# ---- from the web server: the rates arrive
serve
rates_from "http://127.0.0.1:$PORT/eurofxref-daily.xml"
fetch "ECB reference rates of 04/12/2026"
check "the line names the source and the file's day in the short date format" yes \
  "$(shows "ECB reference rates of 04/12/2026")"
check "the seven boxes show the file's rates" "$seven" \
  "$(rate_boxes 0.83105 11.4985 7.4598 11.7565 0.9351 1.0432 157.41)"
check "the old dollar rate is gone" no "$(shows 0.89)"
xdotool mousemove 0 0
e2e_crop "$(window_named Preferences)" "$PWD/e2e-ecb-rates.png"  # for a person to look at
close_dialog
# 100 USD, the default source, into euro, the default target: 100 / 1.0432 = 95.858...
e2e_focus
xdotool key ctrl+a
xdotool type --delay 30 '100'
xdotool key Return ctrl+c
check "100 USD in euro at the new rate" yes "$(yes_no wait_until 5 clipboard_is 95.86)"
e2e_close
reg_snapshot
for r in GBP:0.83105 SEK:11.4985 DKK:7.4598 NOK:11.7565 CHF:0.9351 USD:1.0432 JPY:157.41; do
  check "stored rate ${r%%:*}" "REG_BINARY $(hexdouble "${r#*:}")" "$(reg_get "$k\\Koers" "${r%%:*}")"
done
check "the rates' day is stored" "REG_SZ 2026-12-04" "$(reg_get "$k\\Koers" KoersDatum)"
check "the address stays" "REG_SZ http://127.0.0.1:$PORT/eurofxref-daily.xml" \
  "$(reg_get "$k\\Algemeen" KoersenURL)"
cp "$E2E_REG" "$E2E_DIR/after-fetch.txt"

# ---- the server stopped: nothing changes
unserve
fetch "Could not reach the ECB; rates unchanged"
check "no connection: the line says so" yes "$(shows "Could not reach the ECB; rates unchanged")"
check "no connection: the boxes keep the rates" "$seven" \
  "$(rate_boxes 0.83105 11.4985 7.4598 11.7565 0.9351 1.0432 157.41)"
close_dialog
e2e_close

# ---- a page that is no rates file: nothing changes
serve
rates_from "http://127.0.0.1:$PORT/busy.html"
fetch "ECB file not understood; rates unchanged"
check "an error page: the line says so" yes "$(shows "ECB file not understood; rates unchanged")"
check "an error page: the boxes keep the rates" "$seven" \
  "$(rate_boxes 0.83105 11.4985 7.4598 11.7565 0.9351 1.0432 157.41)"
close_dialog
e2e_close
unserve
reg_snapshot
check "after both failures the rates and the day are as they were" \
  "$(grep -v KoersenURL "$E2E_DIR/after-fetch.txt")" "$(grep -v KoersenURL "$E2E_REG")"

# ---- a file saved elsewhere, by its path
rates_from "$(winepath -w "$E2E_DIR/saved-daily.xml" 2>/dev/null | tr -d '\r')"
fetch "ECB reference rates of 07/12/2026"
check "a local file: its day" yes "$(shows "ECB reference rates of 07/12/2026")"
check "a local file: its dollar rate" yes "$(shows 1.05)"
close_dialog
e2e_close
reg_snapshot
check "a local file: the rate is stored" "REG_BINARY $(hexdouble 1.05)" "$(reg_get "$k\\Koers" USD)"
check "a local file: the day is stored" "REG_SZ 2026-12-07" "$(reg_get "$k\\Koers" KoersDatum)"

# ---- at start, only when asked: with old rates and the choice off (as it starts), the program
# shows its window and its dialog and asks the server nothing; ticked, the next start fetches
# the rates in the background, before the dialog is opened.
serve
rates_from "http://127.0.0.1:$PORT/eurofxref-daily.xml"
reg_import <<EOF
[HKEY_CURRENT_USER\\Software\\ZT\\Valomat\\Koers]
"KoersDatum"="2026-11-02"
EOF
requests() { grep -c 'GET /eurofxref-daily.xml' "$E2E_DIR/server.log" || true; }
requested() { [ "$(requests)" -ge 1 ]; }
rates_page
check "choice off: the old day is shown" yes "$(shows "ECB reference rates of 02/11/2026")"
click_text "Fetch the ECB rates at &start when they are older than a working day"
close_dialog
e2e_close
check "choice off: the server saw no request" 0 "$(requests)"
e2e_start "$exe"
check "choice on: the rates are fetched after the start" yes "$(yes_no wait_until 20 requested)"
open_rates_page
check "choice on: the dialog shows them" yes \
  "$(yes_no wait_until 20 page_shows "ECB reference rates of 04/12/2026")"
close_dialog
e2e_close
reg_snapshot
check "the choice is stored" "REG_DWORD 0x1" "$(reg_get "$k\\Algemeen" KoersenBijStart)"
check "choice on: the day is stored" "REG_SZ 2026-12-04" "$(reg_get "$k\\Koers" KoersDatum)"
unserve
e2e_finish
