# Build for the browser with the emscripten on the PATH: its own toolchain
# file lies beside em++, in Debian's package as in emsdk.
find_program(EMXX em++ REQUIRED)
get_filename_component(emscripten_root ${EMXX} REALPATH)
get_filename_component(emscripten_root ${emscripten_root} DIRECTORY)
include(${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)
