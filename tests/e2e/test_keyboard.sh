#!/usr/bin/env bash
# Valomat with keys only, in a fresh prefix (nl_BE): the currency columns convert by their arrow
# keys, the calculator opens by Tab and Space, the options go by Ctrl+O, Ctrl+Tab, Tab (as far as
# each page's last rows) and keys that change something, "Define..." opens the own currencies, a
# colour is chosen from the grid. The windows, and the registry after the end, tell what happened.
source "$(dirname "$0")/lib.sh"
exe=$1
E2E_INFO_TOOL="$(dirname "$exe")/window_info.exe"
e2e_tmp
e2e_fresh nl_BE.UTF-8
e2e_start "$exe"
check "the main window has the keyboard" yes "$(yes_no wait_until 5 has_focus "$VALOMAT_WIN")"
keys() { xdotool key --delay 80 "$@"; }
tabs() { keys $(printf 'Tab %.0s' $(seq "$1")); }
shows_in() { wait_info "$1" && [ "$(shows "$2")" = yes ]; }
grid_shown() {  # the colour grid: a window of 78 x 120 without a title
  xdotool search --onlyvisible --name '^$' 2>/dev/null | while read -r w; do
    xdotool getwindowgeometry "$w" 2>/dev/null; done | grep -q 'Geometry: 78x120'
}

# 100 BEF; in the source column Down gives NLG; in the destination column End gives GRD.
xdotool type --delay 60 100
keys Tab Tab Tab Down
check "Down in the source column" yes "$(yes_no wait_until 5 shows_in Valomat 45,38)"
keys Tab End
check "End in the destination column" yes "$(yes_no wait_until 5 shows_in Valomat 15.462,56)"
# The calculator button; on its OK, Enter is still "=", Space presses OK.
keys shift+Tab shift+Tab space
check "Space opens the calculator" yes "$(yes_no wait_until 10 window_shown Rekenmachine)"
xdotool type --delay 60 '*2'
keys Tab Return space
check "Space on OK closes it" yes "$(yes_no wait_until 10 no_window_named Rekenmachine)"
check "its 200 is converted" yes "$(yes_no wait_until 5 shows_in Valomat 30.925,12)"

keys ctrl+o
check "Ctrl+O opens the options" yes "$(yes_no wait_until 10 window_shown Voorkeuren)"
# General: English, the clipboard letters. Results: display mode 2, the flag and symbol columns
# off, the euro colour one cell right and down in its grid.
keys Tab Down Tab && xdotool type XY
keys ctrl+Tab Tab Down Tab space Tab Tab Tab space Tab space
check "Space opens a colour grid" yes "$(yes_no wait_until 10 grid_shown)"
keys Right Down Return
# Fixed currencies: source flags to the drachma, target flags to BEF, the euro's symbol turned;
# 46 stops on the drachma's decimals, two more its symbol.
keys ctrl+Tab Tab End Tab Down Tab Tab Tab Tab space
tabs 46 && xdotool type 3
keys Tab Tab space
# Variable currencies: 39 stops on, "Define...".
keys ctrl+Tab && tabs 39 && keys space
check "Space on Define... opens the own currencies" yes \
  "$(yes_no wait_until 10 window_shown 'Define the currencies')"
xdotool type --delay 60 Zed
keys Return
check "Enter is its OK" yes "$(yes_no wait_until 10 no_window_named 'Define the currencies')"
# Two stops on, the start choice; Enter is OK.
keys Tab Tab space Return
check "Enter closes the options" yes "$(yes_no wait_until 10 eval "no_window_named Preferences && no_window_named Voorkeuren")"
keys alt+F4
e2e_wait_exit
wineserver -w
reg_snapshot
while read -r key value expected; do
  check "$key $value" "$expected" "$(reg_get "Software\\ZT\\Valomat\\$key" "$value")"
done <<'EOF'
Algemeen Taal REG_DWORD 0x1
Algemeen Letters REG_SZ XY
Algemeen Weergave REG_DWORD 0x2
Algemeen KolomVlag REG_DWORD 0x0
Algemeen KolomSymbool REG_DWORD 0x0
Algemeen KleurEuro REG_DWORD 0xf0fbff
Algemeen DefaultVanMunt REG_DWORD 0x10
Algemeen DefaultNaarMunt REG_DWORD 0x2
Algemeen KoersenBijStart REG_DWORD 0x1
Decimalen SymboolVooraan1 REG_DWORD 0x0
Decimalen Decimalen16 REG_DWORD 0x3
Decimalen SymboolVooraan16 REG_DWORD 0x1
EigenMunten EigenMunt1 REG_SZ Zed
EOF
e2e_finish
