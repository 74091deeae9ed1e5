#!/usr/bin/env bash
# Checks what an installation holds: the desktop entry, the AppStream metainfo and the man pages
# validate; the Debian package built from the release preset holds the install layout; and the
# programs unpacked from it run, with their helpers found under libexec, through a demo migration.
set -euo pipefail
cd "$(dirname "$0")/.."

desktop-file-validate packaging/velmora.desktop
appstreamcli validate --no-net packaging/example.velmora.Velmora.metainfo.xml > /dev/null
for page in packaging/man/*.1; do
  warnings=$(man --warnings -l "$page" 2>&1 > /dev/null)
  if [ -n "$warnings" ]; then
    echo "$page: $warnings"
    exit 1
  fi
done

cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)" > /dev/null
rm -f build/release/velmora_*.deb
(cd build/release && cpack -G DEB > /dev/null)
deb=$(ls build/release/velmora_*.deb)
contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for path in bin/velmora bin/velmora-batch bin/velmora-actpad bin/velmora-actview \
            libexec/velmora/Corvane.ACTAddrUtil libexec/velmora/Corvane.ACTDateUtil libexec/velmora/Corvane.ACTTaskUtil \
            libexec/velmora/Corvane.ACTNoteUtil libexec/velmora/GAddrUtil libexec/velmora/GDateUtil \
            libexec/velmora/Corvane.NotesAddr libexec/velmora/Corvane.NotesDate libexec/velmora/Corvane.NotesTask \
            libexec/velmora/Corvane.NotesNote libexec/velmora/PalmMdbRead libexec/velmora/OutlookPstRead \
            share/applications/velmora.desktop share/metainfo/example.velmora.Velmora.metainfo.xml \
            share/icons/hicolor/scalable/apps/velmora.svg share/icons/hicolor/128x128/apps/velmora.png \
            share/man/man1/velmora.1 share/man/man1/velmora-batch.1 share/man/man1/velmora-actpad.1; do
  if ! grep -qx "./usr/$path" <<< "$contents"; then
    echo "$deb lacks /usr/$path"
    exit 1
  fi
done
dpkg-deb --field "$deb" Depends | grep -q libsqlite3 || { echo "$deb: no computed dependencies"; exit 1; }

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
"$unpacked/usr/bin/velmora-batch" --version | grep -qx "velmora-batch [0-9.]*"
# The demo's data are made with the build's tools; the migration runs from the package alone.
bash scripts/make-demo.sh "$PWD/build/release/bin" "$unpacked/home" google > /dev/null
XDG_DATA_HOME="$unpacked/home" "$unpacked/usr/bin/velmora-batch" > "$unpacked/batch.txt" 2> /dev/null
grep -qx "Number of Contact Records Migrated:	3" "$unpacked/batch.txt" || { cat "$unpacked/batch.txt"; exit 1; }
echo "package check: $(basename "$deb") passed"
