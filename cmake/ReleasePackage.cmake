# The release package for Windows users: <build>/release/Pelorin-<version>.zip
# with the stripped Pelorin.exe and readme.txt in Shift-JIS with CR LF, as a
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

if(CMAKE_STRIP)
  set(strip_command ${CMAKE_STRIP} --strip-all -o ${release_stage}/Pelorin.exe $<TARGET_FILE:Pelorin>)
elseif(CMAKE_OBJCOPY)
  set(strip_command ${CMAKE_OBJCOPY} --strip-all $<TARGET_FILE:Pelorin> ${release_stage}/Pelorin.exe)
else()
  message(FATAL_ERROR "No strip or objcopy of the tool chain for the release package")
endif()
find_program(PELORIN_ICONV iconv DOC "iconv, for readme.txt in Shift-JIS in the release package")

add_custom_command(
  OUTPUT ${release_stage}/Pelorin.exe
  COMMAND ${CMAKE_COMMAND} -E make_directory ${release_stage}
  COMMAND ${strip_command}
  DEPENDS Pelorin
  COMMENT "Stripping Pelorin.exe for the release package"
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
