#!/usr/bin/env bash
# Time and peak memory of velmora-batch migrating an Outlook data file of 20,000 contacts and
# 20,000 appointments (a fifth of them recurring) into the demo ACT! database (release build).
#   bash bench/outlook_to_act.sh [contacts] [appointments]
set -euo pipefail
cd "$(dirname "$0")/.."
contacts=${1:-20000}
appointments=${2:-20000}
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)" > /dev/null
home="$PWD/build/release/bench-outlook-home"
bash scripts/make-demo.sh "$PWD/build/release/bin" "$home" outlook > /dev/null
./build/release/bin/velmora-pst bulk "$home/Outlook Files/Demo.pst" "$contacts" "$appointments"
sed -i 's/^SyncTask=.*//; s/^SyncNote=.*//' "$home/corvane/VLACT/VLACT.ini"
XDG_DATA_HOME="$home" /usr/bin/time -f "velmora-batch: %e s elapsed, %M KB peak memory (resident)" \
  ./build/release/bin/velmora-batch > "$home/batch-output.txt"
tail -n 4 "$home/batch-output.txt"
