# Installs the program with its menu entry, icons and AppStream metadata,
# and packages them as a .deb (cpack -G DEB). The version shown to users is
# the program's own: major.minor.revision, as its version tooltip reads.
include(GNUInstallDirs)

set(VELTROP_RELEASE_VERSION
  "${VELTROP_VERSION_MAJOR}.${VELTROP_VERSION_MINOR}.${VELTROP_VERSION_REVISION}")
set(VELTROP_DESKTOP_FILE "${PROJECT_SOURCE_DIR}/res/${VELTROP_APP_ID}.desktop")
set(VELTROP_METAINFO_FILE "${PROJECT_BINARY_DIR}/generated/res/${VELTROP_APP_ID}.metainfo.xml")
configure_file("${PROJECT_SOURCE_DIR}/res/${VELTROP_APP_ID}.metainfo.xml.in"
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
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Veltrop")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# dpkg-shlibdeps works out the Qt and C++ runtime packages to depend on;
# the fonts are the metric-compatible stand-ins for the window's Arial.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_PACKAGE_DESCRIPTION
  "Type a locomotive number from 1 to 9999 and Veltrop shows the values to write into the decoder's CV17 and CV18 for its extended address.")
include(CPack)
