#!/usr/bin/env bash
# The test command's choices about other architectures, on the host alone
# (no root is made): the 32-bit program that decides the Windows route,
# when a Debian root is refreshed, which mirror and index date are read,
# and the package groups the roots are made from.
# Usage: roots_test.sh SOURCE_DIR
set -uo pipefail
src=$1
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program that tells whether 32-bit x86 programs start: a well-formed
# static i386 executable whose one segment is the whole file and whose
# entry is its exit(0) code, so that only the kernel's answer decides.
program="$work/exit0-i386"
"$src/scripts/starts-32-bit.sh" --write "$program" || fail "starts-32-bit.sh --write failed"
size=$(stat -c %s "$program")
header=$(readelf -h "$program" 2>&1)
segments=$(readelf -lW "$program" 2>&1)
while IFS='|' read -r what text pattern; do
  [[ -n $what ]] || continue
  grep -Eq -- "$pattern" <<<"${!text}" || fail "$what: no '$pattern' in readelf's $text"
done <<EOT
32-bit|header|Class:[[:space:]]+ELF32
little-endian|header|Data:[[:space:]]+2's complement, little endian
an executable, not a shared object|header|Type:[[:space:]]+EXEC
for i386|header|Machine:[[:space:]]+Intel 80386
entry right after the headers|header|Entry point address:[[:space:]]+0x8048054$
one segment|header|Number of program headers:[[:space:]]+1$
no interpreter: static|segments|^[[:space:]]+LOAD[[:space:]]+0x000000 0x08048000 0x08048000 $(printf '0x%05x 0x%05x' "$size" "$size") R E
EOT
code=$(od -An -tx1 -j 84 "$program" | tr -d ' \n')
[[ $code == b80100000031dbcd80 ]] || fail "the code at the entry is '$code', not mov eax,1; xor ebx,ebx; int 0x80"

# The root's functions, without running its main part.
# shellcheck source=../../scripts/debian-root.sh
source "$src/scripts/debian-root.sh"
set +e

# When a root is refreshed: host index date, root index date, when the
# root was last updated, now, longest time without an update, and whether
# it is old.
while read -r host root updated now max expected what; do
  [[ -n $host ]] || continue
  if index_is_old "$host" "$root" "$updated" "$now" "$max"; then got=old; else got=fresh; fi
  [[ $got == "$expected" ]] ||
    fail "index_is_old $host $root $updated $now $max: $got, not $expected ($what)"
done <<'EOT'
100 100 150 200  1000 fresh same index as the host, updated lately
200 100 150 300  1000 old   the host has seen a newer index
100 200 250 300  1000 fresh the root is newer than the host's index
0   100 150 200  1000 fresh the host has no index of its own
100 0   150 200  1000 old   the root has no index
0   0   150 200  1000 old   neither has one
100 100 150 5000 1000 old   not updated for longer than allowed
100 100 150 1150 1000 fresh exactly the longest allowed
100 100 150 1151 1000 old   one second past it
100 100 0   200  1000 old   never known to be updated
100 100 4000 4100 1000 fresh a mirror published long ago, fetched lately
EOT

# The index date: only the suite's own InRelease counts, and a file that
# cannot be read as a date counts as none.
lists="$work/lists"
while IFS='|' read -r what file content expected; do
  [[ -n $what ]] || continue
  rm -rf "$lists"
  mkdir -p "$lists"
  [[ -z $file ]] || printf '%b' "$content" >"$lists/$file"
  got=$(index_date "$lists")
  [[ $got == "$expected" ]] || fail "index_date, $what: $got, not $expected"
done <<'EOT'
the suite's InRelease|deb.debian.org_debian_dists_bookworm_InRelease|Origin: Debian\nDate: Sat, 10 Jun 2023 08:55:14 UTC\nValid-Until: x\n|1686387314
no lists at all|||0
only another suite's|deb.debian.org_debian_dists_bookworm-updates_InRelease|Date: Sat, 10 Jun 2023 08:55:14 UTC\n|0
no Date field|deb.debian.org_debian_dists_bookworm_InRelease|Origin: Debian\n|0
a Date that is no date|deb.debian.org_debian_dists_bookworm_InRelease|Date: soon\n|0
EOT
got=$(index_date "$work/does-not-exist")
[[ $got == 0 ]] || fail "index_date of a missing folder: $got, not 0"

# The mirror: the one apt lists for the suite itself, not its security or
# updates siblings.
while IFS='|' read -r what targets expected; do
  [[ -n $what ]] || continue
  got=$(printf '%b' "$targets" | pick_mirror bookworm)
  [[ $got == "$expected" ]] || fail "pick_mirror, $what: '$got', not '$expected'"
done <<'EOT'
after the security suite|http://a/debian-security/ bookworm-security\nhttp://b/debian/ bookworm\n|http://b/debian/
the first of two|http://b/debian/ bookworm\nhttp://c/debian/ bookworm\n|http://b/debian/
only other suites|http://a/debian/ bookworm-updates\nhttp://a/debian-security/ bookworm-security\n|
none|\n|
EOT

# The package groups: a root can only be made from packages its own
# architecture has, and a misspelt group is an error, not an empty list.
deps=$src/scripts/deps.sh
while read -r group absent why; do
  [[ -n $group ]] || continue
  list=$("$deps" --list "$group") || fail "deps.sh --list $group failed"
  grep -qx -- "$absent" <<<"$list" && fail "group $group lists $absent: $why"
done <<'EOT'
windows_root wine64                    there is no 64-bit Wine for i386
windows_root g++-mingw-w64-x86-64-win32 the 32-bit root builds the 32-bit program only
windows_root wine32:i386               a root's own architecture needs no qualifier
arm64_root   g++-aarch64-linux-gnu     the root is compiled against, not compiled in
EOT
for group in windows_root arm64_root; do
  [[ -n $("$deps" --list "$group") ]] || fail "group $group lists nothing"
done
"$deps" --list core bogus >/dev/null 2>&1 && fail "deps.sh accepts a group that does not exist"
"$deps" bogus >/dev/null 2>&1 && fail "deps.sh installs for a group that does not exist"

if ((failures > 0)); then
  echo "$failures failed"
  exit 1
fi
echo "all passed"
