# Makes one self-contained web page from ui/web/page.html.in: the program's
# script inlined, the guide, the version, and the head lines of its variant.
# Run with cmake -P and:
#   TEMPLATE, SCRIPT, GUIDE, OUTPUT  files
#   HEAD                             a file of the variant's head lines: its
#                                    Content-Security-Policy, links
#   NAME, VERSION, SUMMARY           the program's name, release version and summary
# Only the page's own @VELTROP_PAGE_*@ names are replaced, never anything in
# the script.
foreach(_var TEMPLATE SCRIPT GUIDE HEAD OUTPUT NAME VERSION SUMMARY)
  if(NOT DEFINED ${_var})
    message(FATAL_ERROR "WebPage.cmake: ${_var} is not set")
  endif()
endforeach()

file(READ "${TEMPLATE}" _page)
file(READ "${SCRIPT}" _script)
file(READ "${GUIDE}" _guide)
file(READ "${HEAD}" _head)
string(STRIP "${_script}" _script)
string(STRIP "${_guide}" _guide)
string(STRIP "${_head}" _head)

# Inside <script>, these would end the script or change how HTML reads it.
string(TOLOWER "${_script}" _lower)
foreach(_bad "</script" "<!--" "<script")
  string(FIND "${_lower}" "${_bad}" _at)
  if(NOT _at EQUAL -1)
    message(FATAL_ERROR "WebPage.cmake: the script holds \"${_bad}\", which cannot be inlined")
  endif()
endforeach()

foreach(_key NAME VERSION SUMMARY)
  set(_value "${${_key}}")
  string(REPLACE "&" "&amp;" _value "${_value}")
  string(REPLACE "\"" "&quot;" _value "${_value}")
  string(REPLACE "<" "&lt;" _value "${_value}")
  string(REPLACE "@VELTROP_PAGE_${_key}@" "${_value}" _page "${_page}")
endforeach()
string(REPLACE "@VELTROP_PAGE_HEAD@" "${_head}" _page "${_page}")
string(REPLACE "@VELTROP_PAGE_GUIDE@" "${_guide}" _page "${_page}")
# Last: the script is the one part that is not looked into.
string(REPLACE "@VELTROP_PAGE_SCRIPT@" "${_script}" _page "${_page}")
file(WRITE "${OUTPUT}" "${_page}")
