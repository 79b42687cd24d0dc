#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Valomat need, if missing.
set -euo pipefail
# clang and its libFuzzer runtime (libclang-rt-14-dev) build the fuzz harnesses; python3 serves
# the local web pages of the download tests; libx11-dev builds the window clock of the
# start-up measurement.
packages=(cmake make g++ googletest libbenchmark-dev clang libclang-rt-14-dev g++-mingw-w64-x86-64-posix
          wine wine64 fonts-wine xvfb xclip xdotool imagemagick xauth procps python3 libx11-dev ${VALOMAT_EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
