#!/bin/sh
# Renders the README's screenshots into docs/ in a virtual X server.
#   scripts/screenshots.sh [build directory]
set -eu
build=${1:-build}
cd "$(dirname "$0")/.."
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
  env QT_QPA_PLATFORM=xcb "$build/tools/capture_docs" docs
