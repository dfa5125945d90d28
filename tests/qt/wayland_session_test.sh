#!/usr/bin/env bash
# The calculator on a headless Wayland compositor with real key presses
# (wayland_session.py does the driving). This script checks the tools,
# makes a private runtime directory, drops root (sway refuses to run as
# root), runs the session in a D-Bus session of its own with a time limit,
# and ends every process left in it, whatever happened.
#
# Usage: wayland_session_test.sh PROGRAM SESSION_SCRIPT OUT_DIR
# Exits 77 (skipped) with a "Skipped:" line when a tool is missing; leaves
# the logs and the screenshot (screenshot.png) in OUT_DIR.
set -euo pipefail

program=$1
session_script=$2
out_dir=$3
readonly skip_status=77
readonly limit_seconds=120
readonly unprivileged=65534  # nobody

skip() {
  echo "Skipped: $*"
  exit "$skip_status"
}

# tool:Debian package
for needed in sway:sway wayvnc:wayvnc wtype:wtype grim:grim \
  dbus-run-session:dbus-daemon setpriv:util-linux timeout:coreutils; do
  command -v "${needed%%:*}" >/dev/null ||
    skip "${needed%%:*} is not installed (Debian package ${needed#*:})"
done
[[ -f /usr/share/dbus-1/services/org.a11y.Bus.service ]] ||
  skip "no accessibility bus (Debian package at-spi2-core)"
# Debian's gi lives in the system interpreter, not in one a PATH may put first.
python=/usr/bin/python3
"$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
  skip "no AT-SPI for Python 3 (Debian packages python3-gi, gir1.2-atspi-2.0)"
plugin_dirs=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null ||
  echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
compgen -G "$plugin_dirs/platforms/libqwayland-*.so" >/dev/null ||
  skip "Qt has no Wayland platform plugin (Debian package qt6-wayland)"

mkdir -p "$out_dir"
rm -f "$out_dir"/*.log "$out_dir/screenshot.png"
work=$(mktemp -d -t veltrop-wayland.XXXXXX)
session_pid=
cleanup() {
  local status=$?
  # The session runs in a process group of its own: end all of it.
  if [[ -n $session_pid ]] && kill -0 -- "-$session_pid" 2>/dev/null; then
    kill -TERM -- "-$session_pid" 2>/dev/null || true
    sleep 1
    kill -KILL -- "-$session_pid" 2>/dev/null || true
  fi
  cp "$work"/*.log "$work/screenshot.png" "$out_dir/" 2>/dev/null || true
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The user the session runs as must own its runtime directory and reach
# the program and the script: copies in the work directory, owned by it.
mkdir -m 700 "$work/runtime" "$work/home"
cp "$program" "$work/veltrop"
cp "$session_script" "$work/wayland_session.py"
# A sanitizer build's leak suppressions, where that user can read them.
if [[ ${LSAN_OPTIONS:-} =~ (^|:)suppressions=([^:]*) ]]; then
  cp "${BASH_REMATCH[2]}" "$work/lsan.supp"
  LSAN_OPTIONS=${LSAN_OPTIONS/suppressions=${BASH_REMATCH[2]}/suppressions=$work/lsan.supp}
  export LSAN_OPTIONS
fi
as_user=()
if [[ $(id -u) -eq 0 ]]; then
  chown -R "$unprivileged:$unprivileged" "$work"
  as_user=(setpriv "--reuid=$unprivileged" "--regid=$unprivileged" --clear-groups --)
fi
chmod 755 "$work"

status=0
setsid "${as_user[@]}" env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
  HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
  timeout --kill-after=10 "$limit_seconds" \
  dbus-run-session -- "$python" "$work/wayland_session.py" \
  "$work/veltrop" "$work" "$work/screenshot.png" &
session_pid=$!
wait "$session_pid" || status=$?
if [[ $status -eq 124 ]]; then
  echo "FAILED: the session took longer than $limit_seconds seconds" >&2
fi
if [[ $status -eq 0 && ! -s $work/screenshot.png ]]; then
  echo "FAILED: no screenshot was taken" >&2
  status=1
fi
exit "$status"
