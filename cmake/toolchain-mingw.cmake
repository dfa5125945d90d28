# Cross-compiles the Windows program with Debian's mingw-w64 (for the target
# VELTROP_MINGW_TRIPLET names) and runs its test executables under Wine. The
# -win32 compiler variant: the -posix one links libwinpthread, which imports
# functions Windows XP lacks. Its libstdc++ has no std::thread (GCC 12); the
# tests use Windows threads.
set(CMAKE_SYSTEM_NAME Windows)
set(_triplet ${VELTROP_MINGW_TRIPLET})
set(CMAKE_C_COMPILER ${_triplet}-gcc-win32)
set(CMAKE_CXX_COMPILER ${_triplet}-g++-win32)
set(CMAKE_RC_COMPILER ${_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every executable is self-contained (no libstdc++/libgcc DLLs to ship or to
# find under Wine), byte-for-byte reproducible, and loads with ASLR and DEP.
# Its header asks for Windows XP (5.1) at most, whatever the linker's own
# default: Windows refuses to start a program that asks for a newer release.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp -Wl,--dynamicbase -Wl,--nxcompat -Wl,--gc-sections \
-Wl,--major-os-version,5 -Wl,--minor-os-version,1 -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,1")
# One section per function and object, so that the linker drops what no
# code reaches.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")

# Test executables run under Wine with a private prefix in the build folder,
# through the Wine loader of the target's width (Debian's paths): the `wine`
# command prefers the 32-bit loader whenever it is installed.
if(_triplet MATCHES "^x86_64")
  set(VELTROP_WINE_LOADER /usr/lib/wine/wine64 CACHE FILEPATH "Wine's loader for the test programs")
else()
  set(VELTROP_WINE_LOADER /usr/lib/wine/wine CACHE FILEPATH "Wine's loader for the test programs")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${VELTROP_WINE_LOADER};${CMAKE_BINARY_DIR}/wine-prefix")
