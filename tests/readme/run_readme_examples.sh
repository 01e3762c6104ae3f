#!/usr/bin/env bash
# Runs every `tintara paint` and `tintara sheet` line of README.md's fenced code blocks exactly as
# written, in a scratch folder holding the files they name, made from the shipped artwork: hero.bmp, skins/*.bmp,
# team.txt and warm.gpl. Each must succeed, print no problem and write a file, so that the README's examples
# keep working as the program changes. Usage: run_readme_examples.sh README.md PROGRAM_DIR
set -euo pipefail
readme=$1
program_dir=$(cd "$2" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "README example: $*" >&2
  exit 1
}

# Lines inside ``` fences that start with the command, as a reader would paste them.
mapfile -t examples < <(
  awk '/^```/ { fenced = !fenced; next } fenced && /^tintara (paint|sheet) / { print }' "$readme")
[ "${#examples[@]}" -gt 0 ] || fail "no 'tintara paint' or 'tintara sheet' line in a code block of $readme"

cd "$scratch"
cp "$program_dir/MALE1.BMP" hero.bmp
mkdir skins
cp "$program_dir/FEMALE1.BMP" skins/female1.bmp
cp "$program_dir/TESSALY.BMP" skins/tessaly.bmp
printf '# the team\n9 223 224 127 # Red\n17 18 19 20 21 # Blue\n' > team.txt
printf 'GIMP Palette\nName: Warm\n#\n200  40  40\tBrick\n240 200 160\tSand\n' > warm.gpl
export PATH="$program_dir:$PATH"

# Every file is written anew and renamed into place: a file written shows as a new inode.
files() { find . -type f ! -name errors -printf '%i %p\n' | sort; }
for example in "${examples[@]}"; do
  before=$(files)
  status=0
  bash -c "$example" > /dev/null 2> errors || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status: $example: $(cat errors)"
  [ ! -s errors ] || fail "told a problem: $example: $(cat errors)"
  [ "$(files)" != "$before" ] || fail "wrote nothing: $example"
done
echo "README examples: ${#examples[@]} ran"
