#!/usr/bin/env bash
# Regenerates the options dialog's pictures in docs/: its four pages in Dutch, then the results
# page after switching the language to English and to French, all by keyboard as a person would,
# in a fresh Wine prefix on a virtual display; then, in the English (UK) locale, the
# variable-currency page after the bank's rates were fetched from a saved file.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:-$PWD/build/windows/valomat.exe}
export VALOMAT_XVFB_DISPLAY=${VALOMAT_XVFB_DISPLAY:-95}
unset DISPLAY
source tests/e2e/lib.sh
e2e_tmp
e2e_fresh nl_BE.UTF-8
e2e_start "$exe"
e2e_client "$VALOMAT_WIN" 326 427  # the main window at a first start
e2e_click 227 17                    # its options button
dialog=$(e2e_wait_window Voorkeuren)
[ -n "$dialog" ] || { echo "the options dialog did not open"; exit 1; }
xdotool mousemove 0 0
# A picture of the dialog once it differs from the one before (the page has switched) and two
# screenshots in a row agree (a page built on its first showing is painted).
before="$E2E_DIR/before.png"
settled() {  # settled OUT
  local previous="$E2E_DIR/previous.png"
  rm -f "$previous"
  for _ in $(seq 80); do
    e2e_crop "$dialog" "$1"
    if ! cmp -s "$1" "$before" && cmp -s "$1" "$previous"; then break; fi
    cp "$1" "$previous"
    sleep 0.25
  done
  cp "$1" "$before"
}
# The focus starts on the tabs; Ctrl+Tab goes to the next page.
for page in general results fixed variable; do
  settled "docs/options-$page-nl.png"
  xdotool key ctrl+Tab
done
# Back on the general page: Tab to the checked language, Down chooses the next one, and the
# dialog speaks it at once.
for lang in en:Preferences fr:Préférences; do
  xdotool key Tab Down
  [ -n "$(e2e_wait_window "${lang#*:}")" ] || { echo "no ${lang#*:}"; exit 1; }
  xdotool key ctrl+Tab
  settled "docs/options-results-${lang%%:*}.png"
  xdotool key ctrl+shift+Tab
done
xdotool key Escape
e2e_close

e2e_fresh en_GB.UTF-8
E2E_INFO_TOOL="$(dirname "$exe")/window_info.exe"
sample=$(winepath -w "$PWD/tests/e2e/ecb-daily-sample.xml" 2>/dev/null | tr -d '\r')
reg_import <<EOF
[HKEY_CURRENT_USER\\Software\\ZT\\Valomat\\Algemeen]
"KoersenURL"="${sample//\\/\\\\}"
EOF
e2e_start "$exe"
e2e_client "$VALOMAT_WIN" 326 427
e2e_click 227 17
dialog=$(e2e_wait_window Preferences)
[ -n "$dialog" ] || { echo "the options dialog did not open"; exit 1; }
xdotool mousemove 0 0
xdotool key --delay 120 ctrl+Tab ctrl+Tab ctrl+Tab
line_says() { wait_info Preferences && [ "$(shows "$1")" = yes ]; }
wait_until 10 line_says "Get &ECB rates" || { echo "no rates button"; exit 1; }
click_text "Get &ECB rates"
xdotool mousemove 0 0
wait_until 20 line_says "ECB reference rates of 04/12/2026" || { echo "no rates"; exit 1; }
settled docs/options-variable-ecb-en.png
xdotool key Escape
e2e_close
ls -la docs/options-*.png
