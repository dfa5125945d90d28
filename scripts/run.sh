#!/usr/bin/env bash
# Installs whatever is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh core qt
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/ui/qt/veltrop "$@"
