#!/usr/bin/env bash
# Valomat without a mouse, in a fresh prefix and the Dutch (Belgium) locale, with keys only: an
# amount typed, Tab to the currency columns, whose arrow keys change the source and the
# destination and convert; the calculator by Tab and Space; the options dialog by its shortcut,
# each page by Ctrl+Tab and on it a control as far down as Tab goes, changed by a key; the
# own-currencies dialog by its button; a colour from the grid. What the keys did is read from
# the windows and, after the program ends, from the registry.
source "$(dirname "$0")/lib.sh"
exe=$1
E2E_INFO_TOOL="$(dirname "$exe")/window_info.exe"
e2e_tmp
e2e_fresh nl_BE.UTF-8
e2e_start "$exe"
check "the main window has the keyboard at start" yes "$(yes_no wait_until 5 has_focus "$VALOMAT_WIN")"

keys() { xdotool key --delay 80 "$@"; }
shows_in() { wait_info "$1" && [ "$(shows "$2")" = yes ]; }
# grid_shown: the colour grid is up, a window of 78 x 120 without a title.
grid_shown() {
  local w
  for w in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -q 'Geometry: 78x120' && return 0
  done
  return 1
}

# 100 BEF, then the source column three stops on: one row down is the guilder.
xdotool type --delay 60 100
keys Tab Tab Tab Down
check "Down in the source column converts from NLG" yes "$(yes_no wait_until 5 shows_in Valomat 45,38)"
# The destination column, one stop on: End is the drachma (100 / 2.20371 * 340.75).
keys Tab End
check "End in the destination column converts to GRD" yes \
  "$(yes_no wait_until 5 shows_in Valomat 15.462,56)"

# Back to the calculator button; Space opens the calculator, whose OK Tab reaches.
keys shift+Tab shift+Tab space
check "Space on the calculator button opens it" yes "$(yes_no wait_until 10 window_shown Rekenmachine)"
xdotool type --delay 60 '*2='
keys Tab space
check "Space on OK closes it" yes "$(yes_no wait_until 10 no_window_named Rekenmachine)"
check "the calculated amount is converted" yes "$(yes_no wait_until 5 shows_in Valomat 30.925,12)"

# The options by their shortcut. The keyboard starts on the tabs.
keys ctrl+o
check "Ctrl+O opens the options" yes "$(yes_no wait_until 10 window_shown Voorkeuren)"
# General: the language group, English; the clipboard letters.
keys Tab Down
check "the dialog speaks English at once" yes "$(yes_no wait_until 10 window_shown Preferences)"
keys Tab
xdotool type --delay 60 XY
# Results: the display mode one down, the flag column and (three stops on) the symbol column
# off; the euro colour's grid opened by Space, one cell right and one down, chosen by Enter.
keys ctrl+Tab Tab Down Tab space Tab Tab Tab space Tab space
check "Space on the colour picker opens the grid" yes "$(yes_no wait_until 10 grid_shown)"
keys Right Down Return
check "Enter chooses and closes the grid" yes "$(yes_no wait_until 10 eval '! grid_shown')"
# Fixed currencies: the source flags to the last (the drachma), the target flags one down (BEF);
# four stops on, the euro's symbol position turned; 46 stops on, the drachma's decimals; two
# more, its symbol position.
keys ctrl+Tab Tab End Tab Down Tab Tab Tab Tab space
keys $(printf 'Tab %.0s' $(seq 46))
xdotool type 3
keys Tab Tab space
# Variable currencies: 39 stops from the tabs is "Define...", which Space presses.
keys ctrl+Tab $(printf 'Tab %.0s' $(seq 39)) space
own="Define the currencies"
check "Space on Define... opens the own currencies" yes "$(yes_no wait_until 10 window_shown "$own")"
# The first name has the keyboard; Enter is OK.
xdotool type --delay 60 Zed
keys Return
check "Enter closes the own currencies" yes "$(yes_no wait_until 10 no_window_named "$own")"
# Two stops on, the start choice; Enter is the dialog's OK, which takes the colour.
keys Tab Tab space Return
check "Enter closes the options" yes "$(yes_no wait_until 10 no_window_named Preferences)"

check "the main window speaks English" yes "$(yes_no wait_until 5 shows_in Valomat Source)"
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
