#!/usr/bin/env bash
# Builds Veltrop.exe and the Windows downloads again in a second build folder
# from the same source date, and compares them byte for byte with the first
# build's.
# Usage: check_reproducible.sh SOURCE_DIR BUILD_DIR SECOND_BUILD_DIR TOOLCHAIN BUILD_TYPE EPOCH FILE...
#   (each FILE inside BUILD_DIR)
set -euo pipefail
source_dir=$1 first=$2 second=$3 toolchain=$4 build_type=$5 epoch=$6
shift 6
rm -rf "$second"
SOURCE_DATE_EPOCH=$epoch cmake -S "$source_dir" -B "$second" -G Ninja --toolchain "$toolchain" \
  -DCMAKE_BUILD_TYPE="$build_type" -DVELTROP_BUILD_QT=OFF -DVELTROP_BUILD_TESTS=OFF >/dev/null
cmake --build "$second" --parallel 2 --target Veltrop veltrop_windows_release >/dev/null
failures=0
for file in "$@"; do
  name=${file#"$first"/}
  if ! cmp "$file" "$second/$name"; then
    echo "FAIL: $name differs between the two builds" >&2
    failures=$((failures + 1))
  else
    echo "same: $name ($(stat -c %s "$file") bytes)"
  fi
done
rm -rf "$second"
((failures == 0))
