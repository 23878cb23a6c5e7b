# cmake -P script: the readme conversion of the release package
# (cmake/ConvertReadme.cmake) gives Shift-JIS with CR LF, and fails, leaving
# no output, on a character that Shift-JIS cannot hold.
# Variables: CONVERT (the script), ICONV, WORK (scratch folder).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(convert name text)
  file(WRITE ${WORK}/${name}.in "${text}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DINPUT=${WORK}/${name}.in -DOUTPUT=${WORK}/${name}.out -DICONV=${ICONV} -P ${CONVERT}
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
  set(result ${result} PARENT_SCOPE)
  set(output "${output}" PARENT_SCOPE)
endfunction()

function(expect_converted name expected_hex)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name}: the conversion failed (${result}): ${output}")
  endif()
  file(READ ${WORK}/${name}.out hex HEX)
  if(NOT hex STREQUAL expected_hex)
    message(FATAL_ERROR "${name}: converted to ${hex}, expected ${expected_hex}")
  endif()
endfunction()

# LF lines become CR LF lines in CP932 ("ア" 83 41, "ー" 81 5b).
convert(japanese "Pelorin ア\nスタートアップ\n")
expect_converted(japanese "50656c6f72696e2083410d0a8358835e815b83678341836283760d0a")

# A text checked out with CR LF keeps one CR per line, and the last line
# keeps its missing line end missing.
convert(crlf "a\r\nb\nc")
expect_converted(crlf "610d0a620d0a63")

# A character without a CP932 form (an emoji) fails the conversion, and an
# output of an earlier run does not survive to pass for the new one.
file(WRITE ${WORK}/unmappable.out "stale")
convert(unmappable "Pelorin 😀\n")
if(result EQUAL 0)
  message(FATAL_ERROR "unmappable: the conversion of an emoji to CP932 succeeded")
endif()
if(NOT output MATCHES "cannot be converted to Shift-JIS")
  message(FATAL_ERROR "unmappable: the conversion failed for another reason: ${output}")
endif()
if(EXISTS ${WORK}/unmappable.out)
  message(FATAL_ERROR "unmappable: a failed conversion left ${WORK}/unmappable.out")
endif()
