# Checks each executable named after the script (cmake -P CheckExecutables.cmake A.exe B.exe):
# - it imports only libraries that every Windows has, so it runs unpacked on a bare system;
# - it carries a version block whose file and product versions are VERSION;
# - when LARGE_ADDRESS_AWARE is 1, its header lets it use more than 2 GB;
# - its manifest declares UTF-8 as the process code page.
# OBJDUMP is the target's objdump, which prints the headers and the import table.
cmake_minimum_required(VERSION 3.25)

# Windows's own libraries; anything else (the compiler's runtime, zlib) would have to be shipped.
set(system_libraries
  advapi32.dll comctl32.dll comdlg32.dll gdi32.dll gdiplus.dll imm32.dll kernel32.dll
  msimg32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll
  uxtheme.dll version.dll winmm.dll)

set(failures "")
macro(fail text)
  list(APPEND failures "${exe}: ${text}")
endmacro()

set(executables "")
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(CMAKE_ARGV${i} MATCHES "\\.exe$")
    list(APPEND executables "${CMAKE_ARGV${i}}")
  endif()
endforeach()
if(NOT executables)
  message(FATAL_ERROR "no executable to check")
endif()

foreach(exe ${executables})
  if(NOT EXISTS "${exe}")
    fail("missing")
    continue()
  endif()
  execute_process(COMMAND ${OBJDUMP} -p "${exe}" OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    fail("${OBJDUMP} failed with ${rc}")
    continue()
  endif()

  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  if(NOT imports)
    fail("no import table found")
  endif()
  foreach(line ${imports})
    string(REGEX REPLACE "DLL Name: *" "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" lower)
    if(NOT lower IN_LIST system_libraries)
      fail("imports ${dll}, which is not a system library")
    endif()
  endforeach()

  string(REGEX MATCH "Characteristics 0x[0-9a-fA-F]+" characteristics "${dump}")
  if(NOT characteristics)
    fail("no file header characteristics found")
  else()
    string(REGEX REPLACE "Characteristics " "" flags "${characteristics}")
    math(EXPR aware "${flags} & 0x20")
    if(LARGE_ADDRESS_AWARE AND aware EQUAL 0)
      fail("not large-address-aware (${characteristics})")
    endif()
  endif()

  # The version block: a resource of type 16, whose strings are UTF-16.
  if(NOT dump MATCHES "Type: 16|ID: 0x0*10[^0-9a-fA-F]")
    fail("no version resource in the resource directory")
  endif()
  file(STRINGS "${exe}" texts ENCODING UTF-16LE LENGTH_MINIMUM 4)
  # A "[" in some other text of the file would make the list commands read everything after it,
  # up to a "]", as one element, the version strings with it.
  string(REPLACE "[" "(" texts "${texts}")
  string(REPLACE "]" ")" texts "${texts}")
  foreach(key FileVersion ProductVersion)
    list(FIND texts "${key}" at)
    if(at LESS 0)
      fail("no ${key} in the version block")
      continue()
    endif()
    math(EXPR value_at "${at} + 1")
    list(LENGTH texts count)
    set(value "")
    if(value_at LESS count)
      list(GET texts ${value_at} value)
    endif()
    if(NOT value STREQUAL "${VERSION}")
      fail("${key} is \"${value}\", not \"${VERSION}\"")
    endif()
  endforeach()
  # The manifest is a resource of type 24 whose text is UTF-8.
  if(NOT dump MATCHES "Type: 24|ID: 0x0*18[^0-9a-fA-F]")
    fail("no manifest in the resource directory")
  endif()
  file(STRINGS "${exe}" code_page REGEX "<activeCodePage[^>]*>UTF-8</activeCodePage>")
  if(NOT code_page)
    fail("the manifest does not declare UTF-8 as the process code page")
  endif()
  message(STATUS "${exe}: imports ${imports}; ${characteristics}")
endforeach()

if(failures)
  string(REPLACE ";" "\n" text "${failures}")
  message(FATAL_ERROR "executable checks failed:\n${text}")
endif()
message(STATUS "executable checks passed: ${executables}")
