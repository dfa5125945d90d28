# A 64-bit build of the same sources, only to run the Windows suites under
# wine64 where 32-bit programs cannot start. Never shipped.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(VELTROP_MINGW_TRIPLET x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake")
