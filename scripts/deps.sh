#!/usr/bin/env bash
# Installs the Debian packages a build needs, only when some are missing.
# Usage: scripts/deps.sh GROUP...   (groups: core qt windows fuzz bench release)
set -euo pipefail

pkgs_core=(cmake ninja-build g++ pkgconf libgtest-dev googletest)
pkgs_qt=(qt6-base-dev libgl-dev fonts-liberation2 xvfb xauth x11-utils imagemagick
  icoutils librsvg2-bin desktop-file-utils appstream dpkg-dev file xdotool)
pkgs_windows=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 xvfb xauth
  icoutils fonts-liberation2 imagemagick fonts-wine xdotool wixl msitools faketime zip)
pkgs_fuzz=(clang libclang-rt-14-dev binutils)
pkgs_bench=(libbenchmark-dev libxcb1-dev time xdotool x11-utils)
# The release command: Debian's checker of the .deb.
pkgs_release=(lintian)

want=()
needs_i386=0
for group in "$@"; do
  declare -n list="pkgs_${group}"
  want+=("${list[@]}")
  [[ $group == windows ]] && needs_i386=1
done

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)

if [[ $needs_i386 -eq 1 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"
"${apt[@]}" update -q
"${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"
