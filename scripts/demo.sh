#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo (under the build tree) and runs one whole
# migration from the demo Google account into the demo ACT! database, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev -j "$(nproc)"
demo_home="$PWD/build/demo"
bash scripts/make-demo.sh "$PWD/build/dev/bin" "$demo_home"
XDG_DATA_HOME="$demo_home" ./build/dev/bin/velmora-batch "$@"
echo
echo "The ACT! database now holds:"
./build/dev/bin/velmora-actpad list "$demo_home/corvane/VLACT/Demo.pad" contacts
echo "Migration log: $demo_home/corvane/VLACT/VLLog.txt"
