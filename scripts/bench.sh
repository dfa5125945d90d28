#!/usr/bin/env bash
# Builds the optimised program with its yardsticks and prints the figures:
#  - the per-number cost of reading, splitting and formatting (Google Benchmark);
#  - start to window mapped, and peak memory, of the Qt window against a bare
#    Qt window of the same size, under Xvfb, alternating A B A B; and, for
#    information only, a bare window with one label in the window's font;
#  - the web page's size, raw and gzipped, and its navigation to interactive
#    in headless Chromium and Firefox against a bare page of the same eleven
#    controls, 2 x RUNS loads of each;
#  - Veltrop.exe's size, and its start to window mapped under Wine against a
#    bare Win32 window built the same way (when the Windows build is set up).
# Usage: scripts/bench.sh [RUNS]   (runs of each program, default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}

scripts/deps.sh core qt bench
# Builds quietly, but shows the whole log when a build fails.
quiet() {
    local log
    log=$("$@" 2>&1) || { echo "$log"; return 1; }
}

quiet cmake --preset bench
quiet cmake --build --preset bench
build=build/bench
timer=$build/bench/veltrop_map_timer

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.3f", a/b}'; }

echo "== Machine"
echo "$(uname -srm), $(nproc) CPUs: $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
echo "$(awk '/MemTotal/ {printf "%.1f GiB RAM", $2/1048576}' /proc/meminfo), $(date -u +%Y-%m-%dT%H:%MZ)"

echo
echo "== Per number: ParseLocoNumber + ComputeExtendedAddress + FormatCvValue (both values)"
"$build/bench/veltrop_core_bench" --benchmark_min_time=1 2>&1

work=$(mktemp -d)
xvfb_pid=""
wine_prefix=""
cleanup() {
    [[ -n $wine_prefix ]] && WINEPREFIX=$wine_prefix TMPDIR=/tmp wineserver -k 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb

# One start of a program whose window has the given title: appends the
# milliseconds from start to window mapped and, with /usr/bin/time, the peak RSS.
measure() {
    local name=$1 title=$2
    shift 2
    "$timer" --title "$title" /usr/bin/time -v -o "$work/time" "$@" 2>/dev/null |
        awk '{print $2}' >>"$work/$name.ms"
    awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time" >>"$work/$name.kb"
}
measure_start() {
    local name=$1 title=$2
    shift 2
    "$timer" --title "$title" "$@" 2>/dev/null | awk '{print $2}' >>"$work/$name.ms"
}

report() {
    local what=$1 unit=$2 a=$3 b=$4 ext=$5
    local ma mb
    ma=$(median <"$work/$a.$ext")
    mb=$(median <"$work/$b.$ext")
    printf '%-28s %s %10s   %s %10s   ratio %s\n' "$what ($unit)" "$a" "$ma" "$b" "$mb" "$(ratio "$ma" "$mb")"
}

echo
echo "== Qt window under Xvfb: start to window mapped, peak RSS; median of $runs, A B C A B C"
veltrop=$build/ui/qt/veltrop
bare=$build/bench/bare_qt/veltrop_bare_qt
bare_text=$build/bench/bare_qt_text/veltrop_bare_qt_text
# Warm the caches.
measure_start warmup Veltrop "$veltrop" && measure_start warmup Bare "$bare" &&
    measure_start warmup BareText "$bare_text"
for _ in $(seq "$runs"); do
    measure veltrop Veltrop "$veltrop"
    measure bare_qt Bare "$bare"
    measure bare_qt_text BareText "$bare_text"
done
report "start to mapped" ms veltrop bare_qt ms
report "peak RSS" KiB veltrop bare_qt kb
echo "-- informational, no target: bare_qt_text, the bare window with one label in the window font"
report "start to mapped" ms bare_qt_text bare_qt ms
report "peak RSS" KiB bare_qt_text bare_qt kb
report "start to mapped" ms veltrop bare_qt_text ms
report "peak RSS" KiB veltrop bare_qt_text kb

echo
echo "== Web page: size, navigation to interactive, headless; median of $((runs * 2)), A B A B"
if scripts/deps.sh web && quiet cmake --preset web && quiet cmake --build --preset web --target veltrop_web; then
    node tests/web/bench.mjs build/web/ui/web/Veltrop.html "$((runs * 2))"
else
    echo "web page not measured: its build or its packages could not be set up"
fi

if ! cmake --list-presets 2>/dev/null | grep -q '"windows"'; then
    exit 0
fi
echo
echo "== Veltrop.exe under Wine: size, start to window mapped; median of $runs, A B A B"
if ! scripts/deps.sh windows wine32 || ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "Veltrop.exe not measured: Wine's 32-bit loader cannot be installed or cannot start here"
    exit 0
fi
wbuild=build/bench-windows
quiet cmake --preset windows -B "$wbuild" -DVELTROP_BUILD_BENCH=ON -DVELTROP_BUILD_TESTS=OFF
quiet cmake --build "$wbuild" --target Veltrop veltrop_bare_win32
exe=$wbuild/ui/win32/Veltrop.exe
bare_exe=$wbuild/bench/bare_win32/veltrop_bare_win32.exe
printf '%-28s %s %10s   %s %10s\n' "size (bytes)" Veltrop.exe "$(stat -c %s "$exe")" \
    bare_win32 "$(stat -c %s "$bare_exe")"

# One prefix and one wineserver for every start, so that no start pays for
# setting them up.
wine_prefix=$PWD/$wbuild/wine-prefix
cmake/wine-run.sh /usr/lib/wine/wine "$wine_prefix" cmd /c exit >/dev/null 2>&1
WINEPREFIX=$wine_prefix TMPDIR=/tmp wineserver -w  # until the one that ran it is gone
WINEPREFIX=$wine_prefix TMPDIR=/tmp wineserver -p
wine_run=(cmake/wine-run.sh /usr/lib/wine/wine "$wine_prefix")
measure_start warmup Veltrop "${wine_run[@]}" "$exe"
measure_start warmup Bare "${wine_run[@]}" "$bare_exe"
for _ in $(seq "$runs"); do
    measure_start Veltrop.exe Veltrop "${wine_run[@]}" "$exe"
    measure_start bare_win32 Bare "${wine_run[@]}" "$bare_exe"
done
report "start to mapped" ms Veltrop.exe bare_win32 ms
