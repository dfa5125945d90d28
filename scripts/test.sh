#!/usr/bin/env bash
# Installs whatever is missing, builds, and runs every test suite:
# the debug build, the sanitizer build and the Windows build under Wine,
# the hardening of the optimised build, and each fuzzer for a bounded time.
# Every suite runs even when an earlier one fails; the total comes last,
# and the exit status is non-zero if any build or test failed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh core qt windows fuzz bench

jobs=$(nproc)
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
failed_steps=()

# Configures and builds a preset; a failure is recorded and its suite skipped.
build() {
  local preset=$1
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$jobs"; }; then
    failed_steps+=("$preset build")
    return 1
  fi
}

# Runs ctest with the given arguments and keeps its closing count for the
# total printed at the end.
run_ctest() {
  local preset=$1 out status=0
  shift
  out=$(mktemp)
  "$@" | tee "$out" || status=$?
  grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$out" >>"$summary" || true
  rm -f "$out"
  ((status == 0)) || failed_steps+=("$preset tests")
}

for preset in dev asan; do
  echo "== ${preset}: configure, build, test"
  build "$preset" && run_ctest "$preset" ctest --preset "$preset" -j "$jobs"
done

# The 32-bit Windows program, cross-built, with its installer and zip; its
# suites run under Wine, whose windows need an X display: a virtual one.
echo "== windows: configure, build, test under Wine"
build windows &&
  run_ctest windows xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows -j "$jobs"

# The shipped (optimised) build: its hardening is checked on the binaries.
echo "== bench: configure, build, hardening checks"
build bench && run_ctest bench ctest --preset bench

# Each fuzzer runs for a bounded time (VELTROP_FUZZ_SECONDS, 60 by default).
echo "== fuzz: configure, build, bounded fuzzing"
if build fuzz; then
  run_ctest fuzz ctest --preset fuzz -j "$jobs"
  awk '/^[0-9]+\/[0-9]+ Testing: / {name = $3} /^Done [0-9]+ runs/ {print name ": " $0}' \
    build/fuzz/Testing/Temporary/LastTest.log
fi

echo
awk '{total += $NF; failed += $4} END {printf "Total: %d passed, %d failed\n", total - failed, failed}' \
  "$summary"
if ((${#failed_steps[@]} > 0)); then
  failed=$(printf '%s, ' "${failed_steps[@]}")
  echo "Failed: ${failed%, }"
  exit 1
fi
