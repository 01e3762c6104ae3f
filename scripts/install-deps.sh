#!/usr/bin/env bash
# Installs the Debian packages the build, tests and screenshots need.
# Idempotent: does nothing when every package is already present.
set -euo pipefail

# g++ brings the AddressSanitizer and UndefinedBehaviorSanitizer runtimes `make check` links.
packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)
if [ "${1:-}" = "--with-desktop" ]; then
  packages+=(xvfb xdotool imagemagick)
fi
if [ "${1:-}" = "--with-fuzz" ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
