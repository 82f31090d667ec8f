# Builds every release file into build/dist, each with its SHA-256 file:
#
#   cmake -P cmake/release.cmake
#
# the Windows zip (the windows preset), the Linux tarball and Debian package
# (the release preset), the page, which the zip and the tarball carry too,
# and the site folder's zip for a web host.
# The tests labelled release make each preset's files and check them before
# they are taken; the presets' other tests are run by their own commands.
cmake_minimum_required(VERSION 3.21)
get_filename_component(top ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)

foreach(preset windows release)
  foreach(step "--preset;${preset}" "--build;--preset;${preset}")
    execute_process(COMMAND ${CMAKE_COMMAND} ${step}
      WORKING_DIRECTORY ${top} COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  execute_process(COMMAND ${CMAKE_CTEST_COMMAND} --preset ${preset} -L release
    WORKING_DIRECTORY ${top} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

set(dist ${top}/build/dist)
file(REMOVE_RECURSE ${dist})
file(GLOB files ${top}/build/windows/*.zip ${top}/build/release/*.tar.gz
  ${top}/build/release/*.deb ${top}/build/release/page/Tavrelon-*.html
  ${top}/build/release/page/Tavrelon-*-site.zip)
foreach(file IN LISTS files)
  get_filename_component(name ${file} NAME)
  file(COPY ${file} DESTINATION ${dist})
  file(SHA256 ${file} sum)
  file(WRITE ${dist}/${name}.sha256 "${sum}  ${name}\n")
  message(STATUS "${sum}  build/dist/${name}")
endforeach()
