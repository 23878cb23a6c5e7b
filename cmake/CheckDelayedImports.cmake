# Fails when the exe imports one of the delay-loaded DLLs the usual way too
# (the compiler driver links shell32 by default, so a call missing from the
# lists in platform/win32/delay would quietly load it at start-up).
# -DOBJDUMP=<objdump> -DEXE=<exe> -DDELAYED="comctl32;shell32;ole32"
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${EXE}")
endif()
string(TOLOWER "${dump}" dump)
foreach(dll ${DELAYED})
  if(dump MATCHES "dll name: ${dll}\\.dll")
    message(FATAL_ERROR "${EXE} imports ${dll}.dll at start-up: add the calls it makes to platform/win32/delay/${dll}.def")
  endif()
endforeach()
