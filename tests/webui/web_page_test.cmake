# The page maker (cmake/WebPage.cmake): the script goes in untouched, even
# where it holds the page's own placeholder names; the name, version and
# summary go in escaped; a script that would end or reopen <script> early is
# refused rather than inlined. Run with cmake -DSOURCE_DIR=... -DWORK=... -P.
set(_maker "${SOURCE_DIR}/cmake/WebPage.cmake")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/page.in"
  "<title>@VELTROP_PAGE_NAME@</title>@VELTROP_PAGE_HEAD@<p>@VELTROP_PAGE_VERSION@ @VELTROP_PAGE_SUMMARY@</p><main>@VELTROP_PAGE_GUIDE@</main><script>@VELTROP_PAGE_SCRIPT@</script>")
file(WRITE "${WORK}/guide.html" "<p>guide</p>\n")
file(WRITE "${WORK}/head.html" "<meta name=\"x\">\n")

function(make_page script out_result out_page)
  file(WRITE "${WORK}/script.js" "${script}")
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DTEMPLATE=${WORK}/page.in" "-DSCRIPT=${WORK}/script.js"
      "-DGUIDE=${WORK}/guide.html" "-DHEAD=${WORK}/head.html" "-DOUTPUT=${WORK}/page.html"
      "-DNAME=A&B" "-DVERSION=1.0.1" "-DSUMMARY=x < \"y\"" -P "${_maker}"
    RESULT_VARIABLE _result OUTPUT_QUIET ERROR_QUIET)
  set(_page "")
  if(_result EQUAL 0)
    file(READ "${WORK}/page.html" _page)
  endif()
  set(${out_result} "${_result}" PARENT_SCOPE)
  set(${out_page} "${_page}" PARENT_SCOPE)
endfunction()

set(_failures "")
make_page("var a = '@VELTROP_PAGE_NAME@'; var b = x@y@z;" _result _page)
set(_want "<title>A&amp;B</title><meta name=\"x\"><p>1.0.1 x &lt; &quot;y&quot;</p><main><p>guide</p></main><script>var a = '@VELTROP_PAGE_NAME@'; var b = x@y@z;</script>")
if(NOT _result EQUAL 0 OR NOT _page STREQUAL _want)
  list(APPEND _failures "plain script: got [${_page}] (${_result})")
endif()

foreach(_bad "a = '</script>';" "a = '</SCRIPT >';" "a = '<!-- b';" "a = '<script>';")
  make_page("${_bad}" _result _page)
  if(_result EQUAL 0)
    list(APPEND _failures "inlined a script holding ${_bad}")
  endif()
endforeach()

if(_failures)
  list(JOIN _failures "\n  " _report)
  message(FATAL_ERROR "WebPage.cmake:\n  ${_report}")
endif()
