#!/usr/bin/env bash
# Walks the wizard along the Google path on a fresh demo under Xvfb and saves a picture of every
# step into build/screenshots/ (or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-$PWD/build/screenshots}
bash scripts/install-deps.sh
cmake --preset dev > /dev/null
cmake --build --preset dev -j "$(nproc)" > /dev/null
demo_home="$PWD/build/screenshot-demo"
bash scripts/make-demo.sh "$PWD/build/dev/bin" "$demo_home" > /dev/null
XDG_DATA_HOME="$demo_home" xvfb-run -a -s "-screen 0 1280x1024x24" ./build/dev/bin/velmora-screenshots "$out"
