# The release package for Windows users: <build>/release/Pelorin-<version>.zip
# with the stripped Pelorin.exe (pelorin_stripped_copy) and readme.txt in Shift-JIS with CR LF, as a
# Windows editor expects it. Not part of ALL: `cmake --build <build> --target
# release`. Included from app/ after the Pelorin target.
set(release_stage ${CMAKE_CURRENT_BINARY_DIR}/release)
set(release_zip ${PROJECT_BINARY_DIR}/release/Pelorin-${PROJECT_VERSION}.zip)

# The product is the 32-bit exe; a 64-bit build (made only to run the tests
# where Wine cannot run 32-bit code) must not be packaged under that name.
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_custom_target(release
    COMMAND ${CMAKE_COMMAND} -E echo "release: the package holds the 32-bit exe; build it with cmake/mingw-i686.cmake"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
  return()
endif()

find_program(PELORIN_ICONV iconv DOC "iconv, for readme.txt in Shift-JIS in the release package")

add_custom_command(
  OUTPUT ${release_stage}/Pelorin.exe
  COMMAND ${CMAKE_COMMAND} -E make_directory ${release_stage}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_BINARY_DIR}/stripped/Pelorin.exe ${release_stage}/Pelorin.exe
  DEPENDS Pelorin_stripped ${CMAKE_CURRENT_BINARY_DIR}/stripped/Pelorin.exe
  VERBATIM)

add_custom_command(
  OUTPUT ${release_stage}/readme.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${release_stage}
  COMMAND ${CMAKE_COMMAND}
    -DINPUT=${PROJECT_SOURCE_DIR}/packaging/readme.txt
    -DOUTPUT=${release_stage}/readme.txt
    -DICONV=${PELORIN_ICONV}
    -P ${PROJECT_SOURCE_DIR}/cmake/ConvertReadme.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/readme.txt ${PROJECT_SOURCE_DIR}/cmake/ConvertReadme.cmake
  COMMENT "Converting readme.txt to Shift-JIS with CR LF"
  VERBATIM)

# The two names are listed, so nothing else left in the stage gets in; the
# old zip goes first, so the archive never keeps an entry from before.
add_custom_command(
  OUTPUT ${release_zip}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/release
  COMMAND ${CMAKE_COMMAND} -E rm -f ${release_zip}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${release_zip} --format=zip Pelorin.exe readme.txt
  WORKING_DIRECTORY ${release_stage}
  DEPENDS ${release_stage}/Pelorin.exe ${release_stage}/readme.txt
  COMMENT "Packing ${release_zip}"
  VERBATIM)

add_custom_target(release DEPENDS ${release_zip})
