#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo (under the build tree, never in your own data
# folder) and starts the wizard on it. Without a display it says so and runs the same migration
# headless with velmora-batch instead.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/demo-common.sh
demo_build "$PWD/build/demo"
demo_start "$PWD/build/demo" "$@"
