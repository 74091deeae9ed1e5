#!/usr/bin/env bash
# Time and peak memory of velmora-batch migrating a Google account of 20,000 contacts and 20,000
# events into an ACT! database of 20,000 contacts, half of them matching (release build).
#   bash bench/google_to_act.sh [count]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-20000}
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)" > /dev/null
home="$PWD/build/release/bench-home"
./build/release/bin/make_google_bench_data "$home" "$count"
XDG_DATA_HOME="$home" /usr/bin/time -f "velmora-batch: %e s elapsed, %M KB peak memory (resident)" \
  ./build/release/bin/velmora-batch > "$home/batch-output.txt"
tail -n 4 "$home/batch-output.txt"
