#!/usr/bin/env bash
# Installs whatever is missing and cross-builds the Windows program,
# a single self-contained 32-bit Veltrop.exe.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh core windows
cmake --preset windows >/dev/null
cmake --build --preset windows --target Veltrop
echo "Built $(pwd)/build/windows/ui/win32/Veltrop.exe"
