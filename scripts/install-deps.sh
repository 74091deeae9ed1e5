#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

packages=(g++ cmake ninja-build googletest libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev libical-dev pkg-config tzdata qt6-base-dev xvfb xauth fonts-dejavu-core clang libclang-rt-14-dev mdbtools-dev mdbtools libpff-dev libbfio-dev pff-tools libsodium-dev sqlite3 desktop-file-utils appstream dpkg-dev file man-db librsvg2-bin libcurl4-openssl-dev libxml2-dev radicale xandikos curl openssl python3)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
apt="$sudo apt-get -o DPkg::Lock::Timeout=300"
if ! $apt install -y "${missing[@]}"; then
  $apt update
  $apt install -y "${missing[@]}"
fi
