#!/usr/bin/env bash
# Installs whatever is missing, builds, and runs every test suite:
# the debug build, the sanitizer build, the Windows build under Wine, the
# arm64 build under emulation, the hardening of the optimised build, the web
# page in Chromium and Firefox, and each fuzzer for a bounded time.
# Every suite runs even when an earlier one fails; the total comes last,
# then every skipped test with its reason, and the exit status is non-zero
# if any build or test failed.
set -euo pipefail
cd "$(dirname "$0")/.."

# A package that cannot be installed is named and left out: the suites that
# need it take their fallback, or fail on their own.
notes=$(mktemp)
summary=$(mktemp)
skipped=$(mktemp)
root_logs=$(mktemp -d)
trap 'rm -rf "$notes" "$summary" "$skipped" "$root_logs"' EXIT
scripts/deps.sh core qt wayland windows wine32 fuzz bench web roots arm64 2> >(tee -a "$notes" >&2) || true

jobs=$(nproc)
failed_steps=()

# Where the time goes: each step's seconds, printed with the total.
step_times=()
step_name=setup
step_start=0
mark() {
  step_times+=("$step_name $((SECONDS - step_start)) s")
  step_name=$1
  step_start=$SECONDS
}

# Configures and builds a preset, with any command after it as the prefix
# of both steps (a Debian root's run); a failure is recorded and its suite
# skipped.
build() {
  local preset=$1
  shift
  if ! { "$@" cmake --preset "$preset" >/dev/null && "$@" cmake --build --preset "$preset" -j "$jobs"; }; then
    failed_steps+=("$preset build")
    return 1
  fi
}

# Runs ctest with the given arguments; keeps its closing count for the total
# printed at the end, and each test that did not run with the reason its
# output gave (the line after GoogleTest's "Skipped", or a "Skipped: " line).
run_ctest() {
  local preset=$1 out status=0
  shift
  out=$(mktemp)
  "$@" | tee "$out" || status=$?
  grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$out" >>"$summary" || true
  sed -n '/^The following tests did not run:/,/^$/s/^[[:space:]]*[0-9]* - //p' "$out" |
    while read -r line; do
      local name=${line% (*}
      local reason
      reason=$(awk -v want="$name" '
        /^[0-9]+\/[0-9]+ Testing: / { name = substr($0, index($0, "Testing: ") + 9); reason = ""; after = 0; next }
        after { reason = $0; after = 0 }
        / Skipped$/ { after = 1 }
        /^Skipped: / { reason = substr($0, 10) }
        /^<end of output>/ && name == want { print reason; exit }
      ' "build/$preset/Testing/Temporary/LastTest.log" 2>/dev/null)
      echo "  ${preset}: ${line}: ${reason:-no reason printed}" >>"$skipped"
    done
  rm -f "$out"
  ((status == 0)) || failed_steps+=("$preset tests")
}

# Where the 32-bit Windows program's suites run (see the windows step
# below): with the host's wine32, in a 32-bit Debian root, or on the 64-bit
# build. Decided by starting a 32-bit program, not by Wine's answer.
if ! no_32_bit=$(scripts/starts-32-bit.sh 2>&1); then
  windows_route=64-bit
elif dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  windows_route=host
else
  windows_route=root
fi
# On a fresh machine the Debian roots take minutes to make (the arm64 one's
# package scripts run emulated): they are made in the background while the
# native suites build and run, each logging to a file shown when it is
# waited for.
declare -A root_pids
start_root() {
  local arch=$1
  shift
  scripts/debian-root.sh "$arch" ensure "$@" >"$root_logs/$arch" 2>&1 &
  root_pids[$arch]=$!
}
wait_root() {
  local status=0
  wait "${root_pids[$1]}" || status=$?
  sed "s/^/  $1 root: /" "$root_logs/$1"
  return "$status"
}
[[ $windows_route == root ]] && start_root i386 windows_root
start_root arm64 arm64_root

for preset in dev asan; do
  mark "$preset"
  echo "== ${preset}: configure, build, test"
  build "$preset" && run_ctest "$preset" ctest --preset "$preset" -j "$jobs"
done

# The 32-bit Windows program, cross-built, with its installer and zip; its
# suites run under Wine, whose windows need an X display: a virtual one.
# Wine runs it through a 32-bit Linux loader. Where the host has that
# (wine32:i386), the suites run here; where it cannot be installed but this
# machine starts 32-bit programs, the preset is built and tested in a 32-bit
# Debian root with its own Wine; where 32-bit programs cannot start at all,
# the checks of the executable and downloads still run here, and the same
# window, program and installer suites run on a 64-bit build of the same
# sources under wine64.
mark windows
wine_display=(xvfb-run -a -s "-screen 0 1024x768x24")
if [[ $windows_route == root ]]; then
  echo "== windows: the 32-bit Debian root (wine32:i386 is not installed here)"
  if ! wait_root i386; then
    no_32_bit="the 32-bit Debian root could not be made (see above)"
    failed_steps+=("32-bit root")
    windows_route=64-bit
  fi
fi
if [[ $windows_route == root ]]; then
  echo "== windows: configure, build, test in the 32-bit root, under its Wine"
  in_root=(scripts/debian-root.sh i386 run)
  build windows "${in_root[@]}" &&
    run_ctest windows "${in_root[@]}" "${wine_display[@]}" ctest --preset windows -j "$jobs"
  route_note="the 32-bit Veltrop.exe's suites ran in the 32-bit Debian root $(scripts/debian-root.sh i386 path), under its Wine (wine32:i386 is not installed on this machine)"
else
  echo "== windows: configure, build, test under Wine"
  route_note="the 32-bit Veltrop.exe's suites ran under this machine's wine32"
  if build windows; then
    run_ctest windows "${wine_display[@]}" ctest --preset windows -j "$jobs"
    if ! grep -qx 'VELTROP_WINE_USABLE:INTERNAL=ON' build/windows/CMakeCache.txt; then
      echo "== windows64: the Windows suites on a 64-bit build, under wine64"
      build windows64 && run_ctest windows64 "${wine_display[@]}" ctest --preset windows64 -j "$jobs"
      [[ -n $no_32_bit ]] || no_32_bit="the 32-bit Wine loader cannot start here"
      route_note="the Windows suites ran on the 64-bit build under wine64, and the installed 32-bit program's run is skipped: $no_32_bit"
    fi
  fi
fi

# The arm64 Linux program: cross-compiled here against an arm64 Debian
# root, its core and window suites run in that root under qemu-user.
mark arm64
echo "== arm64: the core and window suites, cross-built, run emulated"
if wait_root arm64; then
  build arm64 env VELTROP_AARCH64_SYSROOT="$(scripts/debian-root.sh arm64 path)" &&
    run_ctest arm64 scripts/debian-root.sh arm64 run ctest --preset arm64 -j "$jobs"
else
  failed_steps+=("arm64 root")
fi

# The shipped (optimised) build: its hardening is checked on the binaries.
mark bench
echo "== bench: configure, build, hardening checks"
build bench && run_ctest bench ctest --preset bench

# The web page: the core suites as WebAssembly under node, and the page in
# Chromium and Firefox.
mark web
echo "== web: configure, build, test"
build web && run_ctest web ctest --preset web -j "$jobs"

# Each fuzzer runs for a bounded time (VELTROP_FUZZ_SECONDS, 60 by default).
mark fuzz
echo "== fuzz: configure, build, bounded fuzzing"
if build fuzz; then
  run_ctest fuzz ctest --preset fuzz -j "$jobs"
  awk '/^[0-9]+\/[0-9]+ Testing: / {name = $3} /^Done [0-9]+ runs/ {print name ": " $0}' \
    build/fuzz/Testing/Temporary/LastTest.log
fi

echo
skipped_count=$(wc -l <"$skipped")
awk -v skipped="$skipped_count" '{total += $NF; failed += $4}
  END {printf "Total: %d passed, %d failed, %d skipped\n", total - failed - skipped, failed, skipped}' \
  "$summary"
mark end
echo "Windows: ${route_note:-no Windows suite ran}."
time_list=$(printf '%s, ' "${step_times[@]}")
echo "Time: ${time_list%, } (${SECONDS} s in all)"
if ((skipped_count > 0)); then
  echo "Skipped, with the reason each gave:"
  cat "$skipped"
fi
if grep -q '^deps: not installed' "$notes"; then
  echo "Packages that could not be installed (see above for apt's reasons):"
  grep '^deps: not installed' "$notes" | sed 's/^deps: not installed: /  /'
fi
if ((${#failed_steps[@]} > 0)); then
  failed=$(printf '%s, ' "${failed_steps[@]}")
  echo "Failed: ${failed%, }"
  exit 1
fi
