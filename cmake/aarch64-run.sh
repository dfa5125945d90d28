#!/bin/sh
# Runs an aarch64 Linux program: directly where aarch64 programs run as they
# are (an arm64 machine, or inside the arm64 root, whose programs qemu-user's
# binfmt handler starts), else under QEMU with the target's libraries.
# Usage: aarch64-run.sh QEMU LIBRARY_ROOT PROGRAM [ARGUMENTS...]
set -eu
[ $# -ge 3 ] || { echo "usage: $0 QEMU LIBRARY_ROOT PROGRAM [ARGUMENTS...]" >&2; exit 2; }
qemu=$1
root=$2
shift 2
case "$(uname -m)" in
  aarch64 | arm64) exec "$@" ;;
esac
exec "$qemu" -L "$root" "$@"
