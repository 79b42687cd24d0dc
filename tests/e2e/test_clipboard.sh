#!/usr/bin/env bash
# Copies texts from Linux with xclip while valomat.exe runs, as a person copying in another
# program would, and reads back what the clipboard holds; prints the round-trip latency.
source "$(dirname "$0")/lib.sh"
exe=$1
e2e_tmp
e2e_fresh nl_BE.UTF-8
e2e_start "$exe"
check "the clipboard starts empty" "" "$(clipboard)"

# xclip stays behind as the owner of the selection: it must not hold the test's output open.
copy() { printf '%s' "$1" | xclip -selection clipboard >/dev/null 2>&1; }
# wait_for TEXT: milliseconds until the clipboard holds TEXT, or "timeout".
wait_for() {
  local t0; t0=$(date +%s%N)
  if wait_until 5 clipboard_is "$1"; then echo $(( ($(date +%s%N) - t0) / 1000000 )); else echo timeout; fi
}
# stays TEXT: that the clipboard still holds TEXT after a second. Nothing marks that a text was
# looked at and left alone, so this one check can only watch for a while.
clipboard_is_not() { ! clipboard_is "$1"; }
stays() { clipboard_is "$1" && ! E2E_PATIENCE=1 wait_until 1 clipboard_is_not "$1"; }

latencies=()
for amount in 100 200 300 400 500; do
  expected=$(awk -v a="$amount" 'BEGIN { printf "%.2f", a / 40.3399 }' | tr . ,)
  copy "VL$amount"
  ms=$(wait_for "$expected")
  check "VL$amount converted on the clipboard" yes "$([ "$ms" != timeout ] && echo yes || echo no)"
  [ "$ms" != timeout ] && latencies+=("$ms")
done
# The result stays: one copy is converted once.
check "the result is left alone" yes "$(stays "12,39" && echo yes || echo no)"

for text in vl100 VL VL12.50; do
  copy "$text"
  check "$text left as it is" yes "$(stays "$text" && echo yes || echo no)"
done

e2e_close
if [ ${#latencies[@]} -gt 0 ]; then
  median=$(printf '%s\n' "${latencies[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  echo "copy to converted text readable: median ${median} ms (${latencies[*]})"
fi
e2e_finish
