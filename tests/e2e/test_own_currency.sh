#!/usr/bin/env bash
# An own currency defined as a person would, in a fresh prefix: the options dialog's variable
# page opens the own-currencies dialog, "złoty", "PLN" and "zł" are pasted into the first group
# and OK makes the slot's caption in the options dialog; offered there, the main window shows it
# too, and after the program ends the registry holds the texts, which the next start, in
# English, shows again.
source "$(dirname "$0")/lib.sh"
exe=$1
E2E_INFO_TOOL="$(dirname "$exe")/window_info.exe"
e2e_tmp
e2e_fresh nl_BE.UTF-8
e2e_start "$exe"

# paste_into X Y TEXT: clicks the edit box at X Y and pastes TEXT over its content.
paste_into() {
  xdotool mousemove "$1" "$2" click 1
  paste_text "$own" "$3" || true
}

# The options button of the tool bar, then Ctrl+Tab three times to "Variabele munten".
e2e_client "$VALOMAT_WIN" 326 427
e2e_click 227 17
check "the options dialog opens" yes "$(yes_no wait_until 10 window_shown Voorkeuren)"
xdotool key --delay 120 ctrl+Tab ctrl+Tab ctrl+Tab
wait_until 10 eval 'wait_info Voorkeuren && [ "$(shows "&Definiëren...")" = yes ]'
check "slot 21 is empty at first" yes "$(shows ' (,)')"
click_text "&Definiëren..."

own='Defini?er de munten'
check "the own-currencies dialog opens" yes "$(yes_no wait_info "$own")"
check "its title" "Definiëer de munten" "$(xdotool getwindowfocus getwindowname)"
check "its client area" "client 421x192" "$(head -1 "$E2E_DIR/info.txt" | cut -d' ' -f1-2)"
# The edit boxes lie right of their labels: 79 wide for the name, 44 for unit and symbol.
read -r x y <<<"$(centre_of Munt)"
paste_into $((x + 49 + 40)) "$y" "złoty"
read -r x y <<<"$(centre_of Munteenheid)"
paste_into $((x + 49 + 22)) "$y" "PLN"
read -r x y <<<"$(centre_of Symbool)"
paste_into $((x + 49 + 22)) "$y" "zł"
click_text "&OK"
wait_until 10 eval '! wine "$E2E_INFO_TOOL" "$own" >/dev/null 2>&1' || true

wait_until 10 eval 'wait_info Voorkeuren && [ "$(shows "złoty (PLN,zł)")" = yes ]' || true
check "the options dialog shows the slot's caption" yes "$(shows "złoty (PLN,zł)")"
# Offered: the row's check box lies 110 pixels right of the caption's centre.
read -r x y <<<"$(centre_of "złoty (PLN,zł)")"
xdotool mousemove $((x + 110)) "$y" click 1
click_text "&OK"
wait_until 10 no_window_named Voorkeuren || true

wait_until 10 eval 'wait_info Valomat && [ "$(shows "złoty (PLN,zł)")" = yes ]' || true
check "the main window shows the offered currency" yes "$(shows "złoty (PLN,zł)")"
shot=$PWD/e2e-own-currency.png  # kept beside the build for a person to look at
e2e_crop "$VALOMAT_WIN" "$shot"
echo "screenshot: $shot"

e2e_close
reg_snapshot
own_values=$(reg_export 'Software\ZT\Valomat\EigenMunten')
for value in '"EigenMunt1"="złoty"' '"EigenMunteenheid1"="PLN"' '"EigenSymbool1"="zł"'; do
  check "the registry holds $value" yes "$(yes_no grep -qxF "$value" <<<"$own_values")"
done
check "it is offered" "REG_DWORD 0x1" "$(reg_get 'Software\ZT\Valomat\Decimalen' Geselecteerd21)"

reg_import <<'EOF'
[HKEY_CURRENT_USER\Software\ZT\Valomat\Algemeen]
"Taal"=dword:00000001
EOF
e2e_start "$exe"
wait_until 10 eval 'wait_info Valomat && [ "$(shows "złoty (PLN,zł)")" = yes ]' || true
check "the next start, in English, shows it again" yes "$(shows "złoty (PLN,zł)")"
check "and speaks English" yes "$(shows "euro (EURO,€)")"
e2e_close
e2e_finish
