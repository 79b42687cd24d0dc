# Helpers for the end-to-end tests: start valomat.exe in a fresh Wine prefix on a virtual display
# of the script's own, find its window, close it as a person would, read the registry from
# outside. Every wait is for a condition, with a time limit.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

E2E_FAILURES=0
E2E_CHECKS=0

# wait_until SECONDS COMMAND...: runs COMMAND every 20 ms until it succeeds; fails after SECONDS
# times E2E_PATIENCE (3 unless set). The limits are what an idle machine needs; the test command
# runs the scripts beside each other and beside builds, where everything takes longer.
wait_until() {
  local limit=$(($1 * ${E2E_PATIENCE:-3})); shift
  local end=$(( $(date +%s%N) + limit * 1000000000 ))
  until "$@"; do
    [ "$(date +%s%N)" -lt "$end" ] || return 1
    sleep 0.02
  done
}

# e2e_tmp: a scratch folder and a virtual display of this script's own, so that no window or
# clipboard content of another script is seen; both go when the script ends. Without -noreset
# the server resets whenever its last client leaves, and a client connecting meanwhile is
# refused: a program started then ends at once, windowless (measured: 15 of 1,200 quick
# connections failed from four loops, none with -noreset).
e2e_tmp() {
  E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/valomat-e2e.XXXXXX")
  trap 'e2e_cleanup' EXIT
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$E2E_DIR/display" \
    >/dev/null 2>&1 </dev/null &
  E2E_XVFB_PID=$!
  wait_until 10 test -s "$E2E_DIR/display" || { echo "no virtual display"; return 1; }
  export DISPLAY=":$(head -1 "$E2E_DIR/display")"
}

e2e_cleanup() {
  # A program still running is ended, and the script ends only after it.
  [ -n "${VALOMAT_PID:-}" ] && { kill "$VALOMAT_PID" 2>/dev/null || true; }
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; fi
  [ -n "${VALOMAT_PID:-}" ] && { wait "$VALOMAT_PID" 2>/dev/null || true; }
  if [ -n "${E2E_XVFB_PID:-}" ]; then
    kill "$E2E_XVFB_PID" 2>/dev/null || true
    wait "$E2E_XVFB_PID" 2>/dev/null || true
  fi
  [ -n "${E2E_DIR:-}" ] && rm -rf "$E2E_DIR"
}

# e2e_fresh LOCALE: a fresh prefix with the given Linux locale as the Windows user locale. Wine
# finds a prefix's server by the folder's device and inode, so the old prefix goes only once the
# new one exists: a new folder in the old one's inode could reach a server that is still ending.
E2E_PREFIXES=0
e2e_fresh() {
  local old=${WINEPREFIX:-}
  [ -n "$old" ] && { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
  export VALOMAT_LOCALE=$1
  E2E_PREFIXES=$((E2E_PREFIXES + 1))
  valomat_fresh_prefix "$E2E_DIR/prefix$E2E_PREFIXES"
  case $old in "$E2E_DIR"/*) rm -rf "$old" ;; esac
}

# window_named NAME: the id of a visible window titled exactly NAME (fails when there is none).
# Titles are UTF-8 and xdotool matches bytes: the name's regular-expression characters are
# escaped, so "Préférences" or "Valomat 2.81" match themselves and nothing else.
window_named() {
  local id pattern
  pattern=$(printf '%s' "$1" | sed 's/[][\.*^$(){}+?|]/\\&/g')
  id=$(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -1) && [ -n "$id" ] && echo "$id"
}
window_shown() { window_named "$1" >/dev/null; }
no_window_named() { ! window_shown "$1"; }

# e2e_launch EXE [ARGS...]: starts the program without waiting for a window.
e2e_launch() {
  local exe=$1; shift
  if [ -n "${E2E_FILE_LIMIT_KB:-}" ]; then
    # Writes beyond the limit fail (the signal that would end the program is ignored).
    (trap '' XFSZ; ulimit -f "$E2E_FILE_LIMIT_KB"; exec wine "$exe" "$@") >"$E2E_DIR/wine.log" 2>&1 &
  else
    wine "$exe" "$@" >"$E2E_DIR/wine.log" 2>&1 &
  fi
  VALOMAT_PID=$!
}

# e2e_start EXE [ARGS...]: starts the program and waits for its main window, with the splash
# gone.
e2e_start() {
  e2e_launch "$@"
  local t0; t0=$(date +%s%N)
  if ! wait_until 30 window_shown Valomat; then
    echo "main window did not appear; the windows shown:"
    xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null || true
    echo "the Wine processes:"
    ps -eo pid,stat,etime,args | grep -i '[w]ine\|[.]exe' || true
    cat "$E2E_DIR/wine.log"
    return 1
  fi
  VALOMAT_WIN=$(window_named Valomat)
  E2E_START_MS=$(( ($(date +%s%N) - t0) / 1000000 ))
  wait_until 15 no_window_named 'Valomat 2.81' || { echo "the splash stayed"; return 1; }
}

# has_focus WINDOW: whether the keyboard focus is in that top-level window.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# e2e_focus [DX DY]: clicks into the main window at DX DY of its client area (by default on the
# amount box), which gives it the keyboard focus as it would on a desktop, and waits until it
# has it. Wine draws the frame inside the window: a border each side of the 326-pixel client
# area, and the caption above.
e2e_focus() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$VALOMAT_WIN")"
  local border=$(((WIDTH - 326) / 2))
  xdotool mousemove $((X + border + ${1:-60})) $((Y + border + E2E_CAPTION + ${2:-50})) click 1
  wait_until 5 has_focus "$VALOMAT_WIN" || echo "no keyboard focus in the main window"
}
E2E_CAPTION=19  # Wine's caption height (SM_CYCAPTION) in a fresh prefix

# e2e_focus_toolbar: activates the main window on its tool bar right of the last button, where
# no command sits and no other window of ours (the result list is centred lower down) covers it;
# the focus goes back to the control that had it.
e2e_focus_toolbar() {
  e2e_focus 318 18
}

# click_in WINDOW DX DY: clicks at that place of the window.
click_in() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

# clipboard: what the clipboard holds now (empty when nothing).
clipboard() { timeout 2 xclip -o -selection clipboard 2>/dev/null || true; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }

# paste_text WINDOW TEXT: pastes TEXT over the focused box of the window titled WINDOW, as
# window_info finds it. Pasted, not typed: xdotool may map a key for a character beyond the
# keyboard's back before Wine translates it. Wine takes an X copy over when it hears of it, which
# a busy machine delays: the window is read back, and the box pasted into again while it lacks
# the text.
paste_text() {
  local window=$1 want=$2 try
  printf '%s' "$want" | xclip -selection clipboard >/dev/null 2>&1
  wait_until 10 clipboard_is "$want" || true
  for try in 1 2 3; do
    xdotool key ctrl+a ctrl+v
    wait_until 3 eval 'read_info "$window" && [ "$(shows "$want")" = yes ]' && return 0
  done
  return 1
}

# e2e_close: Alt+F4 on the main window; waits for the process and every other Wine process of
# the prefix to end.
e2e_close() {
  e2e_exit && wineserver -w
}

# e2e_exit: Alt+F4 on the main window, after a click on its tool bar; waits for the program to
# end. Should the keys reach another of our windows first, that one closes and the next try
# closes the program.
e2e_exit() {
  local attempt
  for attempt in 1 2 3; do
    e2e_focus_toolbar
    xdotool key alt+F4
    wait_until 10 program_ended && break
  done
  e2e_wait_exit
}

# e2e_wait_exit: waits up to 15 s for the program to end.
e2e_wait_exit() {
  if ! wait_until 15 program_ended; then
    echo "program did not end"; kill "$VALOMAT_PID"; return 1
  fi
  wait "$VALOMAT_PID" 2>/dev/null || true
  VALOMAT_PID=""
}
program_ended() { ! kill -0 "$VALOMAT_PID" 2>/dev/null; }

# reg_import: imports the .reg lines on standard input (UTF-8) into the prefix. A UTF-16 file,
# since `wine reg add` mangles characters beyond ASCII.
reg_import() {
  { printf 'Windows Registry Editor Version 5.00\r\n\r\n'; sed 's/$/\r/'; } |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xFF\xFE'; cat; } >"$E2E_DIR/import.reg"
  local file="$E2E_DIR/import.reg"
  wine reg import "Z:${file//\//\\}" >/dev/null 2>&1
  wineserver -w
}

# reg_snapshot: reads the whole program key once (each wine start costs time).
reg_snapshot() {
  E2E_REG="$E2E_DIR/reg.txt"
  { wine reg query 'HKCU\Software\ZT\Valomat' /s 2>/dev/null || true; } | tr -d '\r' >"$E2E_REG"
}

# reg_export KEY: the key below HKCU as a .reg text in UTF-8; unlike `reg query`, whose output
# goes through the console's code page, it keeps every character.
reg_export() {
  local file="$E2E_DIR/export.reg"
  rm -f "$file"
  wine reg export "HKCU\\$1" "Z:${file//\//\\}" /y >/dev/null 2>&1 || true
  [ -f "$file" ] && iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r' | sed '1s/^\xEF\xBB\xBF//'
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

# yes_no COMMAND...: "yes" when COMMAND succeeds, else "no".
yes_no() { "$@" && echo yes || echo no; }

# e2e_visible NAME: the first visible window whose whole name is NAME (empty when none).
e2e_visible() { window_named "$1" || true; }

# e2e_client WINDOW CLIENT_WIDTH CLIENT_HEIGHT: the client area of the given size lies a border
# in from the sides and the bottom of the window Wine frames itself. Sets E2E_CLIENT_X,
# E2E_CLIENT_Y (its top left on the screen) and E2E_BORDER.
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
}

# e2e_wait_window TITLE: waits up to 10 s for a visible window with exactly that title; prints
# its id (empty when none came).
e2e_wait_window() {
  wait_until 10 window_shown "$1" || true
  window_named "$1" || true
}

# e2e_crop WINDOW OUT: the window's area of a screenshot of the whole screen.
e2e_crop() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root "$E2E_DIR/screen.png"
  convert "$E2E_DIR/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$2"
}

# e2e_shot WINDOW OUT: the window's picture once two in a row agree (what was asked is painted).
e2e_shot() {
  local previous="$E2E_DIR/previous.png"
  rm -f "$previous"
  for _ in $(seq 40); do
    sleep 0.3
    e2e_crop "$1" "$2"
    cmp -s "$2" "$previous" && return 0
    cp "$2" "$previous"
  done
  echo "no steady picture of $2"
}

# hexdouble NUMBER: the bytes of the 8-byte double nearest to NUMBER as the registry shows a
# REG_BINARY, "000000000000E03F" for 0.5.
hexdouble() { python3 -c "import struct,sys; print(struct.pack('<d', float(sys.argv[1])).hex().upper())" "$1"; }

# What a window shows, read from the inside by window_info.exe (set E2E_INFO_TOOL to it).
# wait_info TITLE: waits until the window shows and reads what it shows into $E2E_DIR/info.txt:
# its client area ("client WxH at X Y"), then one "text|x|y" line per visible child with text.
wait_info() { wait_until 10 read_info "$1"; }
read_info() { wine "$E2E_INFO_TOOL" "$1" 2>/dev/null | tr -d '\r' >"$E2E_DIR/info.txt"; }
# centre_of TEXT: "x y" on the screen of the child of the last wait_info that shows TEXT.
centre_of() {
  local line; line=$(grep -F -m1 "$1|" "$E2E_DIR/info.txt" || true)
  [ -n "$line" ] || return 1
  local rest=${line#"$1|"}
  echo "${rest%%|*} ${rest#*|}"
}
# click_text TEXT: clicks the child window of the last wait_info that shows TEXT.
click_text() {
  local at; at=$(centre_of "$1") || { echo "no control shows [$1]"; return 1; }
  xdotool mousemove ${at% *} ${at#* } click 1
}
# shows TEXT: "yes" when a child of the last wait_info shows exactly TEXT.
shows() { grep -qxF "$1" <(cut -d'|' -f1 "$E2E_DIR/info.txt") && echo yes || echo no; }
