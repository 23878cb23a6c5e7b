# Cross build of the same sources for 64-bit Windows, for machines that
# cannot run 32-bit code (see tools/wine-arch.sh).
set(PELORIN_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
