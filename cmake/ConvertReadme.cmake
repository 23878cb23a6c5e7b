# cmake -P script: readme.txt (UTF-8, LF in the repository) to Shift-JIS with
# CR LF for the release package. Variables: INPUT, OUTPUT, ICONV (iconv).
# Fails when a character has no CP932 form, rather than dropping it.
if(NOT ICONV)
  message(FATAL_ERROR "iconv is needed to convert ${INPUT} (on Debian it is part of libc-bin)")
endif()

file(READ ${INPUT} text)
# file(READ) takes CR LF as LF already; either way a checkout with CR LF
# line ends must not end up with CR CR LF.
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT}.crlf "${text}")

file(REMOVE ${OUTPUT})
execute_process(
  COMMAND ${ICONV} -f UTF-8 -t CP932 ${OUTPUT}.crlf
  OUTPUT_FILE ${OUTPUT}.tmp
  ERROR_VARIABLE iconv_error
  RESULT_VARIABLE iconv_result)
file(REMOVE ${OUTPUT}.crlf)
if(NOT iconv_result EQUAL 0)
  file(REMOVE ${OUTPUT}.tmp)
  message(FATAL_ERROR "${INPUT} cannot be converted to Shift-JIS (CP932): ${iconv_error}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
