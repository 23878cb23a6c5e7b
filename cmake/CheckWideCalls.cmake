# Fails when Pelorin.exe reaches Windows through an ANSI ("A") function or
# converts text through the system's code page: its texts are code page 932
# on every system and cross into Windows through the wide functions only,
# converted by the one pair in platform/win32/text_win32.cpp.
# Looks at the exe's imports, the lists of delay-loaded functions and the
# product's sources. The tool chain's own start-up and delay-load code calls
# three with no text of the program's: GetStartupInfoA (the C run-time),
# GetModuleHandleA (GCC's unwind-table registration, with its run-time DLL's
# ASCII name) and LoadLibraryA (the delay-loaded DLLs' ASCII names).
# -DOBJDUMP=<objdump> -DEXE=<exe> -DSOURCE_DIR=<project root>
cmake_policy(SET CMP0057 NEW)
set(allowed GetStartupInfoA GetModuleHandleA LoadLibraryA)

execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${EXE}")
endif()
# An import line: address, hint, name. A name ending in a lower-case letter
# or digit followed by "A" is the ANSI form of a function that has a wide one.
string(REGEX MATCHALL "\t[0-9a-f]+\t +[0-9]+  [A-Za-z_0-9]+[a-z0-9]A\n" imports "${dump}")
file(GLOB delay_lists ${SOURCE_DIR}/platform/win32/delay/*.def)
foreach(list ${delay_lists})
  file(STRINGS ${list} entries REGEX "^ +[A-Za-z_0-9]+[a-z0-9]A(@[0-9]+)?$")
  list(APPEND imports ${entries})
endforeach()
set(ansi)
foreach(line ${imports})
  string(REGEX MATCH "[A-Za-z_0-9]+A(@|\n|$)" name "${line}")
  string(REGEX REPLACE "(@|\n)$" "" name "${name}")
  if(NOT name IN_LIST allowed)
    list(APPEND ansi ${name})
  endif()
endforeach()
if(ansi)
  list(REMOVE_DUPLICATES ansi)
  message(FATAL_ERROR "Pelorin.exe calls ANSI functions: ${ansi}. Call the wide ones with texts from platform/win32/wide_text.h.")
endif()

file(GLOB_RECURSE sources ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h ${SOURCE_DIR}/platform/*.cpp
     ${SOURCE_DIR}/platform/*.h)
foreach(source ${sources})
  file(STRINGS ${source} lines REGEX "CP_ACP|CP_THREAD_ACP")
  foreach(line ${lines})
    if(NOT line MATCHES "^ *//")
      message(FATAL_ERROR "${source} converts through the system's code page: ${line}")
    endif()
  endforeach()
endforeach()
