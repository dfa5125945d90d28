# Exploit mitigations for the native (ELF) builds: position-independent
# executables, full RELRO (relocations read-only, all symbols bound at
# start), a stack protector on every function with a local array or an
# address-taken local, and checked libc calls where the size is known.
# WebAssembly has no ELF to harden, and its memory is checked by the engine.
if(WIN32 OR MSVC OR EMSCRIPTEN)
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
