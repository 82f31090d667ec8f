# Read before the project is set up: a tool that this build needs and the
# machine lacks stops it at once, with the Debian package that brings it,
# before CMake's own errors about the toolchain cascade.
function(require_tool program package)
  string(MAKE_C_IDENTIFIER "tool_${program}" variable)
  find_program(${variable} ${program} PATHS ${ARGN})
  if(NOT ${variable})
    message(FATAL_ERROR "${program} is missing: install the Debian package ${package}")
  endif()
endfunction()

get_filename_component(toolchain "${CMAKE_TOOLCHAIN_FILE}" NAME)
if(toolchain STREQUAL "mingw-w64.cmake")
  if(NOT MINGW_ARCH)
    set(MINGW_ARCH i686)
  endif()
  string(REPLACE _ - package_arch ${MINGW_ARCH})
  require_tool(${MINGW_ARCH}-w64-mingw32-g++ g++-mingw-w64-${package_arch})
  if(MINGW_ARCH STREQUAL "x86_64")
    require_tool(wine64 wine64 /usr/lib/wine)
  else()
    require_tool(wine "wine and wine32:i386")
  endif()
endif()
# The page, and the release files that carry it.
if(toolchain MATCHES "^(emscripten|mingw-w64)\\.cmake$" OR TAVRELON_LINUX_RELEASE)
  require_tool(em++ emscripten)
  require_tool(node nodejs)
endif()
