#!/usr/bin/env bash
# Installs what is missing, then configures, builds and runs every test twice:
# once plainly and once under AddressSanitizer and UndefinedBehaviorSanitizer; then builds the
# Debian package and checks it (scripts/package-check.sh); then runs each fuzz target for a few
# seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
for preset in dev asan-ubsan; do
  echo "=== $preset ==="
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

echo "=== package ==="
bash scripts/package-check.sh

echo "=== fuzz ==="
bash scripts/fuzz.sh 5
