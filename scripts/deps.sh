#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Valomat need, if missing.
set -euo pipefail
# clang and its libFuzzer runtime (libclang-rt-14-dev) build the fuzz harnesses; python3 serves
# the local web pages of the download tests; libx11-dev builds the window clock of the
# start-up measurement; locales holds the definitions that localedef compiles (below).
packages=(cmake make g++ googletest libbenchmark-dev clang libclang-rt-14-dev g++-mingw-w64-x86-64-posix
          wine wine64 fonts-wine xvfb xclip xdotool imagemagick xauth procps python3 libx11-dev
          locales ${VALOMAT_EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine runs its Unix side in the C library's locale: when the locale named in LANG is not
# compiled, it falls back to ASCII and file names, command lines and window titles beyond
# ASCII take another road than on a user's machine. Compile the UTF-8 locales that the tests
# and start.sh run in (and the caller's VALOMAT_LOCALE), as a desktop has them.
locales=(nl_BE en_GB fr_FR de_DE)
case ${VALOMAT_LOCALE:-} in
  [a-z][a-z]_[A-Z][A-Z].UTF-8 | [a-z][a-z][a-z]_[A-Z][A-Z].UTF-8) locales+=("${VALOMAT_LOCALE%.UTF-8}") ;;
esac
have=$(locale -a 2>/dev/null)
for l in "${locales[@]}"; do
  grep -qx "$l.utf8" <<<"$have" && continue
  echo "Compiling the locale $l.UTF-8"
  $sudo localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
