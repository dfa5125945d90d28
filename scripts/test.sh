#!/usr/bin/env bash
# Installs whatever is missing, builds, and runs every test suite:
# the debug build, the sanitizer build and the Windows build under Wine,
# the hardening of the optimised build, and each fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh core qt windows fuzz bench

jobs=$(nproc)
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
# Runs ctest with the given arguments and keeps its closing count for the
# total printed at the end.
run_ctest() {
  local out
  out=$(mktemp)
  "$@" | tee "$out"
  grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$out" >>"$summary" || true
  rm -f "$out"
}

for preset in dev asan; do
  echo "== ${preset}: configure, build, test"
  cmake --preset "${preset}" >/dev/null
  cmake --build --preset "${preset}" -j "${jobs}"
  run_ctest ctest --preset "${preset}" -j "${jobs}"
done

# The 32-bit Windows program, cross-built; its suites run under Wine, whose
# windows need an X display: a virtual one.
echo "== windows: configure, build, test under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "${jobs}"
run_ctest xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows -j "${jobs}"

# The shipped (optimised) build: its hardening is checked on the binaries.
echo "== bench: configure, build, hardening checks"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "${jobs}"
run_ctest ctest --preset bench

# Each fuzzer runs for a bounded time (VELTROP_FUZZ_SECONDS, 60 by default).
echo "== fuzz: configure, build, bounded fuzzing"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "${jobs}"
run_ctest ctest --preset fuzz -j "${jobs}"
awk '/^[0-9]+\/[0-9]+ Testing: / {name = $3} /^Done [0-9]+ runs/ {print name ": " $0}' \
  build/fuzz/Testing/Temporary/LastTest.log

echo
awk '{total += $NF; failed += $4} END {printf "Total: %d passed, %d failed\n", total - failed, failed}' \
  "$summary"
