#!/usr/bin/env bash
# Checks an installed tree: every file where it belongs, the desktop entry and the AppStream
# metadata as their validators see them, and the manual page as groff reads it.
# Usage: check-install.sh <build-dir> <install-root>
set -euo pipefail
build=$1
root=$2
app_id=io.github.tintara.Tintara
failures=0

fail() {
  echo "check-install: $*" >&2
  failures=$((failures + 1))
}

need_file() {
  [ -f "$root/$1" ] || fail "missing $1"
}

for program in tintara tintara-window; do
  [ -x "$root/bin/$program" ] || fail "missing bin/$program"
done

# Every picture the generator drew beside the program.
artwork=0
for picture in "$build"/*.BMP; do
  need_file "share/tintara/$(basename "$picture")"
  artwork=$((artwork + 1))
done
[ "$artwork" -gt 0 ] || fail "no artwork in $build"

# PNG keeps the width and height as big-endian numbers at bytes 16 to 23.
for size in 16 24 32 48 64 128 256; do
  icon="share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  need_file "$icon"
  [ -f "$root/$icon" ] || continue
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$root/$icon")
  width=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))
  height=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
  [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] ||
    fail "$icon is $width x $height, not $size x $size"
done

# Every language's catalogue the build compiled.
for catalogue in "$build"/locale/*/LC_MESSAGES/tintara.mo; do
  need_file "share/locale/${catalogue#"$build/locale/"}"
done

desktop="share/applications/$app_id.desktop"
metainfo="share/metainfo/$app_id.metainfo.xml"
# The Debian package keeps the manual page compressed.
manual="share/man/man1/tintara.1"
[ -f "$root/$manual" ] || manual="$manual.gz"
for file in "$desktop" "$metainfo" "$manual" share/doc/tintara/LICENSE; do need_file "$file"; done

echo "desktop-file-validate $desktop"
desktop-file-validate "$root/$desktop" || fail "desktop-file-validate found errors"
echo "appstreamcli validate --no-net $metainfo"
appstreamcli validate --no-net "$root/$metainfo" || fail "appstreamcli validate found errors"
# The tree as a whole: the metadata's launchable and icon must be installed too.
echo "appstreamcli validate-tree --no-net $root"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree found errors"
echo "groff -man -ww -z $manual"
warnings=$(gzip -cdf "$root/$manual" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1)
[ -z "$warnings" ] || fail "groff warns about the manual page: $warnings"

if [ "$failures" -ne 0 ]; then
  echo "check-install: $failures problem(s) in $root" >&2
  exit 1
fi
echo "check-install: $root is complete ($artwork pictures, 7 icons)"
