# Turns the user guide (guide.txt, whose header describes its format) into
# one of its outputs, on standard output:
#   awk -v format=md   -f guide.awk guide.txt   Markdown, for README.md
#   awk -v format=roff -f guide.awk guide.txt   man(7) paragraphs
#   awk -v format=txt  -f guide.awk guide.txt   plain ASCII, wrapped at 72
#   awk -v format=html -f guide.awk guide.txt   HTML paragraphs and lists
# Stops with status 1 on a character the plain text cannot show.
BEGIN {
  if (format != "md" && format != "roff" && format != "txt" && format != "html") {
    print "guide.awk: format must be md, roff, txt or html" > "/dev/stderr"
    failed = 1
    exit 1
  }
  width = 72
  blocks = 0
}

# Replaces every FROM in S by TO, taking both literally (gsub would read
# backslashes and & in TO).
function replace_all(s, from, to,    out, at) {
  out = ""
  while ((at = index(s, from)) > 0) {
    out = out substr(s, 1, at - 1) to
    s = substr(s, at + length(from))
  }
  return out s
}

# **text** as bold in roff, plain in text.
function bold(s, on, off,    out, at, rest) {
  out = ""
  while ((at = index(s, "**")) > 0) {
    rest = substr(s, at + 2)
    if (index(rest, "**") == 0) break
    out = out substr(s, 1, at - 1) on substr(rest, 1, index(rest, "**") - 1) off
    s = substr(rest, index(rest, "**") + 2)
  }
  return out s
}

# `text` kept on one line: its spaces become SPACE.
function unbroken(s, space,    out, at, rest, end_at) {
  out = ""
  while ((at = index(s, "`")) > 0) {
    rest = substr(s, at + 1)
    if ((end_at = index(rest, "`")) == 0) break
    out = out substr(s, 1, at - 1) replace_all(substr(rest, 1, end_at - 1), " ", space)
    s = substr(rest, end_at + 1)
  }
  return out s
}

function roff_text(s,    n, part, i, out) {
  s = replace_all(s, "\\", "\\e")
  s = bold(s, "\\fB", "\\fR")
  s = unbroken(s, "\\~")
  s = replace_all(s, "–", "\\(en")
  s = replace_all(s, "−", "\\(mi")
  s = replace_all(s, "×", "\\(mu")
  # One sentence a line, so that roff puts its sentence space after each;
  # a line starting with . or ' would be read as a request.
  n = split(replace_all(s, ". ", ".\n"), part, "\n")
  out = ""
  for (i = 1; i <= n; i++) {
    if (part[i] ~ /^[.']/) part[i] = "\\&" part[i]
    out = out (i > 1 ? "\n" : "") part[i]
  }
  return out
}

function plain_text(s) {
  s = bold(s, "", "")
  s = unbroken(s, "\001")
  s = replace_all(s, "–", "-")
  s = replace_all(s, "−", "-")
  s = replace_all(s, "×", "x")
  if (s ~ /[\200-\377]/) {
    printf "guide.awk: line %d: a character plain ASCII text cannot show: %s\n", NR, s > "/dev/stderr"
    failed = 1
    exit 1
  }
  return s
}

# Text as HTML: markup characters escaped, **text** bold, `text` kept on
# one line; UTF-8 as it is.
function html_text(s) {
  s = replace_all(s, "&", "&amp;")
  s = replace_all(s, "<", "&lt;")
  s = replace_all(s, ">", "&gt;")
  s = bold(s, "<b>", "</b>")
  s = unbroken(s, "&nbsp;")
  return s
}

# Ends the paragraph, list item or list being gathered for HTML; a list
# ends too when END_LIST is set.
function html_flush(end_list) {
  if (pending != "") print (in_list ? "<li>" : "<p>") pending (in_list ? "</li>" : "</p>")
  pending = ""
  if (end_list && in_list) {
    print "</ol>"
    in_list = 0
  }
}

# Prints WORDS wrapped at the width, the first line after FIRST and the
# others after an indent as wide.
function wrap(words, first,    n, w, i, line, indent) {
  indent = sprintf("%*s", length(first), "")
  n = split(words, w, " ")
  line = first
  for (i = 1; i <= n; i++) {
    if (line != first && line != indent && length(line) + 1 + length(w[i]) > width) {
      print_line(line)
      line = indent
    }
    line = (line == first || line == indent) ? line w[i] : line " " w[i]
  }
  if (line != first && line != indent) print_line(line)
}

function print_line(s) {
  gsub(/\001/, " ", s)
  print s
}

# Ends the paragraph or list item being gathered for the plain text.
function flush() {
  if (pending != "") wrap(pending, pending_first)
  pending = ""
}

/^#/ { next }

/^[ \t]*$/ {
  if (format == "txt") flush()
  if (format == "html") html_flush(1)
  in_block = 0
  next
}

{
  item = match($0, /^[0-9]+\. /)
  if (!in_block) {
    # A block after another: Markdown and text leave a blank line, roff
    # starts a paragraph (a list item starts its own below).
    if (blocks > 0 && format != "roff" && format != "html") print ""
    if (format == "roff" && !item) print ".PP"
    blocks++
    in_block = 1
  }
  if (format == "md") {
    print
  } else if (format == "html") {
    line = html_text($0)
    if (item) {
      html_flush(0)
      if (!in_list) print "<ol>"
      in_list = 1
      line = substr(line, RLENGTH + 1)
    }
    sub(/^[ \t]+/, "", line)
    pending = pending == "" ? line : pending " " line
  } else if (format == "roff") {
    line = $0
    if (item) {
      print ".IP " substr(line, 1, RLENGTH - 1) " 4"
      line = substr(line, RLENGTH + 1)
    }
    # Leading blanks would break the filled line in roff.
    sub(/^[ \t]+/, "", line)
    print roff_text(line)
  } else {
    line = plain_text($0)
    if (item) {
      flush()
      pending_first = "  " substr(line, 1, RLENGTH)
      line = substr(line, RLENGTH + 1)
    } else if (pending == "") {
      pending_first = ""
    }
    sub(/^[ \t]+/, "", line)
    pending = pending == "" ? line : pending " " line
  }
}

END {
  if (!failed && format == "txt") flush()
  if (!failed && format == "html") html_flush(1)
}
