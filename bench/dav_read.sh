#!/usr/bin/env bash
# Time and HTTP requests of the Google helpers reading 5,000 contacts and 5,000 events (or the
# count given) from Radicale on 127.0.0.1 (release build). The requests must grow only with the
# batches (a hundred contacts each), never with one request per record.
#   bash bench/dav_read.sh [count]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-5000}
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)" --target dav_bench make_google_bench_data > /dev/null
home="$PWD/build/release/dav-bench-home"
./build/release/bin/make_google_bench_data "$home" "$count"
account="$home/corvane/VLACT/GoogleAccounts/bench@example.org"
source scripts/radicale-server.sh
radicale_start "$home/radicale" bench@example.org bench
dav_put "/bench@example.org/contacts/" text/vcard "$account/contacts.vcf"
dav_put "/bench@example.org/events/" text/calendar "$account/events.ics"
work="$home/work/"
mkdir -p "$work"
./build/release/bin/dav_bench "$RADICALE_URL/" bench@example.org bench "$work"
