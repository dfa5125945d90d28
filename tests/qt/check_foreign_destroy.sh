#!/bin/sh
# Another X client destroys the program's window (as `xdotool windowclose`
# does): the program ends with exit status 0 rather than running on with no
# window. A program that never ends fails by the test's timeout.
# Usage: check_foreign_destroy.sh PROGRAM, on an X display.
set -u
"$1" &
pid=$!
window=$(xdotool search --sync --onlyvisible --pid "$pid" --name '^Veltrop$' | head -n 1)
xdotool windowclose "$window"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "exit status $status" >&2; exit 1; }
