#!/usr/bin/env bash
# Takes docs/screenshot.png: the real program under Xvfb at 96 dpi, after a
# user typed 1000 and clicked Enter.
# Usage: scripts/screenshot.sh [PROGRAM]   (default: the release build)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/release/ui/qt/veltrop}
out=docs/screenshot.png

if [[ -z ${VELTROP_IN_XVFB:-} ]]; then
  scripts/deps.sh qt
  VELTROP_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 640x480x24 -dpi 96" "$0" "$program"
fi

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name '^Veltrop$' | head -n 1)
sleep 0.5
# Without a window manager the window sits at the screen's top-left corner:
# click into the input box, type, click Enter (positions from the layout).
xdotool mousemove 200 44 click 1
xdotool type --delay 50 1000
xdotool mousemove 136 84 click 1
xdotool mousemove 300 300
sleep 0.5
import -window "$window" "$out"
convert "$out" -strip "$out"
echo "Wrote $out"
