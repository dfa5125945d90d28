#!/usr/bin/env bash
# Checks the built Veltrop.exe from Linux, without running it: PE32 GUI
# program with ASLR and DEP and no link timestamp, importing only Windows'
# own DLLs, carrying the version record, the three-image icon group and
# the manifest; and, given MAX_BYTES, no bigger than that.
# Usage: check_executable.sh EXE OBJDUMP VERSION_TEXT PRODUCT COMPANY COPYRIGHT [MAX_BYTES]
# (COPYRIGHT: the copyright line after its sign)
set -euo pipefail
exe=$1 objdump=$2 version_text=$3 product=$4 company=$5 copyright=$6 max_bytes=${7:-}
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

size=$(stat -c %s "$exe")
if [[ -n $max_bytes ]] && ((size >= max_bytes)); then
  fail "$size bytes, the limit is $max_bytes: some library part came in unasked"
fi

headers=$("$objdump" -p "$exe")
grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit PE image"
grep -Eq '^Magic[[:space:]]+010b' <<<"$headers" || fail "optional header is not PE32"
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a GUI subsystem program"
grep -Eq '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970' <<<"$headers" ||
  fail "link timestamp present: the build is not reproducible"
characteristics=$(awk '/^DllCharacteristics/ {print $2}' <<<"$headers")
(( (16#$characteristics & 0x40) != 0 )) || fail "no DYNAMIC_BASE (ASLR)"
(( (16#$characteristics & 0x100) != 0 )) || fail "no NX_COMPAT (DEP)"

# Windows' own DLLs only: no C++ runtime, libgcc or winpthread DLL to ship.
allowed='^(kernel32|user32|gdi32|comctl32|version|msvcrt)\.dll$'
imports=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$headers")
[[ -n $imports ]] || fail "no imports found"
while read -r dll; do
  [[ $dll =~ $allowed ]] || fail "imports $dll"
done <<<"$imports"

resources=$(wrestool -l "$exe")
grep -q 'type=version' <<<"$resources" || fail "no version record"
grep -q -- '--type=24 --name=1 ' <<<"$resources" || fail "no application manifest"

# The first icon group is the program's icon.
wrestool -x --type=group_icon "$exe" -o "$work/" 2>/dev/null
icon=$(find "$work" -name '*.ico' | sort | head -n 1)
if [[ -z $icon ]]; then
  fail "no icon group"
else
  expected=$'--width=32 --height=32 --bit-depth=1\n--width=32 --height=32 --bit-depth=4\n--width=16 --height=16 --bit-depth=4'
  actual=$(icotool -l "$icon" | sed -E 's/.*(--width=[0-9]+ --height=[0-9]+ --bit-depth=[0-9]+).*/\1/')
  [[ $actual == "$expected" ]] || fail "icon images are"$'\n'"$actual"
fi

manifest=$(wrestool -x --raw --type=24 "$exe")
grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest" ||
  fail "manifest does not ask for common controls 6"
# Windows loads common controls 6 only for a manifest of the program's own
# architecture, and says nothing when it does not match.
case $(sed -n 's/.*file format //p' <<<"$headers" | head -n 1) in
  pei-i386) arch=x86 ;;
  pei-x86-64) arch=amd64 ;;
  *) arch=unknown ;;
esac
while read -r named; do
  [[ $named == "$arch" ]] || fail "manifest names processorArchitecture $named, the program is $arch"
done < <(grep -o 'processorArchitecture="[^"]*"' <<<"$manifest" | cut -d'"' -f2)
grep -q '>PerMonitorV2' <<<"$manifest" || fail "manifest is not per-monitor (v2) DPI aware"
# Windows XP's loader refuses a trustInfo in the manifest's own (asm.v1)
# namespace, and its SP2 crashes on one that declares two.
grep -Eq '<trustInfo xmlns="urn:schemas-microsoft-com:asm\.v3">' <<<"$manifest" ||
  fail "trustInfo is not in the asm.v3 namespace alone, which Windows XP needs"

# The record's strings, UTF-16 in the file: one text per line once decoded.
strings=$(wrestool -x --raw --type=version "$exe" | iconv -f UTF-16LE -t UTF-8 | tr -s '\000\001\002\003\004' '\n')
value_of() { grep -A1 -x "$1" <<<"$strings" | sed -n 2p; }
for pair in "ProductName=$product" "FileVersion=$version_text" "ProductVersion=$version_text" \
  "InternalName=$product" "OriginalFilename=$product.exe" "CompanyName=$company" \
  "FileDescription=$product" "LegalCopyright=© $copyright"; do
  key=${pair%%=*} want=${pair#*=}
  got=$(value_of "$key")
  [[ $got == "$want" ]] || fail "$key is '$got', expected '$want'"
done
grep -qx '040904B0' <<<"$strings" || fail "no 040904B0 string block"

if ((failures > 0)); then
  exit 1
fi
echo "Veltrop.exe: $size bytes, PE32 GUI, imports $(tr '\n' ' ' <<<"$imports"), resources complete"
