# Builds the web page with Debian's emscripten (3.1.6). Its own toolchain
# file does the work; this one adds what Debian's packaging leaves out.
#
# emcc runs node scripts that need Debian's acorn, which is not on node's
# own module path: every compile and link step gets NODE_PATH.
set(VELTROP_NODE_PATH /usr/share/nodejs CACHE PATH "Where Debian's node modules for emcc lie")
set(CMAKE_CXX_COMPILER_LAUNCHER env "NODE_PATH=${VELTROP_NODE_PATH}")
set(CMAKE_CXX_LINKER_LAUNCHER env "NODE_PATH=${VELTROP_NODE_PATH}")
set(CMAKE_C_COMPILER_LAUNCHER env "NODE_PATH=${VELTROP_NODE_PATH}")
set(CMAKE_C_LINKER_LAUNCHER env "NODE_PATH=${VELTROP_NODE_PATH}")
set(ENV{NODE_PATH} "${VELTROP_NODE_PATH}")

# Test programs run under plain node: emcmake's --experimental-wasm-threads
# is refused by node 20, and the builds use no threads.
find_program(VELTROP_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${VELTROP_NODE}" CACHE FILEPATH "Runs the test programs")

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
