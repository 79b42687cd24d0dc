# Helpers for the end-to-end tests: start valomat.exe in a fresh Wine prefix on a virtual display,
# find its window, close it as a person would, read the registry from outside.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

E2E_FAILURES=0
E2E_CHECKS=0

e2e_tmp() {
  E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/valomat-e2e.XXXXXX")
  trap 'e2e_cleanup' EXIT
}

e2e_cleanup() {
  if [ -n "${VALOMAT_PID:-}" ]; then kill "$VALOMAT_PID" 2>/dev/null || true; fi
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
  [ -n "${E2E_DIR:-}" ] && rm -rf "$E2E_DIR"
}

# e2e_fresh LOCALE: a fresh prefix with the given Linux locale as the Windows user locale.
e2e_fresh() {
  [ -n "${WINEPREFIX:-}" ] && { wineserver -k 2>/dev/null || true; }
  export VALOMAT_LOCALE=$1
  valomat_fresh_prefix "$E2E_DIR/prefix"
}

# e2e_launch EXE [ARGS...]: starts the program without waiting for a window.
e2e_launch() {
  local exe=$1; shift
  wine "$exe" "$@" >"$E2E_DIR/wine.log" 2>&1 &
  VALOMAT_PID=$!
}

# e2e_start EXE [ARGS...]: starts the program and waits for its main window.
e2e_start() {
  e2e_launch "$@"
  VALOMAT_WIN=""
  local t0; t0=$(date +%s%N)
  for _ in $(seq 300); do
    VALOMAT_WIN=$(xdotool search --onlyvisible --name '^Valomat$' 2>/dev/null | head -1 || true)
    [ -n "$VALOMAT_WIN" ] && break
    sleep 0.05
  done
  E2E_START_MS=$(( ($(date +%s%N) - t0) / 1000000 ))
  [ -n "$VALOMAT_WIN" ] || { echo "main window did not appear"; cat "$E2E_DIR/wine.log"; return 1; }
}

# e2e_focus [DX DY]: clicks into the main window at DX DY of its client area (by default on the
# amount box), which gives it the keyboard focus as it would on a desktop.
e2e_focus() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$VALOMAT_WIN")"
  # Wine draws the frame inside the window: a border each side of the 326-pixel client area,
  # and the caption above.
  local border=$(((WIDTH - 326) / 2))
  xdotool mousemove $((X + border + ${1:-60})) $((Y + border + E2E_CAPTION + ${2:-50})) click 1
  sleep 0.3
}
E2E_CAPTION=19  # Wine's caption height (SM_CYCAPTION) in a fresh prefix

# e2e_focus_toolbar: activates the main window on its tool bar right of the last button, where
# no command sits and no other window of ours (the result list is centred lower down) covers it;
# the focus goes back to the control that had it.
e2e_focus_toolbar() {
  e2e_focus 318 18
}

# e2e_close: Alt+F4 on the main window; waits for the process and every other Wine process
# of the prefix to end.
e2e_close() {
  e2e_exit && wineserver -w
}

# e2e_exit: Alt+F4 on the main window; waits for the program to end.
e2e_exit() {
  e2e_focus_toolbar
  xdotool key alt+F4
  e2e_wait_exit
}

# e2e_wait_exit: waits up to 15 s for the program to end.
e2e_wait_exit() {
  for _ in $(seq 300); do
    kill -0 "$VALOMAT_PID" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$VALOMAT_PID" 2>/dev/null; then
    echo "program did not end"; kill "$VALOMAT_PID"; return 1
  fi
  wait "$VALOMAT_PID" 2>/dev/null || true
  VALOMAT_PID=""
}

# reg_snapshot: reads the whole program key once (each wine start costs time).
reg_snapshot() {
  E2E_REG="$E2E_DIR/reg.txt"
  { wine reg query 'HKCU\Software\ZT\Valomat' /s 2>/dev/null || true; } | tr -d '\r' >"$E2E_REG"
}

# reg_get KEY VALUE -> "TYPE DATA" (empty when missing), KEY below HKCU, from the last snapshot.
reg_get() {
  # Names travel through the environment: awk -v would eat the backslashes.
  K="HKEY_CURRENT_USER\\$1" N="$2" awk '
    BEGIN { key = tolower(ENVIRON["K"]); n = ENVIRON["N"] }
    /^HKEY_/ { insec = (tolower($0) == key); next }
    insec && tolower($1) == tolower(n) { t = $2; $1 = ""; $2 = ""; sub(/^ +/, ""); print t " " $0; exit }
  ' "$E2E_REG" | sed 's/ *$//'
}

check() {  # check DESCRIPTION EXPECTED ACTUAL
  E2E_CHECKS=$((E2E_CHECKS + 1))
  if [ "$2" != "$3" ]; then
    E2E_FAILURES=$((E2E_FAILURES + 1))
    echo "FAIL: $1: expected [$2], got [$3]"
  fi
}

e2e_finish() {
  echo "$((E2E_CHECKS - E2E_FAILURES)) passed, $E2E_FAILURES failed"
  [ "$E2E_FAILURES" -eq 0 ]
}

# reg_count KEY: the number of values directly in KEY (below HKCU), from the last snapshot.
reg_count() {
  K="HKEY_CURRENT_USER\\$1" awk '
    BEGIN { key = tolower(ENVIRON["K"]) }
    /^HKEY_/ { insec = (tolower($0) == key); next }
    insec && /REG_/ { c++ }
    END { print c + 0 }
  ' "$E2E_REG"
}

# e2e_until SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds; fails after SECONDS.
e2e_until() {
  local tries=$(($1 * 20)); shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

# e2e_clipboard_is TEXT: the clipboard holds exactly TEXT.
e2e_clipboard_is() {
  [ "$(timeout 2 xclip -o -selection clipboard 2>/dev/null)" = "$1" ]
}

# yes_no COMMAND...: "yes" when COMMAND succeeds, else "no".
yes_no() { "$@" && echo yes || echo no; }

# e2e_visible NAME: the first visible window whose whole name is NAME (empty when none).
e2e_visible() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true
}

# e2e_client WINDOW CLIENT_WIDTH CLIENT_HEIGHT: Wine draws the frame inside the X window, so its
# geometry is the whole window; the client area of the given size lies a border in from the
# sides and the bottom. Sets E2E_CLIENT_X, E2E_CLIENT_Y (its top left on the screen) and
# E2E_BORDER.
e2e_client() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  E2E_BORDER=$(( (WIDTH - $2) / 2 ))
  E2E_CLIENT_X=$(( X + E2E_BORDER ))
  E2E_CLIENT_Y=$(( Y + HEIGHT - $3 - E2E_BORDER ))
}

# e2e_click X Y: a click at a point of the client area found by e2e_client.
e2e_click() {
  xdotool mousemove $((E2E_CLIENT_X + $1)) $((E2E_CLIENT_Y + $2)) click 1
  sleep 0.3
}

# e2e_wait_window TITLE: waits for a visible window with exactly that title; prints its id.
e2e_wait_window() {
  local id=""
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.05
  done
  echo "$id"
}

# e2e_crop WINDOW OUT: the window's area of a screenshot of the whole screen.
e2e_crop() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root "$E2E_DIR/screen.png"
  convert "$E2E_DIR/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$2"
}

# e2e_wait_splash: waits until the splash has closed and only the main window is left.
e2e_wait_splash() {
  for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --name '^Valomat' 2>/dev/null | wc -l)" -le 1 ] && return 0
    sleep 0.05
  done
}
