#!/bin/sh
# Installs the Debian packages that building, running and testing need.
# Does nothing when they are all present already.
set -eu

PACKAGES="
  cmake
  g++
  make
  pkg-config
  qt6-base-dev
  qt6-qpa-plugins
  libgl-dev
  libxcb1-dev
  fonts-liberation2
  fontconfig
  libbenchmark-dev
  xvfb
  xauth
  xdotool
  clang
  libclang-rt-14-dev
"

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

export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -q
# shellcheck disable=SC2086
$as_root apt-get install -y -q --no-install-recommends $missing
