#!/usr/bin/env bash
# Installs a release .deb as a user would (apt install ./FILE) into a clean
# Debian 12 root of the package's architecture, with no Qt in it (a copy of
# a cached root that holds only an X display and the accessibility bus),
# and checks there that the installed program computes: 1000, then Enter,
# gives CV17 195 and CV18 232, read back over the accessibility bus.
# Usage: scripts/check-package.sh DEB
# The clean roots are kept in VELTROP_CLEAN_ROOTS
# (/var/cache/veltrop/clean-roots); each check works on a copy.
set -euo pipefail
[[ $# -eq 1 && -f $1 ]] || { echo "usage: $0 DEB" >&2; exit 2; }
deb=$(realpath "$1")
cd "$(dirname "$0")/.."
arch=$(dpkg-deb -f "$deb" Architecture)
clean=${VELTROP_CLEAN_ROOTS:-/var/cache/veltrop/clean-roots}
VELTROP_ROOTS=$clean scripts/debian-root.sh "$arch" ensure package_check

work=$(mktemp -d /var/tmp/veltrop-check.XXXXXX)
trap 'rm -rf "$work"' EXIT
cp -a "$clean/bookworm-$arch" "$work/"
cp "$deb" "$work/bookworm-$arch/var/tmp/"
in_copy=(env VELTROP_ROOTS="$work" scripts/debian-root.sh "$arch" run)
echo "== apt install ./$(basename "$deb") into a clean $arch root"
"${in_copy[@]}" sh -c 'cd /var/tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$1"' \
  sh "$(basename "$deb")"
echo "== the installed program under Xvfb, read back over the accessibility bus"
"${in_copy[@]}" xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- \
  python3 "$PWD/tests/qt/x11_package_session.py" /usr/bin/veltrop
