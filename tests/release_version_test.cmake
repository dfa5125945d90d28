# cmake -P: the release version of each project version in the table, and
# versions the installer cannot tell apart refused with a reason.
include("${CMAKE_CURRENT_LIST_DIR}/../cmake/ReleaseVersion.cmake")

# major minor build revision -> release, or "-" when it must be refused.
set(_cases
  "1 0 0 1 1.0.1"          # today's version keeps its file names
  "1 0 1 1 1.0.1001"
  "1 0 7 1 1.0.7001"
  "1 0 1 0 1.0.1000"
  "1 0 0 999 1.0.999"
  "1 0 65 535 1.0.65535"
  "255 255 0 0 255.255.0"
  "1 0 0 - 1.0.0"          # no revision field at all
  "1 0 00 01 1.0.1"
  "1 0 0 1000 -"           # would read as build 1, revision 0
  "1 0 65 536 -"
  "1 0 66 0 -"
  "256 0 0 1 -"
  "1 256 0 1 -"
  "1 0 x 1 -"
  "1 0 0 99999999999999999999 -")

foreach(_case IN LISTS _cases)
  string(REPLACE " " ";" _fields "${_case}")
  list(GET _fields 0 _major)
  list(GET _fields 1 _minor)
  list(GET _fields 2 _build)
  list(GET _fields 3 _revision)
  list(GET _fields 4 _expected)
  if(_revision STREQUAL "-")
    set(_revision "")
  endif()
  veltrop_release_version(_release _error "${_major}" "${_minor}" "${_build}" "${_revision}")
  set(_version "${_major}.${_minor}.${_build}.${_revision}")
  if(_expected STREQUAL "-")
    if(NOT _error OR NOT _release STREQUAL "")
      message(SEND_ERROR "${_version}: expected a refusal, got '${_release}'")
    elseif(NOT _error MATCHES "above|not a number|too large")
      message(SEND_ERROR "${_version}: refusal without a reason: '${_error}'")
    endif()
  elseif(NOT _release STREQUAL _expected OR _error)
    message(SEND_ERROR "${_version}: expected ${_expected}, got '${_release}' (${_error})")
  endif()
endforeach()
