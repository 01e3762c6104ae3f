#!/usr/bin/env bash
# Runs every fuzz target one after another, each for the same time, with its own corpus and its
# seeds; fails when any target found something. Usage: run_targets.sh BUILD_DIR SECONDS
# TARGET:SEEDS... (fuzz_TARGET reads fuzz/seeds/SEEDS/ and fuzz/TARGET.dict when there is one).
set -uo pipefail
cd "$(dirname "$0")/.."

build_dir=$1
seconds=$2
shift 2
# One input running ten seconds, 2 GB in all or one allocation of 512 MB is a finding: a memory
# bomb must not pass as a slow run.
limits=(-timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512)

failed=()
for pair in "$@"; do
  name=${pair%%:*}
  seeds=fuzz/seeds/${pair#*:}
  corpus=$build_dir/corpus/fuzz_$name
  findings=$build_dir/findings/fuzz_$name
  log=$build_dir/logs/fuzz_$name.log
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  options=(-max_total_time="$seconds" "${limits[@]}" -print_final_stats=1
           -artifact_prefix="$findings/")
  [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
  echo "=== fuzz_$name for $seconds s; log in $log, findings in $findings/"
  if ! "./$build_dir/fuzz/fuzz_$name" "${options[@]}" "$corpus" "$seeds" >"$log" 2>&1; then
    failed+=("fuzz_$name")
    tail -n 60 "$log"
  fi
  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::)' "$log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found problems in: ${failed[*]} (inputs under $build_dir/findings/)" >&2
  exit 1
fi
echo "No findings."
