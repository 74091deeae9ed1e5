#!/usr/bin/env bash
# A long fuzzing run for a developer's machine (not CI): every target for SECONDS (default 600),
# JOBS at a time at low priority, each on a copy of its corpus; a finding is kept under
# build/fuzz-findings/. Afterwards each corpus is minimised with libFuzzer's merge into
# fuzz/corpus/, and one summary line per target (runs, coverage, features, corpus) is printed.
#   fuzz-campaign.sh [SECONDS] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
jobs=${2:-2}
source scripts/fuzz-targets.sh
targets=("${fuzz_targets[@]}")
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}" > /dev/null
root=$PWD
bin=$root/build/fuzz/bin
work=$PWD/build/fuzz-campaign
findings=$PWD/build/fuzz-findings
rm -rf "$work"
mkdir -p "$work" "$findings"

run() {
  local target=$1
  mkdir -p "$work/$target"
  cp -r "fuzz/corpus/$(corpus_of "$target")/." "$work/$target/"
  # libmdb itself crashes on some damaged Access files (contained by PalmMdbRead in the wizard).
  local extra=()
  [ "$target" = palm_mdb_fuzz ] && extra=(-fork=1 -ignore_crashes=1)
  (cd "$work" && nice -n 19 "$bin/$target" "${extra[@]}" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
     -artifact_prefix="$findings/$target-" "$work/$target" > "$work/$target.log" 2>&1) || echo "$target: finding, see $work/$target.log"
}

for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 5; done
  run "$target" &
done
wait

# Minimise: the committed inputs stay (seeds and regression cases), and of what the run found
# only the inputs that reach something new are added. A corpus several targets share is merged
# with each of them in turn.
for corpus in $(for t in "${targets[@]}"; do corpus_of "$t"; done | sort -u); do
  merged="$work/merged-$corpus"
  mkdir -p "$merged"
  cp -r "fuzz/corpus/$corpus/." "$merged/"
  for target in "${targets[@]}"; do
    [ "$(corpus_of "$target")" = "$corpus" ] || continue
    (cd "$work" && "$bin/$target" -merge=1 -rss_limit_mb=2048 "$merged" "$work/$target" \
       > "$work/$target.merge.log" 2>&1) || true
  done
  rm -rf "fuzz/corpus/$corpus"
  mv "$merged" "fuzz/corpus/$corpus"
done

for target in "${targets[@]}"; do
  stats=$(grep -E '^#[0-9]+.*(DONE|cov:)' "$work/$target.log" | tail -n 1 || true)
  echo "$target: $stats"
done
