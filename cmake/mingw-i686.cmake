# Cross build of the 32-bit Windows executable with MinGW-w64.
set(PELORIN_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
