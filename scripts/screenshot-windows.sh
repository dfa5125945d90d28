#!/usr/bin/env bash
# Takes docs/windows-window.png and docs/windows-error.png: Veltrop.exe under
# Wine on a virtual display, after a user typed 1000 and clicked Enter, and
# the "Input Error" box after a click on Enter with an empty input.
# Usage: scripts/screenshot-windows.sh [BUILD_DIR]   (default: build/windows)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}
program=$build/ui/win32/Veltrop.exe

if [[ -z ${VELTROP_IN_XVFB:-} ]]; then
  scripts/deps.sh windows
  # The 32-bit build runs only under Wine's 32-bit loader; build/windows64
  # serves where that is missing.
  scripts/deps.sh wine32 || true
  [[ -f $program ]] || { echo "Build $program first (scripts/build-windows.sh)" >&2; exit 1; }
  VELTROP_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$0" "$build"
fi

pid=
start() {
  cmake/wine-run.sh "$(sed -n 's/^VELTROP_WINE_LOADER:FILEPATH=//p' "$build/CMakeCache.txt")" \
    "$build/wine-prefix" "$program" &
  pid=$!
  window=$(xdotool search --sync --onlyvisible --name '^Veltrop$' | head -n 1)
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # Wine draws the frame itself: equal borders left, right and below, the
  # caption above. The client area is 242 x 154 at 96 dpi.
  border=$(((WIDTH - 242) / 2))
  client_x=$((X + border))
  client_y=$((Y + HEIGHT - border - 154))
}
click() { xdotool mousemove $((client_x + $1)) $((client_y + $2)) click 1; }
stop() {
  click 168 124       # Exit
  wait "$pid"
}
trap 'kill $pid 2>/dev/null || true' EXIT

# Positions in the client area, from the layout at 96 dpi.
start
click 200 44          # input box
xdotool type --delay 80 1000
click 136 84          # Enter
xdotool mousemove 5 5
sleep 0.5
import -window "$window" docs/windows-window.png
convert docs/windows-window.png -strip docs/windows-window.png
stop

start
click 136 84          # Enter, with the input still empty
box=$(xdotool search --sync --onlyvisible --name '^Input Error$' | head -n 1)
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$box" | sed 's/^/BOX_/')"
left=$((X < BOX_X ? X : BOX_X))
top=$((Y < BOX_Y ? Y : BOX_Y))
right=$((X + WIDTH > BOX_X + BOX_WIDTH ? X + WIDTH : BOX_X + BOX_WIDTH))
bottom=$((Y + HEIGHT > BOX_Y + BOX_HEIGHT ? Y + HEIGHT : BOX_Y + BOX_HEIGHT))
import -window root -crop "$((right - left + 16))x$((bottom - top + 16))+$((left - 8))+$((top - 8))" \
  +repage docs/windows-error.png
convert docs/windows-error.png -strip docs/windows-error.png
xdotool key Return
stop
echo "Wrote docs/windows-window.png and docs/windows-error.png"
