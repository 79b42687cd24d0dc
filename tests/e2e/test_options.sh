#!/usr/bin/env bash
# The options dialog as a person uses it, in a fresh prefix and the Dutch (Belgium) locale: the
# tool bar's options button opens it, the keyboard goes to the variable currencies, a new GBP
# rate is typed with a point, GBP is offered and French chosen; after the dialog closes the main
# window converts to GBP at that rate, and after the program ends the registry holds it all.
source "$(dirname "$0")/lib.sh"
exe=$1
e2e_tmp
e2e_fresh nl_BE.UTF-8
printf '' | xclip -selection clipboard >/dev/null 2>&1  # a clean clipboard
e2e_start "$exe"

# The main window's client area is 326 x 427 at a first start.
e2e_client "$VALOMAT_WIN" 326 427
border=$E2E_BORDER

# The options button: the tenth place of the tool bar (31-pixel buttons, 8-pixel separators).
e2e_click 227 17
options=$(e2e_wait_window Voorkeuren)
check "the options button opens the options dialog" yes "$([ -n "$options" ] && echo yes || echo no)"
[ -n "$options" ] || { e2e_finish; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$options" | sed 's/^/DLG_/')"
# The same border, and a small caption (10 to 30 pixels) above a client area of 402 x 472.
caption=$(( DLG_HEIGHT - 472 - 2 * border ))
check "client width of the dialog" 402 $(( DLG_WIDTH - 2 * border ))
check "client height of the dialog below a small caption" yes \
  "$([ "$caption" -ge 10 ] && [ "$caption" -le 30 ] && echo yes || echo "no ($caption)")"
shot=$PWD/e2e-options.png  # kept beside the build for a person to look at
import -window root "$shot"
echo "screenshot: $shot"

# The focus starts on the tabs: Ctrl+Tab three times to "Variabele munten", Tab past the two
# columns of flags into the GBP rate box (its text selected), a rate typed with a point, Tab
# twice to GBP's offered box,
# Space ticks it. Ctrl+Tab wraps round to "Algemeen", Tab goes to the checked language and Down
# twice chooses French, which the dialog speaks at once. Esc closes like the close box. (The
# title's "é" reaches X as one byte or two, as Wine's locale has it: "..?" takes either.)
xdotool key --delay 120 ctrl+Tab ctrl+Tab ctrl+Tab Tab Tab Tab
xdotool type --delay 60 '0.5'
xdotool key --delay 120 Tab Tab space ctrl+Tab Tab Down Down
check "the dialog speaks French at once" yes \
  "$([ -n "$(e2e_wait_window 'Préférences')" ] && echo yes || echo no)"
xdotool key Escape
check "Esc closes the dialog" yes "$(yes_no wait_until 5 no_window_named 'Préférences')"

# GBP is now the thirteenth row: its to-button, which leaves the focus on the result; Enter
# takes it back to the amount box with its text selected, and 100 BEF is typed over it and
# committed.
e2e_click 289 398
xdotool key Return
xdotool type --delay 30 '100'
xdotool key Return ctrl+c
# 100 / 40.3399 * 0.5 = 1.2394...
check "100 BEF in GBP at the new rate" "1,24" "$(wait_until 5 clipboard_is 1,24; clipboard)"

e2e_close
reg_snapshot
check "the rate is stored as the double 0.5" "REG_BINARY 000000000000E03F" \
  "$(reg_get 'Software\ZT\Valomat\Koers' GBP)"
check "GBP is offered" "REG_DWORD 0x1" "$(reg_get 'Software\ZT\Valomat\Decimalen' Geselecteerd13)"
check "the next start is in French" "REG_DWORD 0x2" "$(reg_get 'Software\ZT\Valomat\Algemeen' Taal)"
e2e_finish
