#!/usr/bin/env bash
# Times `tintara paint` as whole processes: one 1024 x 1024 and one 4096 x 4096 8-bit picture to
# JPEG with sixteen codes, a 1,000-line codes file on a skin to PNG, and ten of its lines on the
# skin to one animated GIF. Prints the median of
# several runs of each, then the same work done by ImageMagick's convert and libjpeg-turbo's
# cjpeg in the same run, and the ratios beside their goals. The 1,000-line batch runs again in
# memory (tmpfs) and in a folder on disk, TINTARA_TIMINGS_DISK or else /var/tmp, each measured in
# convert calls of one skin. Usage: timings.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
shm=
disk=
trap 'rm -rf "$work" ${shm:+"$shm"} ${disk:+"$disk"}' EXIT
"$build/bench/cli_write_inputs" "$work"
cd "$work"
codes=$(cat codes-16.txt)
read -r -a opaque <opaque-args.txt || true  # one line without a newline

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

# The same paintings by other programs: convert replacing the sixteen marker colours, and cjpeg
# encoding the painted 4096 picture from a PPM file.
"$build/tintara" paint p4096.bmp --codes "$codes" --output p4096-painted.bmp
convert p4096-painted.bmp p4096-painted.ppm
t_skin=$(median_ms 21 "$build/tintara" paint skin.bmp --codes "$codes" --output skin.png)
c_skin=$(median_ms 21 convert skin.bmp "${opaque[@]}" skin-convert.png)
t_many=$(median_ms 5 "$build/tintara" paint skin.bmp --codes-file codes.txt --output 'many/{name}-{n}.png')
t_4096=$(median_ms 7 "$build/tintara" paint p4096.bmp --codes "$codes" --output p4096.jpg)
c_4096=$(median_ms 3 convert p4096.bmp "${opaque[@]}" -quality 90 p4096-convert.jpg)
j_4096=$(median_ms 7 cjpeg -quality 90 -outfile p4096-cjpeg.jpg p4096-painted.ppm)
printf 'skin/png   %8s ms  convert %8s ms  ratio %5.2f  (goal: at most 0.5)\n' "$t_skin" "$c_skin" \
  "$(echo "$t_skin / $c_skin" | bc -l)"
printf 'skins/png  %8s ms  10 x convert %8s ms  ratio %5.2f  (goal: at most 1)\n' "$t_many" \
  "$(echo "10 * $c_skin" | bc -l)" "$(echo "$t_many / (10 * $c_skin)" | bc -l)"
# The same batch in memory (tmpfs), which tells the program's own time from the file system's, and
# on disk, where each file written costs what the file system makes it cost.
batch_ms() {
  cp skin.bmp codes.txt "$1"
  (cd "$1" && median_ms 5 "$build/tintara" paint skin.bmp --codes-file codes.txt \
    --output '{name}-{n}.png')
}
if [ -w /dev/shm ]; then
  shm=$(mktemp -d /dev/shm/tintara-timings.XXXXXX)
  t_shm=$(batch_ms "$shm")
  rm -rf "$shm"
  printf 'skins/png  %8s ms  on tmpfs: as long as %5.1f convert calls of one skin\n' "$t_shm" \
    "$(echo "$t_shm / $c_skin" | bc -l)"
fi
disk_root=${TINTARA_TIMINGS_DISK:-/var/tmp}
disk=$(mktemp -d "$disk_root/tintara-timings.XXXXXX")
t_disk=$(batch_ms "$disk")
rm -rf "$disk"
printf 'skins/png  %8s ms  on disk (%s, %s): as long as %5.1f convert calls of one skin\n' \
  "$t_disk" "$disk_root" "$(stat -f -c %T "$disk_root")" "$(echo "$t_disk / $c_skin" | bc -l)"
printf '4096/jpg   %8s ms  convert %8s ms  %5.1f times faster  (goal: at least 25)\n' "$t_4096" \
  "$c_4096" "$(echo "$c_4096 / $t_4096" | bc -l)"
printf '4096/jpg   %8s ms  cjpeg %8s ms  ratio %5.2f  (goal: at most 1.3)\n' "$t_4096" "$j_4096" \
  "$(echo "$t_4096 / $j_4096" | bc -l)"

# A 10-frame GIF of the skin, and ImageMagick assembling the same ten painted PNGs into one.
head -n 10 codes.txt > codes-10.txt
mkdir -p frames
"$build/tintara" paint skin.bmp --codes-file codes-10.txt --output 'frames/f{n}.png'
t_gif=$(median_ms 21 "$build/tintara" paint skin.bmp --codes-file codes-10.txt --delay 500 \
  --output anim.gif)
c_gif=$(cd frames && median_ms 7 convert -delay 50 -loop 0 f*.png anim.gif)
printf 'skin/gif   %8s ms  convert %8s ms  %5.1f times faster  (goal: at least 5)\n' "$t_gif" \
  "$c_gif" "$(echo "$c_gif / $t_gif" | bc -l)"
