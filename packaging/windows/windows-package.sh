#!/usr/bin/env bash
# Packs the Windows downloads reproducibly: every file staged with the same
# time stamp (the source's date) and mode, in UTC, in the order given.
# Usage: windows-package.sh msi EPOCH OUT WIXL MSIBUILD FAKETIME PACKAGE_CODE SUBJECT AUTHOR WXS FILE...
#        windows-package.sh zip EPOCH OUT ZIP FILE...
set -euo pipefail
mode=$1 epoch=$2 out=$(realpath -m "$3")
shift 3
export TZ=UTC
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

stage_files() {
  local file
  for file in "$@"; do
    cp "$file" "$stage/"
    chmod 0644 "$stage/${file##*/}"
    touch -d "@$epoch" "$stage/${file##*/}"
  done
}

case $mode in
  msi)
    wixl=$1 msibuild=$2 faketime=$3 package_code=$4 subject=$5 author=$6
    shift 6
    stage_files "$@"
    # wixl stamps the build time into the summary and draws a random package
    # code; both are fixed here, with the clock stopped at the source's date.
    clock=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
    cd "$stage"
    "$faketime" -f "$clock" "$wixl" -o "$stage/out.msi" "${1##*/}"
    "$faketime" -f "$clock" "$msibuild" "$stage/out.msi" -s "$subject" "$author" "Intel;1033" "$package_code"
    mv "$stage/out.msi" "$out"
    ;;
  zip)
    zip=$1
    shift
    stage_files "$@"
    names=()
    for file in "$@"; do names+=("${file##*/}"); done
    rm -f "$out"
    # -X: no owner or extra time fields; -D: no directory entries.
    (cd "$stage" && "$zip" -q -X -D -9 "$out.tmp" "${names[@]}")
    mv "$out.tmp" "$out"
    ;;
  *)
    echo "windows-package.sh: unknown mode '$mode'" >&2
    exit 2
    ;;
esac
