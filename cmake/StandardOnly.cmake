# veltrop_standard_only(target): the target's sources may include only the
# C++ standard library and headers of runtime/ and calc/. Checked on every
# build, so a toolkit header fails it even where its include path happens
# to be on the compiler's default list (as <windows.h> is for MinGW).
function(veltrop_standard_only target)
  get_target_property(_sources ${target} SOURCES)
  get_target_property(_dir ${target} SOURCE_DIR)
  if(NOT _sources)
    # A header-only (INTERFACE) library: its headers below.
    set(_sources "")
  endif()
  set(_files "")
  foreach(_src IN LISTS _sources)
    cmake_path(ABSOLUTE_PATH _src BASE_DIRECTORY "${_dir}")
    list(APPEND _files "${_src}")
  endforeach()
  file(GLOB _headers CONFIGURE_DEPENDS "${_dir}/*.h")
  list(APPEND _files ${_headers})
  set(_stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}.standard_only.stamp")
  add_custom_command(
    OUTPUT "${_stamp}"
    COMMAND "${CMAKE_COMMAND}" "-DFILES=${_files}" "-DSTAMP=${_stamp}"
            -P "${PROJECT_SOURCE_DIR}/cmake/CheckStandardOnly.cmake"
    DEPENDS ${_files} "${PROJECT_SOURCE_DIR}/cmake/CheckStandardOnly.cmake"
    COMMENT "Checking that ${target} uses the standard library only"
    VERBATIM)
  add_custom_target(${target}_standard_only DEPENDS "${_stamp}")
  add_dependencies(${target} ${target}_standard_only)
endfunction()
