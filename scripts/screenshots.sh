#!/usr/bin/env bash
# Pictures of the program as a user's display shows it: starts the built
# program's screenshot runner under an Xvfb of its own with Qt's X11 platform
# and writes PNGs into <build-dir>/screenshots (default build/). Builds
# nothing: run scripts/build.sh and scripts/content.sh first.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
runner="$build/bin/app_screenshots"
if [ ! -x "$runner" ]; then
  echo "missing $runner: build first (scripts/build.sh)" >&2
  exit 1
fi
if [ ! -d "$build/bin/DataEng" ]; then
  echo "missing $build/bin/DataEng: write the sample content first (scripts/content.sh)" >&2
  exit 1
fi
out="$build/screenshots"
rm -rf "$out"
mkdir -p "$out"
# The program's design size on an ordinary screen: splash, days, small sizes.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  env QT_QPA_PLATFORM=xcb "$runner" "$out" design
# A user's scale of 1.25 on a 1280x720 screen.
xvfb-run -a -s "-screen 0 1280x720x24" \
  env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1.25 "$runner" "$out" scaled
ls -1 "$out"
