#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo (under the build tree, never in your own data
# folder) and starts the wizard on it. Without a display it says so and runs the same migration
# headless with velmora-batch instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev -j "$(nproc)"
demo_home="$PWD/build/demo"
bash scripts/make-demo.sh "$PWD/build/dev/bin" "$demo_home"
export XDG_DATA_HOME="$demo_home"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/dev/bin/velmora
fi
echo "There is no display to show the wizard on; running the demo migration headless instead."
./build/dev/bin/velmora-batch "$@"
echo
echo "The ACT! database now holds:"
./build/dev/bin/velmora-actpad list "$demo_home/corvane/VLACT/Demo.pad" contacts
echo "Migration log: $demo_home/corvane/VLACT/VLLog.txt"
