#!/usr/bin/env bash
# Times `tintara paint` as whole processes: one 1024 x 1024 and one 4096 x 4096 8-bit picture to
# JPEG with sixteen codes, and a 1,000-line codes file on a skin to PNG. Prints the median of
# several runs of each. Usage: timings.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/cli_write_inputs" "$work"
cd "$work"
codes="17 33 49 65 81 97 113 129 145 161 177 193 209 225 12 28"

# The median wall time of `runs` runs of the command, in milliseconds.
median_ms() {
  local runs=$1
  shift
  local times=()
  for ((i = 0; i < runs; i++)); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}'
}

mkdir -p many
printf 'cli/1024   %8s ms  (paint, JPEG at quality 90)\n' \
  "$(median_ms 21 "$build/tintara" paint p1024.bmp --codes "$codes" --output p1024.jpg)"
printf 'cli/4096   %8s ms  (paint, JPEG at quality 90)\n' \
  "$(median_ms 7 "$build/tintara" paint p4096.bmp --codes "$codes" --output p4096.jpg)"
printf 'cli/skins  %8s ms  (1,000 code strings on a skin to PNG)\n' \
  "$(median_ms 5 "$build/tintara" paint skin.bmp --codes-file codes.txt --output 'many/{name}-{n}.png')"
