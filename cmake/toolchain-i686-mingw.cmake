# The shipped Windows program: 32-bit x86.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VELTROP_MINGW_TRIPLET i686-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake")
