#!/usr/bin/env bash
# Installs the Debian packages a build needs, only when some are missing.
# Usage: scripts/deps.sh GROUP...
#        scripts/deps.sh --list GROUP...   (only print the groups' packages)
#   (groups: core qt wayland windows wine32 aarch64 fuzz bench release web
#    roots arm64 windows_root arm64_root package_check)
#
# The package registry may be mid-sync, or one architecture's index may lag
# the other's: the index update is retried, an index that still fails is
# left to apt ("ignored, or old ones used instead"), and a package that
# cannot be installed is named with apt's reason and left out. The builds
# and suites that need it then take their fallback or fail on their own;
# this script never stops the caller for it. Exit status 0 when everything
# is installed, 3 when something is missing (listed on standard error).
set -uo pipefail

pkgs_core=(cmake ninja-build g++ pkgconf libgtest-dev googletest locales)
pkgs_qt=(qt6-base-dev qt6-wayland libgl-dev libxcb1-dev fonts-liberation2 xvfb xauth x11-utils imagemagick
  icoutils librsvg2-bin desktop-file-utils appstream dpkg-dev file xdotool man-db)
# The Qt window on a headless Wayland compositor, typed into by a virtual
# keyboard and read back over the accessibility bus.
pkgs_wayland=(qt6-wayland sway wayvnc wtype grim dbus-daemon at-spi2-core python3-gi
  gir1.2-atspi-2.0)
# The Windows program, its downloads, and Wine for its suites: the shipped
# 32-bit program runs under the 32-bit loader (group wine32, from the i386
# architecture); where that cannot be installed or cannot start, a 64-bit
# build of the same sources runs the suites under wine64.
pkgs_windows_i686=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine xvfb xauth icoutils
  fonts-liberation2 imagemagick fonts-wine xdotool wixl msitools faketime zip)
pkgs_windows=("${pkgs_windows_i686[@]}" g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wine64)
pkgs_wine32=(wine32:i386)
# The core and its tests cross-built for 64-bit Arm Linux, run under qemu
# (cmake/toolchain-aarch64-linux.cmake).
pkgs_aarch64=(g++-aarch64-linux-gnu qemu-user)
# Debian roots of other architectures (scripts/debian-root.sh), and qemu's
# user-mode emulator for the arm64 one.
pkgs_roots=(mmdebstrap arch-test util-linux)
# The arm64 Linux program, cross-compiled against the arm64 root.
pkgs_arm64=(g++-aarch64-linux-gnu qemu-user-static binfmt-support qt6-base-dev-tools googletest)
# A clean root that a package is installed into and checked in (scripts/
# check-package.sh): the X display and accessibility bus only, no Qt.
pkgs_package_check=(xvfb xauth xdotool dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0)
# Inside the 32-bit root: the windows preset, built and tested there.
pkgs_windows_root=(cmake ninja-build googletest git "${pkgs_windows_i686[@]}" wine32)
# Inside the arm64 root: the libraries the program is compiled against, and
# what its core and window suites and the package step run there.
pkgs_arm64_root=(cmake qt6-base-dev qt6-wayland libgl-dev libxcb1-dev fonts-liberation2 xvfb xauth
  x11-utils xdotool desktop-file-utils appstream dpkg-dev file binutils)
pkgs_fuzz=(clang libclang-rt-14-dev binutils)
pkgs_bench=(libbenchmark-dev libxcb1-dev time xdotool x11-utils)
# The release command: Debian's checker of the .deb.
pkgs_release=(lintian)
# The web page: emscripten and its node, the browsers its suites drive with
# npm's packages (installed from package-lock.json below), Arial's
# metric-compatible face, and zip and the icon renderer for the hosted
# variant's download.
pkgs_web=(emscripten nodejs chromium firefox-esr fonts-liberation2 zip librsvg2-bin)
# Debian's npm, unless the node installed brings its own (and conflicts with it).
command -v npm >/dev/null || pkgs_web+=(npm)

list_only=0
if [[ ${1:-} == --list ]]; then
  list_only=1
  shift
fi
want=()
needs_i386=0
for group in "$@"; do
  # A misspelt group would otherwise install nothing and report success.
  if [[ ! $group =~ ^[a-z0-9_]+$ ]] || ! declare -p "pkgs_${group}" >/dev/null 2>&1; then
    echo "deps: no package group '$group'" >&2
    exit 2
  fi
  declare -n list="pkgs_${group}"
  want+=("${list[@]}")
  [[ $group == wine32 ]] && needs_i386=1
done

if ((list_only)); then
  ((${#want[@]} == 0)) || printf '%s\n' "${want[@]}" | sort -u
  exit 0
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
missing_now() {
  local p
  for p in "${want[@]}"; do installed "$p" || echo "$p"; done | sort -u
}

# The web group's npm packages, exactly as package-lock.json pins them;
# again only when the lockfile changed since the last install.
npm_packages() {
  [[ " ${groups[*]} " == *" web "* ]] || return 0
  local root
  root=$(cd "$(dirname "$0")/.." && pwd)
  [[ -f $root/package-lock.json ]] && command -v npm >/dev/null || return 0
  local stamp=$root/node_modules/.veltrop-package-lock.json
  cmp -s "$root/package-lock.json" "$stamp" && return 0
  if (cd "$root" && npm ci --ignore-scripts --no-audit --no-fund >&2); then
    cp "$root/package-lock.json" "$stamp"
  else
    echo "deps: npm ci failed; the browser suites cannot run" >&2
  fi
}
groups=("$@")

mapfile -t missing < <(missing_now)
if [[ ${#missing[@]} -eq 0 ]]; then
  npm_packages
  exit 0
fi

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)

if [[ $needs_i386 -eq 1 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"

# A mirror in the middle of a sync serves an index whose size does not match
# its Release file; a later try usually finds it whole.
for pause in 10 30 0; do
  "${apt[@]}" update -q && break
  if ((pause > 0)); then
    echo "deps: package index update failed; trying again in ${pause} s" >&2
    sleep "$pause"
  else
    echo "deps: package index update still failing; going on with the indexes apt has" >&2
  fi
done

# All at once first (one dependency resolution); when that fails, each on its
# own, so that one package that cannot be had costs only itself.
if ! "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"; then
  for p in "${missing[@]}"; do
    installed "$p" && continue
    log=$(mktemp)
    if ! "${apt[@]}" install -y -q --no-install-recommends "$p" >"$log" 2>&1; then
      reason=$(grep -E '^(E:| [^ ].*:.*(Depends|but))' "$log" | head -4 | sed 's/^ *//' | paste -sd ';' -)
      echo "deps: cannot install $p: ${reason:-apt failed}" >&2
    fi
    rm -f "$log"
  done
fi

npm_packages
mapfile -t missing < <(missing_now)
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "deps: not installed: ${missing[*]}" >&2
  exit 3
fi
