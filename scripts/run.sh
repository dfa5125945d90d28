#!/usr/bin/env bash
# Installs whatever is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh core qt
cmake --preset release >/dev/null
cmake --build --preset release
program=build/release/ui/qt/veltrop
if [[ ! -x $program ]]; then
  echo "Built the address core; the calculator window is not part of this build yet."
  exit 0
fi
exec "$program" "$@"
