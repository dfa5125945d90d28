# The release version of packages and downloads, from the four-field project
# version major.minor.build.revision. Windows Installer compares only three
# fields (major.minor.build, at most 255.255.65535) and takes a package of
# the same three as the same product, so all four are folded into those
# three, each distinct version giving a distinct release in the same order:
# the third field is build * 1000 + revision, so revision stays below 1000
# and builds reach 65. The usual build field of 0 keeps the release
# major.minor.revision, as the program's version tooltip reads: 1.0.0.1 is
# 1.0.1, while 1.0.1.1 is 1.0.1001 and 1.0.7.1 is 1.0.7001.
#
# veltrop_release_version(<out> <error> major minor build revision): <out>
# is the release version, or <error> why the version has none (then <out> is
# empty). An empty build or revision counts as 0.
function(veltrop_release_version out error major minor build revision)
  set(${out} "" PARENT_SCOPE)
  set(${error} "" PARENT_SCOPE)
  foreach(_field build revision)
    if("${${_field}}" STREQUAL "")
      set(${_field} 0)
    endif()
  endforeach()
  foreach(_field major minor build revision)
    if(NOT "${${_field}}" MATCHES "^[0-9]+$")
      set(${error} "the version's ${_field} field '${${_field}}' is not a number" PARENT_SCOPE)
      return()
    endif()
    # Without leading zeros one number has one spelling; past nine digits
    # math() would overflow.
    string(REGEX REPLACE "^0+([0-9])" "\\1" ${_field} "${${_field}}")
    string(LENGTH "${${_field}}" _digits)
    if(_digits GREATER 9)
      set(${error} "the version's ${_field} field ${${_field}} is too large" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  math(EXPR _third "${build} * 1000 + ${revision}")
  set(_limits major 255 minor 255 revision 999 "build * 1000 + revision" 65535)
  set(_values ${major} ${minor} ${revision} ${_third})
  foreach(_value IN LISTS _values)
    list(POP_FRONT _limits _field _limit)
    if(_value GREATER _limit)
      string(CONCAT _reason "version ${major}.${minor}.${build}.${revision} has no release "
        "version: its ${_field} is above ${_limit}, more than the installer's version "
        "can tell apart")
      set(${error} "${_reason}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "${major}.${minor}.${_third}" PARENT_SCOPE)
endfunction()
