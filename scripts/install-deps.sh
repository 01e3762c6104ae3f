#!/usr/bin/env bash
# Installs the Debian packages the build needs, and with options those of the other targets:
#   --with-tests    GoogleTest, for `make test` and `make check`
#   --with-bench    Google Benchmark, ImageMagick, cjpeg and bc, for `make bench`
#   --with-package  dpkg-shlibdeps and file, for `make package`
#   --with-lint     the desktop entry, AppStream and manual page checkers, for `make lint`
#   --with-desktop  an X server, a Wayland compositor and tools to drive, photograph and read the
#                   window as screen readers do
#   --with-fuzz     clang and its libFuzzer runtime, for `make fuzz`
# Idempotent: does nothing when every package is already present.
set -euo pipefail

# g++ brings the AddressSanitizer and UndefinedBehaviorSanitizer runtimes `make check` links.
packages=(
  cmake g++ make pkg-config gettext
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev libpng-dev libgif-dev
  qt6-translations-l10n
)
for option in "$@"; do
  case "$option" in
    --with-tests) packages+=(libgtest-dev libgmock-dev) ;;
    --with-bench) packages+=(libbenchmark-dev imagemagick libjpeg-turbo-progs bc) ;;
    --with-package) packages+=(dpkg-dev file) ;;
    --with-lint) packages+=(desktop-file-utils appstream groff-base) ;;
    --with-desktop) packages+=(xvfb xdotool imagemagick openbox weston qt6-wayland dbus at-spi2-core python3-pyatspi) ;;
    --with-fuzz) packages+=(clang libclang-rt-dev) ;;
    *)
      echo "install-deps.sh: unknown option $option" >&2
      exit 2
      ;;
  esac
done

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
