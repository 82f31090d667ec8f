# Cross build for Windows with Debian's mingw-w64 toolchain.
#   MINGW_ARCH=i686    the 32-bit console program users get (the default)
#   MINGW_ARCH=x86_64  the same program for 64-bit Windows
# Tests run the program under Wine.
set(MINGW_ARCH i686 CACHE STRING "mingw-w64 target: i686 or x86_64")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MINGW_ARCH)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_ARCH})
set(CMAKE_CXX_COMPILER ${MINGW_ARCH}-w64-mingw32-g++)
set(CMAKE_RC_COMPILER ${MINGW_ARCH}-w64-mingw32-windres)

# Programs link the GCC runtime in, so that each is one file that needs
# nothing but Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Debian's wine command runs 32-bit programs; its 64-bit loader is not on
# the PATH.
if(MINGW_ARCH STREQUAL "x86_64")
  find_program(WINE_LOADER NAMES wine64 PATHS /usr/lib/wine)
else()
  find_program(WINE_LOADER NAMES wine)
endif()
if(WINE_LOADER)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_LOADER})
endif()
