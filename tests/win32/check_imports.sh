#!/usr/bin/env bash
# Fails when Veltrop.exe imports a function that is not in the allowlist of
# functions Windows XP SP3 exports, or imports one by ordinal (whose meaning
# no list can check); and when its header asks for a Windows newer than XP
# (5.1), which such a Windows refuses to start.
# Usage: check_imports.sh EXE OBJDUMP ALLOWLIST
set -euo pipefail
exe=$1 objdump=$2 allowlist=$3
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

headers=$("$objdump" -p "$exe")

for field in OSystem Subsystem; do
  major=$(awk -v f="Major${field}Version" '$1 == f {print $2}' <<<"$headers")
  minor=$(awk -v f="Minor${field}Version" '$1 == f {print $2}' <<<"$headers")
  if [[ -z $major || -z $minor ]]; then
    fail "no ${field} version in the header"
  elif ((major * 100 + minor > 501)); then
    fail "${field} version $major.$minor: Windows XP (5.1) refuses to start it"
  fi
done

# Each import as DLL!function, DLL in lower case. In objdump's listing an
# import by name is "vma hint name"; anything else under a DLL is one by
# ordinal.
imports=$(awk '
  /^[[:space:]]*DLL Name:/ { dll = tolower($3); next }
  /^[[:space:]]*vma:/ { next }
  /^[[:space:]]*$/ || /^The / || /^ [0-9a-f]+\t/ { if (!/^\t/) dll = "" ; next }
  dll != "" && NF == 3 && $2 ~ /^[0-9]+$/ { print dll "!" $3; next }
  dll != "" && NF > 0 { print dll "!<by ordinal: " $0 ">" }
' <<<"$headers" | sort -u)
[[ -n $imports ]] || fail "no imports found"

allowed=$(grep -v -e '^#' -e '^[[:space:]]*$' "$allowlist" |
  awk '{ split($1, p, "!"); print tolower(p[1]) "!" p[2] }' | sort -u)

unlisted=$(comm -23 <(echo "$imports") <(echo "$allowed"))
while read -r import; do
  [[ -n $import ]] && fail "imports $import, not in $(basename "$allowlist")"
done <<<"$unlisted"

if ((failures > 0)); then
  exit 1
fi
echo "Veltrop.exe: $(wc -l <<<"$imports") imports, each in $(basename "$allowlist");" \
  "OS and subsystem version at most 5.1"
