#!/usr/bin/env bash
# Installs the built program into a fresh prefix, makes the prefix read-only, and runs the
# installed program from there as a user would: without a display, its settings and outputs
# going to the user's own folders. Usage: run_installed.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
cleanup() {
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -p "$HOME" && cd "$HOME"

fail() {
  echo "installed program: $*" >&2
  exit 1
}

"$prefix/bin/tintara" --version | grep -q '^Tintara ' || fail "--version"
"$prefix/bin/tintara" --help | grep -q 'Usage: tintara' || fail "--help"
# The installed catalogues are found from the program's own folder.
[ "$(env -u LC_ALL LANG=C.UTF-8 LANGUAGE=de "$prefix/bin/tintara" --help)" != \
  "$(LC_ALL=C "$prefix/bin/tintara" --help)" ] || fail "--help is not translated"
"$prefix/bin/tintara" paint "$prefix/share/tintara/FEMALE1.BMP" --codes "17 18 19" \
  --output out.png || fail "paint"
[ -s out.png ] || fail "paint wrote no out.png"

# The window, on the offscreen platform: it starts from the read-only prefix, finds its artwork
# and keeps running until it is stopped.
QT_QPA_PLATFORM=offscreen "$prefix/bin/tintara" "$prefix/share/tintara/HARROW.BMP" &
window=$!
sleep 2
kill -0 "$window" 2>/dev/null || fail "the window did not keep running"
kill "$window"
wait "$window" 2>/dev/null || true
[ -d "$XDG_CONFIG_HOME/tintara" ] || fail "no settings folder in the user's configuration"
echo "installed program: ok"
