# Compiler settings shared by every target of the project.

# Sources are UTF-8; every literal becomes Shift-JIS bytes at run time, as the
# data files and the ANSI Win32 calls expect. Clang only knows UTF-8, so the
# fuzzer build (clang) keeps UTF-8 literals; it only checks robustness.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(PELORIN_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP932)
else()
  set(PELORIN_CHARSET_FLAGS)
endif()

set(PELORIN_WARNING_FLAGS -Wall -Wextra -Werror)

option(PELORIN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

function(pelorin_target_options target)
  target_compile_options(${target} PRIVATE ${PELORIN_CHARSET_FLAGS} ${PELORIN_WARNING_FLAGS})
  target_compile_features(${target} PUBLIC cxx_std_20)
  set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
  if(WIN32)
    # Target Windows XP and later.
    target_compile_definitions(${target} PRIVATE _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600 NOMINMAX)
  endif()
endfunction()

if(WIN32)
  # A resident program is judged by its size: the Windows build optimises
  # for it, and the linker drops every function and datum nothing uses.
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections)
endif()

# <build folder of target>/stripped/<target>.exe, made with the target: the
# program as a user gets it, without symbols and debug sections (Wine would
# read those into the process's memory as well).
function(pelorin_stripped_copy target)
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "No objcopy in the tool chain to strip ${target}")
  endif()
  set(stripped ${CMAKE_CURRENT_BINARY_DIR}/stripped/${target}.exe)
  add_custom_command(
    OUTPUT ${stripped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/stripped
    COMMAND ${CMAKE_OBJCOPY} --strip-all $<TARGET_FILE:${target}> ${stripped}
    DEPENDS ${target}
    VERBATIM)
  add_custom_target(${target}_stripped ALL DEPENDS ${stripped})
endfunction()

if(PELORIN_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
