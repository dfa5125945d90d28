# Exploit mitigations for the ELF builds: position-independent executables,
# full RELRO (relocations read-only, all symbols bound at start), a stack
# protector on every function with a local array or an address-taken local,
# and checked libc calls where the size is known. Applied where the target's
# linker takes them: Windows executables get ASLR and DEP from their own
# linker flags (the mingw toolchain file), and WebAssembly has no ELF
# loader to harden.
if(WIN32 OR MSVC OR EMSCRIPTEN)
  return()
endif()
include(CheckLinkerFlag)
check_linker_flag(CXX "LINKER:-z,relro,-z,now" VELTROP_LINKER_HAS_RELRO)
if(NOT VELTROP_LINKER_HAS_RELRO)
  message(WARNING "The linker takes no -z relro,-z now: the build is not hardened")
  return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong)
add_link_options(LINKER:-z,relro,-z,now)

# _FORTIFY_SOURCE works only when optimising, and the sanitizers bring
# their own checked versions of the same calls.
if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()
