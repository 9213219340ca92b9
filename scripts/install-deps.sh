#!/bin/sh
# Installs the Debian packages that one kind of work needs:
#   scripts/install-deps.sh run       build and run the program
#   scripts/install-deps.sh package   also install it and build its .deb
#   scripts/install-deps.sh test      also build and run the tests and benchmarks (the default)
# Does nothing when they are all present already. Only the installation
# itself needs root: a normal user is asked for sudo's password then.
set -eu

# Building the program, and what it loads at run time: the metric twin of
# Arial and Qt's own texts in Portuguese.
RUN="
  cmake
  g++
  make
  pkg-config
  qt6-base-dev
  libgl-dev
  fonts-liberation2
  fontconfig
  qt6-translations-l10n
"

# The icons (drawn to SVG by a tool of ours) and the .deb (its library
# dependencies are read from the binary by dpkg-shlibdeps, which CPack finds
# through `file`).
PACKAGE="
  qt6-svg-dev
  dpkg-dev
  file
"

# Tests (a virtual X server driven by xdotool, the validators of the
# installed files) and benchmarks.
TEST="
  libbenchmark-dev
  xvfb
  xauth
  xdotool
  libxcb1-dev
  desktop-file-utils
  appstream
  groff-base
  poppler-utils
  openbox
  clang
  libclang-rt-14-dev
"

case "${1:-test}" in
  run) PACKAGES="$RUN" ;;
  package) PACKAGES="$RUN $PACKAGE" ;;
  test) PACKAGES="$RUN $PACKAGE $TEST" ;;
  *)
    echo "usage: $0 [run|package|test]" >&2
    exit 2
    ;;
esac

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "These packages are missing and installing them needs root:$missing" >&2
  exit 1
fi

$as_root apt-get update -q
# sudo drops the caller's environment, so the front end is set inside it.
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
