#!/usr/bin/env bash
# Runs one libFuzzer harness: replays its seed corpus, then fuzzes on from it for SECONDS (5 by
# default). New inputs go to a scratch folder, so the corpus in the tree stays as it is; an input
# that fails is kept as crash-* (or leak-*, timeout-*) in the current folder. A harness's own
# options (larger inputs, a shorter time limit per input) stand one a line in
# tests/fuzz/fuzz_<name>.flags; options given here come after them and win.
# Usage: run.sh HARNESS CORPUS_FOLDER [SECONDS] [libFuzzer options...]
set -euo pipefail
harness=$1 corpus=$2 seconds=${3:-5}
shift $(($# < 3 ? $# : 3))
scratch=$(mktemp -d "${TMPDIR:-/tmp}/valomat-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
folders=("$scratch")
[ -d "$corpus" ] && folders+=("$corpus")
own=()
flags="$(dirname "$0")/$(basename "$harness").flags"
[ -f "$flags" ] && mapfile -t own < <(grep -v '^#' "$flags")
"$harness" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$PWD/" "${own[@]}" "$@" "${folders[@]}"
