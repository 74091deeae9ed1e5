#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a while (default 5 seconds)
# on a copy of its corpus. A finding stops the script with the target's report.
#   fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(pe_version_fuzz profile_files_fuzz recurrence_text_fuzz vcard_fuzz
           palm_addr_ex_fuzz palm_date_ex_fuzz palm_todo_ex_fuzz palm_memo_ex_fuzz
           palm_addr_fuzz palm_date_fuzz palm_todo_fuzz palm_memo_fuzz palm_mdb_fuzz
           recurrence_blob_fuzz rtf_text_fuzz outlook_answer_fuzz exchange_records_fuzz helper_params_fuzz dav_answer_fuzz)
fi
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
  corpus=${target%_fuzz}
  case $target in palm_mdb_fuzz) ;; palm_*) corpus=palm_dat ;; esac
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
