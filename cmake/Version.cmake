# Turns the project version into the generated header every front end reads.
# The version text pads minor to two digits and revision to four: 1.00.0001.
set(VELTROP_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(VELTROP_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(VELTROP_VERSION_BUILD ${PROJECT_VERSION_PATCH})
set(VELTROP_VERSION_REVISION ${PROJECT_VERSION_TWEAK})

string(LENGTH "${VELTROP_VERSION_MINOR}" _len)
math(EXPR _pad "2 - ${_len}")
set(_minor "${VELTROP_VERSION_MINOR}")
if(_pad GREATER 0)
  string(REPEAT "0" ${_pad} _zeros)
  set(_minor "${_zeros}${_minor}")
endif()
string(LENGTH "${VELTROP_VERSION_REVISION}" _len)
math(EXPR _pad "4 - ${_len}")
set(_revision "${VELTROP_VERSION_REVISION}")
if(_pad GREATER 0)
  string(REPEAT "0" ${_pad} _zeros)
  set(_revision "${_zeros}${_revision}")
endif()
set(VELTROP_VERSION_TEXT "${VELTROP_VERSION_MAJOR}.${_minor}.${_revision}")
# The version users see on packages and downloads, which also names the
# Windows installer's product: one for each project version.
include("${CMAKE_CURRENT_LIST_DIR}/ReleaseVersion.cmake")
veltrop_release_version(VELTROP_RELEASE_VERSION _release_error
  "${VELTROP_VERSION_MAJOR}" "${VELTROP_VERSION_MINOR}" "${VELTROP_VERSION_BUILD}"
  "${VELTROP_VERSION_REVISION}")
if(_release_error)
  message(FATAL_ERROR "Project VERSION ${PROJECT_VERSION}: ${_release_error}.")
endif()

set(VELTROP_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file("${PROJECT_SOURCE_DIR}/res/version.h.in"
  "${VELTROP_GENERATED_DIR}/res/version.h" @ONLY)
# Under calc/, where the core may include it.
configure_file("${PROJECT_SOURCE_DIR}/calc/copyright_notice.h.in"
  "${VELTROP_GENERATED_DIR}/calc/copyright_notice.h" @ONLY)

add_library(veltrop_version INTERFACE)
target_include_directories(veltrop_version INTERFACE "${VELTROP_GENERATED_DIR}")
