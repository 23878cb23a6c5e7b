# cmake -P script: checks the release package as a Windows user gets it.
# Variables: ZIP (the package), WORK (scratch folder, emptied first),
# ICONV (optional; iconv from PATH otherwise).
if(NOT EXISTS "${ZIP}")
  message(FATAL_ERROR "No release package at ${ZIP}: build the target release in the 32-bit Windows build")
endif()
if(NOT ICONV)
  find_program(ICONV iconv)
  if(NOT ICONV)
    message(FATAL_ERROR "iconv is needed to read readme.txt back")
  endif()
endif()

# The entries as listed, before extraction could merge duplicates or hide
# folder entries.
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP}
  OUTPUT_VARIABLE listing ERROR_VARIABLE list_error RESULT_VARIABLE list_result)
if(NOT list_result EQUAL 0)
  message(FATAL_ERROR "${ZIP} cannot be read as an archive: ${list_error}")
endif()
string(STRIP "${listing}" listing)
string(REPLACE "\n" ";" entries "${listing}")
list(SORT entries)
if(NOT entries STREQUAL "Pelorin.exe;readme.txt")
  message(FATAL_ERROR "${ZIP} holds [${entries}]; expected exactly Pelorin.exe and readme.txt at the top")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/unpacked)
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${WORK}/unpacked)
set(exe ${WORK}/unpacked/Pelorin.exe)
set(readme ${WORK}/unpacked/readme.txt)

# Reads `count` bytes at `offset` of `file` as a little-endian number.
function(read_le file offset count out)
  file(READ ${file} hex OFFSET ${offset} LIMIT ${count} HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR wanted "${count} * 2")
  if(NOT digits EQUAL wanted)
    message(FATAL_ERROR "Pelorin.exe ends before byte ${offset} + ${count}: not a complete PE file")
  endif()
  set(value "")
  math(EXPR last "${digits} - 2")
  foreach(i RANGE 0 ${last} 2)
    string(SUBSTRING "${hex}" ${i} 2 byte)
    string(PREPEND value "${byte}")
  endforeach()
  math(EXPR value "0x${value}")
  set(${out} ${value} PARENT_SCOPE)
endfunction()

file(READ ${exe} dos_magic LIMIT 2 HEX)
if(NOT dos_magic STREQUAL "4d5a")
  message(FATAL_ERROR "Pelorin.exe does not begin with MZ: not a Windows executable")
endif()
read_le(${exe} 60 4 pe_offset)
file(READ ${exe} pe_magic OFFSET ${pe_offset} LIMIT 4 HEX)
if(NOT pe_magic STREQUAL "50450000")
  message(FATAL_ERROR "Pelorin.exe has no PE header at byte ${pe_offset} (found ${pe_magic})")
endif()
# COFF header after the signature: machine (2 bytes), section count (2),
# time stamp (4), symbol table pointer (4), symbol count (4).
math(EXPR machine_at "${pe_offset} + 4")
read_le(${exe} ${machine_at} 2 machine)
if(NOT machine EQUAL 332)
  math(EXPR machine_hex "${machine}" OUTPUT_FORMAT HEXADECIMAL)
  message(FATAL_ERROR "Pelorin.exe is built for machine ${machine_hex}, not i386 (0x14c): the package must hold the 32-bit exe")
endif()
# Only the count: binutils' strip keeps the pointer, for the string table.
math(EXPR symbols_at "${pe_offset} + 16")
read_le(${exe} ${symbols_at} 4 symbol_count)
if(NOT symbol_count EQUAL 0)
  message(FATAL_ERROR "Pelorin.exe is not stripped: it has a symbol table of ${symbol_count} entries")
endif()

# The manifest resource is the manifest's text, stored as it is.
file(STRINGS ${exe} manifest_lines REGEX "<")
string(JOIN "\n" manifest ${manifest_lines})
foreach(entry
    "<gdiScaling xmlns=\"http://schemas.microsoft.com/SMI/2017/WindowsSettings\">true</gdiScaling>"
    "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">false</dpiAware>"
    "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""
    "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>")
  string(FIND "${manifest}" "${entry}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Pelorin.exe's manifest lacks ${entry}:\n${manifest}")
  endif()
endforeach()

file(SIZE ${readme} readme_size)
if(readme_size EQUAL 0)
  message(FATAL_ERROR "readme.txt is empty")
endif()

# Shift-JIS trail bytes are never CR or LF, so the raw bytes tell the line
# ends. Read as hex (plain file(READ) turns CR LF into LF), one byte a token.
file(READ ${readme} hex HEX)
string(REGEX REPLACE "(..)" "\\1 " bytes "${hex}")
string(REGEX MATCH "(^|([1-9a-f].|0[0-9a-ce-f]) )0a " bare_lf "${bytes}")
if(bare_lf)
  string(FIND "${bytes}" "${bare_lf}" at)
  string(SUBSTRING "${bytes}" 0 ${at} before)
  string(REGEX MATCHALL "0a " earlier_lines "${before}")
  list(LENGTH earlier_lines line)
  math(EXPR line "${line} + 1")
  message(FATAL_ERROR "readme.txt line ${line} ends with LF alone; Windows editors expect CR LF")
endif()
string(REGEX MATCHALL "0d 0a " lines "${bytes}")
list(LENGTH lines line_count)

execute_process(COMMAND ${ICONV} -f CP932 -t UTF-8 ${readme}
  OUTPUT_FILE ${WORK}/readme.utf-8.txt
  ERROR_VARIABLE iconv_error RESULT_VARIABLE iconv_result)
if(NOT iconv_result EQUAL 0)
  message(FATAL_ERROR "readme.txt is not Shift-JIS (CP932): ${iconv_error}")
endif()
file(READ ${WORK}/readme.utf-8.txt text)
# A UTF-8 readme may still decode as CP932, into nonsense: the known words
# show that it was converted.
foreach(word "Pelorin" "スタートアップ")
  string(FIND "${text}" "${word}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "readme.txt read as Shift-JIS does not contain \"${word}\"")
  endif()
endforeach()
message(STATUS "${ZIP}: Pelorin.exe (i386, stripped, manifest with gdiScaling) and readme.txt (Shift-JIS, CR LF, ${line_count} lines)")
