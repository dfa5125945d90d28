# Cross-compiles the Linux program for 64-bit Arm (Debian's arm64) with
# Debian's aarch64-linux-gnu compiler. VELTROP_AARCH64_SYSROOT (a cache
# variable, or the environment variable of that name), when set, names a
# root holding the target's libraries: the arm64 Debian 12 root of
# scripts/debian-root.sh, with the Qt the package will depend on. Without
# one only what the compiler's own libraries cover builds (the core and its
# tests: configure with -DVELTROP_BUILD_QT=OFF). The test programs run
# under qemu-aarch64 where it is installed (package qemu-user or
# qemu-user-static), or directly inside the arm64 root.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

set(VELTROP_AARCH64_SYSROOT "$ENV{VELTROP_AARCH64_SYSROOT}" CACHE PATH
  "Root of the arm64 libraries the build links with")
if(VELTROP_AARCH64_SYSROOT)
  if(NOT EXISTS "${VELTROP_AARCH64_SYSROOT}/usr/lib/aarch64-linux-gnu")
    message(FATAL_ERROR "No arm64 root at '${VELTROP_AARCH64_SYSROOT}': make it with "
      "scripts/debian-root.sh arm64 ensure arm64_root")
  endif()
  # try_compile projects read this file again: they get the root as well.
  set(ENV{VELTROP_AARCH64_SYSROOT} "${VELTROP_AARCH64_SYSROOT}")
  set(CMAKE_SYSROOT "${VELTROP_AARCH64_SYSROOT}")
  set(CMAKE_FIND_ROOT_PATH "${VELTROP_AARCH64_SYSROOT}")
  # Qt's code generators (moc, rcc) are the host's own build of the same Qt.
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
else()
  # Debian's multiarch place for the cross compiler's own target files.
  set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(VELTROP_QEMU_AARCH64 NAMES qemu-aarch64 qemu-aarch64-static)
if(VELTROP_QEMU_AARCH64)
  # -L: where qemu finds the target's dynamic loader and libraries.
  if(VELTROP_AARCH64_SYSROOT)
    set(_qemu_root "${VELTROP_AARCH64_SYSROOT}")
  else()
    set(_qemu_root /usr/aarch64-linux-gnu)
  endif()
  # Through a wrapper that starts the program directly where it runs as it
  # is: inside the arm64 root, where the window suites run.
  set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/aarch64-run.sh;${VELTROP_QEMU_AARCH64};${_qemu_root}")
endif()
