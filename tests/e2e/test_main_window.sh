#!/usr/bin/env bash
# Starts valomat.exe as a person would, in a fresh prefix and the Dutch (Belgium) locale: waits
# for the window, types an amount, commits it, copies the result, closes the window and reads
# the registry.
source "$(dirname "$0")/lib.sh"
exe=$1
e2e_tmp
e2e_fresh nl_BE.UTF-8
e2e_start "$exe"
echo "main window after ${E2E_START_MS} ms"
shot=$PWD/e2e-main-window.png  # kept beside the build for a person to look at
import -window root "$shot"
echo "screenshot: $shot"
colours=$(convert "$shot" -format '%k' info:)
check "screenshot shows a drawn window" yes "$([ "$colours" -gt 20 ] && echo yes || echo no)"
splash=$(xdotool search --onlyvisible --name '^Valomat$' | wc -l)
check "only the main window is left after the splash" 1 "$splash"

# The amount box has the focus with its text selected: typing replaces the "0". The window is
# activated on the tool bar (a click into the box would place the caret instead). Enter commits
# and moves to the result, which is copied; Enter there goes back to the amount, selected again.
printf '' | xclip -selection clipboard >/dev/null 2>&1  # xclip stays behind: not on our output
e2e_focus_toolbar
xdotool type --delay 30 '100'
xdotool key Return ctrl+c
check "typing 100 after the start converts 100 BEF" yes "$(yes_no wait_until 5 clipboard_is 2,48)"
xdotool key Return
xdotool type --delay 30 '250'
xdotool key Return ctrl+c
check "250 typed after Enter from the result replaces the amount" yes \
  "$(yes_no wait_until 5 clipboard_is 6,20)"

e2e_close
reg_snapshot
check "settings saved at close" "REG_SZ 2.8" "$(reg_get 'Software\ZT\Valomat\Algemeen' Versie)"
check "language from the locale" "REG_DWORD 0x0" "$(reg_get 'Software\ZT\Valomat\Algemeen' Taal)"
check "list view kept" "REG_DWORD 0x2" "$(reg_get 'Software\ZT\Valomat\Algemeen' Lijst)"
check "Wine manages no window of the prefix" "REG_SZ N" \
  "$(wine reg query 'HKCU\Software\Wine\X11 Driver' /v Managed 2>/dev/null | tr -d '\r' |
     awk '$1 == "Managed" { print $2, $3 }')"
e2e_finish
