#!/bin/sh
# Runs a Windows program under Wine in a private prefix, creating and
# preparing the prefix on first use.
# Usage: wine-run.sh LOADER PREFIX PROGRAM [ARGUMENTS...]
# LOADER is Wine's loader of the program's width: Debian's 32-bit one
# (/usr/lib/wine/wine, a 32-bit prefix) or its 64-bit one
# (/usr/lib/wine/wine64, a 64-bit prefix).
# Windows need an X display (xvfb-run -a provides one for the tests).
# VELTROP_WINE_DPI, when the prefix is made, sets its screen's dots per inch
# (96 otherwise).
set -eu
[ $# -ge 3 ] || { echo "usage: $0 LOADER PREFIX PROGRAM [ARGUMENTS...]" >&2; exit 2; }
loader=$1
prefix=$(realpath -m "$2")
shift 2

export WINEPREFIX="$prefix"
# A prefix of the loader's width only: with both loaders installed, Wine
# would otherwise make 64-bit prefixes with a 32-bit half, slower to make
# and to start for the 32-bit program.
case "${loader##*/}" in
  *64) export WINEARCH=win64 ;;
  *) export WINEARCH=win32 ;;
esac
export WINELOADER="$loader"
export WINEDEBUG=-all
# No .NET or HTML engine download prompts, no menu entries in the host.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
# The wineserver's socket lives under TMPDIR: every call must agree on it.
export TMPDIR=/tmp

# Wine leaves the wineserver and its own background processes running for a
# while after the program. They must not inherit the caller's pipes (nor
# the lock), or a caller such as CTest waits for them to end: their output
# goes to files instead, copied out once the program has ended.
if [ ! -e "$prefix/.veltrop-ready" ]; then
  mkdir -p "$prefix"
  (
    flock 9
    if [ ! -e "$prefix/.veltrop-ready" ]; then
      {
        "$loader" wineboot --init
        # Unmanaged windows: with the default, every message box close stalls
        # about 2 s, and a virtual desktop drops synthesized clicks.
        "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
        # No Arial here: its metric twin with its own bold face, not the
        # first sans-serif face Wine happens to find.
        "$loader" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f
        if [ -n "${VELTROP_WINE_DPI:-}" ]; then
          "$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$VELTROP_WINE_DPI" /f
        fi
        wineserver -w
      } </dev/null >"$prefix.log" 2>&1 9>&-
      # Debian's Wine looks for its own fonts elsewhere; without them frame
      # buttons draw as letters.
      mkdir -p "$prefix/drive_c/windows/Fonts"
      cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
      touch "$prefix/.veltrop-ready"
    fi
  ) 9>"$prefix.lock"
fi

# Text as Windows draws it by default, with ClearType's subpixel smoothing:
# Wine takes that from fontconfig, whose default greyscale draws an 8.25 pt
# bold stem hardly darker than a normal one.
fonts_conf="$prefix.fonts.conf"
if [ ! -e "$fonts_conf" ]; then
  cat >"$fonts_conf.$$" <<'EOF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <match target="font">
    <edit name="rgba" mode="assign"><const>rgb</const></edit>
  </match>
</fontconfig>
EOF
  mv -f "$fonts_conf.$$" "$fonts_conf"
fi
export FONTCONFIG_FILE="$fonts_conf"

out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0
"$loader" "$@" </dev/null >"$out" 2>"$err" || status=$?
cat "$out"
cat "$err" >&2
exit "$status"
