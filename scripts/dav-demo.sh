#!/usr/bin/env bash
# The Google demo read from a real CardDAV/CalDAV server: installs what is missing, builds,
# makes the demo, starts Radicale on 127.0.0.1 holding the demo account's contacts and calendar
# (user demo@example.org, password "demo"), sets the server in the demo's settings and starts the
# wizard on it. Without a display it runs the same migration headless with velmora-batch.
# Radicale stops when the wizard (or the batch run) ends.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/demo-common.sh
demo_home="$PWD/build/dav-demo"
demo_build "$demo_home"
data="$demo_home/corvane/VLACT"
account="$data/GoogleAccounts/demo@example.org"

source scripts/radicale-server.sh
radicale_start "$demo_home/radicale" demo@example.org demo
dav_put "/demo@example.org/contacts/" text/vcard "$account/contacts.vcf"
for calendar in "$account"/*.ics; do
  dav_put "/demo@example.org/$(basename "$calendar" .ics)/" text/calendar "$calendar"
done
# The folder stays, but the helpers now read the server instead; the debug log (appdebug.log)
# shows every request they send.
sed -i "s|^GGEmail=.*|&\nGGServerURL=$RADICALE_URL/\nEnableDebug=1|" "$data/VLACT.ini"
echo "Radicale serves the demo account at $RADICALE_URL/ (demo@example.org, password demo)."

demo_start "$demo_home" "$@"
