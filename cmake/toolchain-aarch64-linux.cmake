# Cross-compiles the Linux program for 64-bit Arm (Debian's arm64) with
# Debian's aarch64-linux-gnu compiler. VELTROP_AARCH64_SYSROOT, when set,
# names a root holding the target's libraries (Qt, for the window);
# without one only what the compiler's own libraries cover builds (the
# core and its tests: configure with -DVELTROP_BUILD_QT=OFF). The test
# programs run under qemu-aarch64 where it is installed (package qemu-user).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

set(VELTROP_AARCH64_SYSROOT "" CACHE PATH "Root of the arm64 libraries the build links with")
if(VELTROP_AARCH64_SYSROOT)
  set(CMAKE_SYSROOT "${VELTROP_AARCH64_SYSROOT}")
  set(CMAKE_FIND_ROOT_PATH "${VELTROP_AARCH64_SYSROOT}")
else()
  # Debian's multiarch place for the cross compiler's own target files.
  set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(VELTROP_QEMU_AARCH64 qemu-aarch64)
if(VELTROP_QEMU_AARCH64)
  # -L: where qemu finds the target's dynamic loader and libraries.
  if(VELTROP_AARCH64_SYSROOT)
    set(_qemu_root "${VELTROP_AARCH64_SYSROOT}")
  else()
    set(_qemu_root /usr/aarch64-linux-gnu)
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR "${VELTROP_QEMU_AARCH64};-L;${_qemu_root}")
endif()
