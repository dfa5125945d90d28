#!/usr/bin/env bash
# The guide's converter on small guides: each case is a format, an input and
# the exact output, or "FAIL" where the converter must refuse the input.
# Usage: guide_format_test.sh CONVERTER
set -uo pipefail
converter=$1
failures=0

check() {
  local name=$1 format=$2 input=$3 expected=$4 actual status
  actual=$(printf '%s' "$input" | LC_ALL=C awk -v format="$format" -f "$converter" 2>/dev/null)
  status=$?
  if [[ $expected == FAIL ]]; then
    ((status != 0)) && return
    echo "FAIL: $name: accepted, printing:"$'\n'"$actual"
  elif ((status != 0)) || [[ $actual != "$expected" ]]; then
    echo "FAIL: $name: status $status; expected:"$'\n'"$expected"$'\n'"got:"$'\n'"$actual"
  else
    return
  fi
  failures=$((failures + 1))
}

list=$'# a comment\n1. Click **Enter** for 0–31\n   or −1 × 2.\n2. Two.\n\nAfter.\n'
check "Markdown is the source less its comments" md "$list" \
  $'1. Click **Enter** for 0–31\n   or −1 × 2.\n2. Two.\n\nAfter.'
check "roff: items, bold, signs, indent dropped, paragraph after" roff "$list" \
  $'.IP 1. 4\nClick \\fBEnter\\fR for 0\\(en31\nor \\(mi1 \\(mu 2.\n.IP 2. 4\nTwo.\n.PP\nAfter.'
check "text: items joined, signs in ASCII, a blank line between blocks" txt "$list" \
  $'  1. Click Enter for 0-31 or -1 x 2.\n  2. Two.\n\nAfter.'
check "roff: a line that would be a request is escaped" roff $'A\n.B not a request\n\'neither\n' \
  $'.PP\nA\n\\&.B not a request\n\\&\'neither'
check "roff: a backslash is printed, not an escape" roff $'C:\\fBold\n' $'.PP\nC:\\efBold'
check "an unclosed ** is left as written" txt $'a **b\n' 'a **b'
check "roff: one sentence a line" roff $'One. Two. .Three\n' $'.PP\nOne.\nTwo.\n\\&.Three'
check "roff: a formula does not break" roff $'is `a − 1 × b`.\n' $'.PP\nis a\\~\\(mi\\~1\\~\\(mu\\~b.'
check "Markdown keeps a formula as code" md $'is `a + b`.\n' 'is `a + b`.'
check "text: a formula stays on one line" txt \
  $'aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff gggggggg `h + i`\n' \
  $'aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff gggggggg\nh + i'
check "comments and extra blank lines print nothing" md $'# c\n\n\nA\n\n\n# d\n\nB\n' $'A\n\nB'
# 72 columns at most; an item's further lines under its first word.
long=$'1. aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn oooo\n'
check "text: an item wraps at 72 under its text" txt "$long" \
  $'  1. aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm\n     nnnn oooo'
check "text: a paragraph wraps at 72" txt \
  $'aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff ggggggggg hhhhhhhhh\n' \
  $'aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff ggggggggg\nhhhhhhhhh'
check "text: a character plain text cannot show stops it" txt $'Caf\xc3\xa9\n' FAIL
check "text: a sign outside the three stops it" txt $'a \xe2\x80\x94 b\n' FAIL
check "HTML: a numbered list, bold, signs as they are, a paragraph after" html "$list" \
  $'<ol>\n<li>Click <b>Enter</b> for 0–31 or −1 × 2.</li>\n<li>Two.</li>\n</ol>\n<p>After.</p>'
check "HTML: markup characters escaped, a formula on one line" html $'a < b & c > d `e + f`\nnext\n' \
  '<p>a &lt; b &amp; c &gt; d e&nbsp;+&nbsp;f next</p>'
check "HTML: two lists and paragraphs between" html $'P\n\n1. a\n\nQ\n\n1. b\n   c\n' \
  $'<p>P</p>\n<ol>\n<li>a</li>\n</ol>\n<p>Q</p>\n<ol>\n<li>b c</li>\n</ol>'
check "an unknown format is refused" pdf $'A\n' FAIL

((failures == 0)) && echo "all cases passed"
((failures == 0))
