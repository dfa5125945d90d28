# Script mode: installs the build into a scratch prefix and checks that the
# program, its menu entry, its icons, its AppStream data, its manual page,
# its licence and its changelog land where a desktop (and Debian) looks for
# them, and that the installed files validate.
# Needs: BUILD_DIR, PREFIX, APP_ID, DESKTOP_FILE_VALIDATE, APPSTREAMCLI.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/veltrop
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/man/man1/veltrop.1.gz
  share/doc/veltrop/copyright
  share/doc/veltrop/changelog.gz)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/${APP_ID}.desktop"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "desktop-file-validate failed")
endif()
execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net
  "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate failed")
endif()

# The menu entry must start what was installed.
file(STRINGS "${PREFIX}/share/applications/${APP_ID}.desktop" exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" command "${exec}")
if(NOT EXISTS "${PREFIX}/bin/${command}")
  message(FATAL_ERROR "the menu entry runs '${command}', which is not installed")
endif()
message(STATUS "installed tree checked")
