#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a while (default 5 seconds)
# on a copy of its corpus. A finding stops the script with the target's report.
#   fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
shift || true
source scripts/fuzz-targets.sh
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${fuzz_targets[@]}")
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
  corpus=$(corpus_of "$target")
  mkdir -p "$work/$target"
  cp -r "fuzz/corpus/$corpus/." "$work/$target/"
  echo "=== $target, $seconds s ==="
  # libmdb itself crashes on some damaged Access files (the wizard reads them in PalmMdbRead, a
  # process of its own, so a crash costs only that program): its target goes on past them.
  extra=()
  [ "$target" = palm_mdb_fuzz ] && extra=(-fork=1 -ignore_crashes=1)
  if ! (cd "$work" && "$OLDPWD/build/fuzz/bin/$target" "${extra[@]}" -max_total_time="$seconds" -rss_limit_mb=2048 \
        "$work/$target" > "$work/$target.log" 2>&1); then
    cat "$work/$target.log"
    exit 1
  fi
  tail -n 1 "$work/$target.log"
done
