# Installs the program with its menu entry, icons, AppStream metadata,
# manual page, licence and changelog, and packages them as a .deb
# (cpack -G DEB) that Debian's lintian accepts.
include(GNUInstallDirs)

set(VELTROP_DESKTOP_FILE "${CMAKE_CURRENT_LIST_DIR}/${VELTROP_APP_ID}.desktop")
set(VELTROP_METAINFO_FILE "${PROJECT_BINARY_DIR}/generated/res/${VELTROP_APP_ID}.metainfo.xml")
configure_file("${CMAKE_CURRENT_LIST_DIR}/${VELTROP_APP_ID}.metainfo.xml.in"
  "${VELTROP_METAINFO_FILE}" @ONLY)

install(TARGETS veltrop RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${VELTROP_DESKTOP_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${VELTROP_METAINFO_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/res/icons/hicolor"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons")
install(FILES "${PROJECT_SOURCE_DIR}/res/icons/veltrop.svg"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
  RENAME "${VELTROP_APP_ID}.svg")

set(CPACK_PACKAGE_NAME "veltrop")
set(CPACK_PACKAGE_VENDOR "${VELTROP_COMPANY}")
set(CPACK_PACKAGE_VERSION "${VELTROP_RELEASE_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "${VELTROP_COMPANY}")
# The authors have no address of their own yet: the package names the one
# its release commit was made with, the same for every build of a commit.
execute_process(COMMAND git -C "${PROJECT_SOURCE_DIR}" log -1 --format=%ae
  OUTPUT_VARIABLE _maintainer_address OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT _maintainer_address)
  message(WARNING "Not a git checkout: the Debian package names no maintainer address")
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELTROP_COMPANY} <${_maintainer_address}>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Veltrop")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# cpack names the build machine's architecture; a cross build's package is
# for its target's, which dpkg works out from the compiler's triplet.
if(CMAKE_CROSSCOMPILING)
  execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -dumpmachine
    OUTPUT_VARIABLE _triplet OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND dpkg-architecture -t "${_triplet}" -qDEB_HOST_ARCH
    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
# dpkg-shlibdeps works out the Qt and C++ runtime packages to depend on;
# the fonts are the metric-compatible stand-ins for the window's Arial.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's Wayland plugin: without it a Wayland desktop shows the window only
# through XWayland, and QT_QPA_PLATFORM=wayland cannot start at all.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_PACKAGE_DESCRIPTION
  "Type a locomotive number from 1 to 9999 and Veltrop shows the values to
write into the decoder's CV17 and CV18 for its extended address.")

# Debian's documentation files: the manual page and the changelog gzipped
# without name or time stamp, the licence in the machine-readable format.
set(_doc_dir "${PROJECT_BINARY_DIR}/generated/doc")
set(_doc_files "${_doc_dir}/copyright")
file(STRINGS "${PROJECT_SOURCE_DIR}/LICENSE" _copyright REGEX "^Copyright ")
string(REGEX REPLACE "^Copyright \\(c\\) " "" VELTROP_COPYRIGHT "${_copyright}")
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" _licence)
string(REGEX REPLACE "^.*\n(Permission is hereby)" "\\1" _licence "${_licence}")
string(REGEX REPLACE "\n+$" "" _licence "${_licence}")
string(REGEX REPLACE "\n\n" "\n.\n" _licence "${_licence}")
string(REPLACE "\n" "\n " _licence "${_licence}")
set(VELTROP_LICENSE_TEXT " ${_licence}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in" "${_doc_dir}/copyright" @ONLY)

execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C date -u -R -d "${VELTROP_RELEASE_DATE}"
  OUTPUT_VARIABLE VELTROP_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
find_program(VELTROP_GZIP gzip REQUIRED)
include("${PROJECT_SOURCE_DIR}/packaging/Guide.cmake")
veltrop_guide(roff VELTROP_GUIDE_ROFF)
foreach(_page IN ITEMS "debian/changelog" "veltrop.1")
  get_filename_component(_name "${_page}" NAME)
  configure_file("${CMAKE_CURRENT_LIST_DIR}/${_page}.in" "${_doc_dir}/${_name}" @ONLY)
  add_custom_command(OUTPUT "${_doc_dir}/${_name}.gz"
    COMMAND "${VELTROP_GZIP}" -9 -n -f -k "${_doc_dir}/${_name}"
    DEPENDS "${_doc_dir}/${_name}" VERBATIM)
  list(APPEND _doc_files "${_doc_dir}/${_name}.gz")
endforeach()
add_custom_target(veltrop_doc_files ALL DEPENDS ${_doc_files})
set(VELTROP_MANUAL_PAGE "${_doc_dir}/veltrop.1")
install(FILES "${_doc_dir}/copyright" "${_doc_dir}/changelog.gz"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/veltrop")
install(FILES "${_doc_dir}/veltrop.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
include(CPack)
