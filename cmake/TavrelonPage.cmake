# The page, for the release files that carry it: the web build's own page,
# made with emscripten in a build of its own below this one, with the site
# folder's zip, made by cpack, beside it.  Sets tavrelon_page to the page's
# file.
include_guard(GLOBAL)
include(ExternalProject)
set(tavrelon_page ${PROJECT_BINARY_DIR}/page/Tavrelon-${PROJECT_VERSION}.html)
ExternalProject_Add(page_for_release
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${PROJECT_BINARY_DIR}/page
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/emscripten.cmake
    -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
    # cpack installs what the build made, and builds nothing more.
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target page site
    COMMAND ${CMAKE_CPACK_COMMAND} --config <BINARY_DIR>/CPackConfig.cmake
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${tavrelon_page}
  INSTALL_COMMAND ""
  TEST_COMMAND "")
