# The Windows downloads, built with the program: the installer
# (Veltrop-<version>.msi, by wixl) and the portable zip
# (Veltrop-<version>-win32.zip: the program, README.txt, LICENSE.txt).
# Both are reproducible: their time stamps are the source's date
# (SOURCE_DATE_EPOCH, else the last commit's time) and the installer's
# codes are derived from the version.
find_program(VELTROP_WIXL wixl REQUIRED)
find_program(VELTROP_MSIBUILD msibuild REQUIRED)
find_program(VELTROP_FAKETIME faketime REQUIRED)
find_program(VELTROP_ZIP zip REQUIRED)

include("${PROJECT_SOURCE_DIR}/cmake/SourceDate.cmake")

# Name-based codes, in the URL namespace of RFC 4122: the same version
# always gives the same codes, a new version new ones (so that it replaces
# the old one as a major upgrade). The release version names them: it is
# distinct for each project version (cmake/ReleaseVersion.cmake).
set(_url_namespace 6ba7b811-9dad-11d1-80b4-00c04fd430c8)
set(_code_seed "${VELTROP_APP_ID}/windows-installer")
foreach(_code PRODUCT PACKAGE)
  string(TOLOWER "${_code}" _what)
  string(UUID VELTROP_MSI_${_code}_CODE NAMESPACE ${_url_namespace}
    NAME "${_code_seed}/${_what}/${VELTROP_RELEASE_VERSION}"
    TYPE SHA1 UPPER)
endforeach()

# The 64-bit build only runs the test suites where 32-bit programs cannot
# start; its installer test installs the shipped installer, the 32-bit
# build's.
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VELTROP_SHIPPED_BUILD_DIR "${PROJECT_SOURCE_DIR}/build/windows" CACHE PATH
    "The 32-bit build whose installer the 64-bit build's installer test installs")
  set(VELTROP_MSI_FILE
    "${VELTROP_SHIPPED_BUILD_DIR}/windows-release/${PROJECT_NAME}-${VELTROP_RELEASE_VERSION}.msi")
  return()
endif()

set(_stage "${PROJECT_BINARY_DIR}/windows-release")
# Text files for Windows users have CRLF line ends.
configure_file("${PROJECT_SOURCE_DIR}/LICENSE" "${_stage}/LICENSE.txt" @ONLY NEWLINE_STYLE CRLF)
include("${PROJECT_SOURCE_DIR}/packaging/Guide.cmake")
veltrop_guide(txt VELTROP_GUIDE_TEXT)
# configure_file gives the template's lines CRLF, not those of a value.
string(REPLACE "\n" "\r\n" VELTROP_GUIDE_TEXT "${VELTROP_GUIDE_TEXT}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/README.txt.in" "${_stage}/README.txt" @ONLY NEWLINE_STYLE CRLF)
# (Read as bytes: file(READ) as text drops each CR.)
file(READ "${_stage}/README.txt" _readme HEX)
string(REGEX REPLACE "(..)" " \\1" _readme "${_readme}")
if(_readme MATCHES "(^|[^0].|0[^d]) 0a")
  message(FATAL_ERROR "${_stage}/README.txt has a line that does not end in CRLF")
endif()
configure_file("${CMAKE_CURRENT_LIST_DIR}/veltrop.wxs.in" "${_stage}/veltrop.wxs" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/res/icons/veltrop.ico" "${_stage}/veltrop.ico" COPYONLY)

set(VELTROP_MSI_FILE "${_stage}/${PROJECT_NAME}-${VELTROP_RELEASE_VERSION}.msi")
set(VELTROP_ZIP_FILE "${_stage}/${PROJECT_NAME}-${VELTROP_RELEASE_VERSION}-win32.zip")
set(_package "${CMAKE_CURRENT_LIST_DIR}/windows-package.sh")
set(_msi_files "${_stage}/veltrop.wxs" "$<TARGET_FILE:Veltrop>" "${_stage}/LICENSE.txt"
  "${_stage}/veltrop.ico")
add_custom_command(OUTPUT "${VELTROP_MSI_FILE}"
  COMMAND bash "${_package}" msi "${VELTROP_SOURCE_DATE_EPOCH}" "${VELTROP_MSI_FILE}"
          "${VELTROP_WIXL}" "${VELTROP_MSIBUILD}" "${VELTROP_FAKETIME}"
          "{${VELTROP_MSI_PACKAGE_CODE}}" "${PROJECT_NAME} ${VELTROP_RELEASE_VERSION} Installer"
          "${VELTROP_COMPANY}" ${_msi_files}
  DEPENDS Veltrop "${_package}" ${_msi_files} VERBATIM)
set(_zip_files "$<TARGET_FILE:Veltrop>" "${_stage}/README.txt" "${_stage}/LICENSE.txt")
add_custom_command(OUTPUT "${VELTROP_ZIP_FILE}"
  COMMAND bash "${_package}" zip "${VELTROP_SOURCE_DATE_EPOCH}" "${VELTROP_ZIP_FILE}"
          "${VELTROP_ZIP}" ${_zip_files}
  DEPENDS Veltrop "${_package}" ${_zip_files} VERBATIM)
add_custom_target(veltrop_windows_release ALL DEPENDS "${VELTROP_MSI_FILE}" "${VELTROP_ZIP_FILE}")
