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

# The amount box has the focus: type over its text, commit with Enter, copy the result.
e2e_focus
xdotool key ctrl+a
xdotool type --delay 30 '100'
xdotool key Return
xdotool key ctrl+c
wait_until 10 clipboard_is "2,48" || true
check "converted 100 BEF in euro" "2,48" "$(clipboard)"

e2e_close
reg_snapshot
check "settings saved at close" "REG_SZ 2.8" "$(reg_get 'Software\ZT\Valomat\Algemeen' Versie)"
check "language from the locale" "REG_DWORD 0x0" "$(reg_get 'Software\ZT\Valomat\Algemeen' Taal)"
check "list view kept" "REG_DWORD 0x2" "$(reg_get 'Software\ZT\Valomat\Algemeen' Lijst)"
check "Wine manages no window of the prefix" "REG_SZ N" \
  "$(wine reg query 'HKCU\Software\Wine\X11 Driver' /v Managed 2>/dev/null | tr -d '\r' |
     awk '$1 == "Managed" { print $2, $3 }')"
e2e_finish
