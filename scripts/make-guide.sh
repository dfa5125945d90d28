#!/usr/bin/env bash
# Writes the user guide (packaging/guide.txt) into README.md, between the
# lines that mark its place; the build makes the manual page's and the
# Windows README.txt's copies itself.
# Usage: scripts/make-guide.sh           rewrite README.md's guide
#        scripts/make-guide.sh --check   only say whether it is up to date
#                                        (status 1 when it is not)
set -euo pipefail
cd "$(dirname "$0")/.."
begin='<!-- The guide: made from packaging/guide.txt by scripts/make-guide.sh; edit it there. -->'
end='<!-- End of the guide. -->'

if (($(grep -cxF -- "$begin" README.md) != 1 || $(grep -cxF -- "$end" README.md) != 1)); then
  echo "make-guide: README.md must hold each of these lines once:" >&2
  printf '  %s\n' "$begin" "$end" >&2
  exit 1
fi
guide=$(mktemp) wanted=$(mktemp)
trap 'rm -f "$guide" "$wanted"' EXIT
LC_ALL=C awk -v format=md -f packaging/guide.awk packaging/guide.txt >"$guide"
# The guide between the markers, with a blank line on each side.
awk -v begin="$begin" -v end="$end" -v guide="$guide" '
  $0 == begin { print; print ""; while ((getline line < guide) > 0) print line; print ""; skip = 1; next }
  $0 == end { skip = 0 }
  !skip { print }' README.md >"$wanted"

if [[ ${1-} == --check ]]; then
  if ! diff -u README.md "$wanted" >&2; then
    echo "make-guide: README.md's guide is not packaging/guide.txt's: run scripts/make-guide.sh" >&2
    exit 1
  fi
  echo "README.md's guide is up to date"
else
  cp "$wanted" README.md
fi
