#!/usr/bin/env bash
# Makes the release downloads in dist/ from the committed source:
#   veltrop_<version>_amd64.deb      the Linux program, for Debian and Ubuntu
#   veltrop_<version>_arm64.deb      the same for arm64: Raspberry Pi OS 64-bit
#   Veltrop-<version>.msi            the Windows installer
#   Veltrop-<version>-win32.zip      Veltrop.exe with README.txt and LICENSE.txt
#   Veltrop-<version>.html           the web page, one file that works offline
#   Veltrop-<version>-web.zip        the web page for hosting, installable as an app
#   SHA256SUMS                       the checksums of the six
# Reproducible: every time stamp is the last commit's time, so the same
# commit gives the same files wherever and whenever it is built.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

scripts/deps.sh core qt windows release web roots arm64

if [[ -n $(git status --porcelain) ]]; then
  echo "release: the working tree has changes; commit them first, so that the" \
    "downloads are those of a commit" >&2
  exit 1
fi
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C
umask 022
# Builds quietly, but shows the whole log when a step fails.
quiet() {
  local log
  log=$("$@" 2>&1) || { echo "$log"; return 1; }
}

linux=build/release-linux
windows=build/release-windows
web=build/release-web
rm -rf "$linux" "$windows" "$web" dist
mkdir dist

echo "== Linux: the optimised program, packaged as a .deb"
quiet cmake --preset release -B "$linux"
quiet cmake --build "$linux" -j 2
(cd "$linux" && quiet cpack -G DEB)
# Whatever .deb cpack made: its name carries the architecture it was built
# for (dpkg's own name for the target).
debs=("$linux"/veltrop_*.deb)
[[ -e ${debs[0]} ]] || { echo "release: cpack made no .deb in $linux" >&2; exit 1; }
cp "${debs[@]}" dist/

# The arm64 program is compiled here, at the host's speed, against the
# arm64 Debian root's libraries, and packaged in that root (under qemu-user),
# where dpkg-shlibdeps finds the arm64 packages the program links against.
echo "== Linux arm64: the optimised program, cross-compiled, packaged as a .deb"
quiet scripts/debian-root.sh arm64 ensure arm64_root
arm64=build/release-arm64
rm -rf "$arm64"
VELTROP_AARCH64_SYSROOT=$(scripts/debian-root.sh arm64 path)
export VELTROP_AARCH64_SYSROOT
quiet cmake --preset release-arm64 -B "$arm64"
quiet cmake --build "$arm64" -j 2
(cd "$arm64" && quiet ../../scripts/debian-root.sh arm64 run cpack -G DEB)
cp "$arm64"/veltrop_*_arm64.deb dist/

# The Windows program is built as scripts/build-windows.sh builds it (the
# windows preset's Veltrop target); the installer and the zip come with it.
build_windows() {
  quiet cmake --preset windows -B "$windows" -DVELTROP_BUILD_TESTS=OFF
  quiet cmake --build "$windows" -j 2 --target Veltrop veltrop_windows_release
}
echo "== Windows: Veltrop.exe, its installer and its zip"
build_windows
cp "$windows"/windows-release/Veltrop-*.msi "$windows"/windows-release/Veltrop-*-win32.zip dist/

echo "== Web: the single page and the zip for hosting"
quiet cmake --preset web -B "$web" -DVELTROP_BUILD_TESTS=OFF
quiet cmake --build "$web" -j 2 --target veltrop_web_release
cp "$web"/packaging/web/Veltrop-*.html "$web"/packaging/web/Veltrop-*-web.zip dist/

echo "== Checks"
(cd dist && sha256sum -- * >SHA256SUMS && sha256sum --check --strict SHA256SUMS)
# Debian's own checker: no error and no warning.
lintian_report=$(lintian dist/veltrop_*.deb 2>&1 | grep -v '^running with root privileges' || true)
[[ -n $lintian_report ]] && echo "$lintian_report"
if grep -Eq '^[EW]: ' <<<"$lintian_report"; then
  echo "release: lintian found errors or warnings in the .deb" >&2
  exit 1
fi
echo "lintian: no errors, no warnings"

echo
echo "== dist/ (from commit $(git rev-parse --short HEAD), $(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M UTC'))"
(cd dist && stat -c '%10s  %n' -- *)
cat dist/SHA256SUMS
echo "Made in $((SECONDS - start)) s"
