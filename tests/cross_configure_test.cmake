# cmake -P: configures the tree for another Linux target (the aarch64
# toolchain file) and checks that the build follows that target: no Wine
# probe, no mingw GoogleTest header, hardened like any ELF build, and the
# test programs run through the toolchain's emulator.
# Needs: SOURCE_DIR, BINARY_DIR, TOOLCHAIN.
file(REMOVE_RECURSE "${BINARY_DIR}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${BINARY_DIR}" -G Ninja
          "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}" -DCMAKE_BUILD_TYPE=Debug
          -DVELTROP_BUILD_TESTS=ON -DVELTROP_BUILD_QT=OFF
  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "configure failed:\n${out}")
endif()

set(failures "")
if(out MATCHES "Wine")
  list(APPEND failures "the configure speaks of Wine")
endif()
file(READ "${BINARY_DIR}/compile_commands.json" commands)
if(commands MATCHES "gtest_custom")
  list(APPEND failures "a compile command takes mingw's GoogleTest header")
endif()
if(NOT commands MATCHES "-fstack-protector-strong")
  list(APPEND failures "the build is not hardened")
endif()
file(READ "${BINARY_DIR}/CMakeCache.txt" cache)
if(cache MATCHES "VELTROP_QEMU_AARCH64:FILEPATH=/")
  # With an emulator the core tests run: ctest lists them, none skipped.
  execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" -N --test-dir "${BINARY_DIR}"
    OUTPUT_VARIABLE listed)
  if(NOT listed MATCHES "veltrop_core_tests")
    list(APPEND failures "the core tests are not listed:\n${listed}")
  endif()
  # The tests are listed when they run (discovery before each test): the
  # emulator is in the file that will list them.
  file(GLOB test_files "${BINARY_DIR}/tests/core/*.cmake")
  set(core_tests "")
  foreach(test_file IN LISTS test_files)
    file(READ "${test_file}" text)
    string(APPEND core_tests "${text}")
  endforeach()
  if(core_tests MATCHES "Skipped: " OR NOT core_tests MATCHES "qemu-aarch64")
    list(APPEND failures "the core tests do not run under qemu-aarch64")
  endif()
endif()
file(REMOVE_RECURSE "${BINARY_DIR}")
if(failures)
  list(JOIN failures "\n  " failures)
  message(FATAL_ERROR "the aarch64 build does not follow its target:\n  ${failures}")
endif()
message(STATUS "the aarch64 build follows its target")
