# One library per source folder, one test program per test folder, found by file name so that
# adding a file needs no edit here:
#   src/<dir>/x.cpp          portable: built in every configuration (library vl_<name>)
#   src/<dir>/x_win.cpp      Win32: built in the Windows configurations (library vl_<name>_win)
#   tests/<dir>/x_test.cpp   portable tests: natively under the sanitizers and under Wine
#   tests/<dir>/x_wintest.cpp Win32 tests: under Wine, in the virtual desktop
#   tests/<dir>/x_fuzz.cpp   libFuzzer target (native clang build), seeds in tests/<dir>/corpus/x/
# A folder may add rules of its own in a file named module.cmake beside its sources.

set(VL_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Werror)

function(vl_apply_flags target)
  target_compile_options(${target} PRIVATE ${VL_WARNINGS})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# vl_module(<name> DIR <dir> [DEPS <targets>...] [WIN_DEPS <targets or system libs>...])
function(vl_module name)
  cmake_parse_arguments(M "" "DIR" "DEPS;WIN_DEPS" ${ARGN})
  set(dir ${PROJECT_SOURCE_DIR}/${M_DIR})
  file(GLOB all_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  set(portable "")
  set(win "")
  foreach(f ${all_sources})
    if(f MATCHES "_win\\.cpp$")
      list(APPEND win ${f})
    else()
      list(APPEND portable ${f})
    endif()
  endforeach()

  if(portable)
    add_library(vl_${name} STATIC ${portable})
    vl_apply_flags(vl_${name})
    target_link_libraries(vl_${name} PUBLIC ${M_DEPS})
  else()
    add_library(vl_${name} INTERFACE)
    target_include_directories(vl_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vl_${name} INTERFACE ${M_DEPS})
  endif()

  if(WIN32)
    set(win_deps "")
    foreach(d ${M_DEPS})
      if(TARGET ${d}_win)
        list(APPEND win_deps ${d}_win)
      endif()
    endforeach()
    if(win)
      add_library(vl_${name}_win STATIC ${win})
      vl_apply_flags(vl_${name}_win)
      target_link_libraries(vl_${name}_win PUBLIC vl_${name} ${win_deps} ${M_WIN_DEPS})
    else()
      add_library(vl_${name}_win INTERFACE)
      target_link_libraries(vl_${name}_win INTERFACE vl_${name} ${win_deps} ${M_WIN_DEPS})
    endif()
  endif()

  if(EXISTS ${dir}/module.cmake)
    include(${dir}/module.cmake)
  endif()
endfunction()

# vl_tests(<name> DIR <dir> DEPS <targets>...)
# Test names carry the configuration (native. or win64.) so one CTest run can hold both builds.
# The 32-bit programs cannot run here: win32 builds them but registers none as a test.
function(vl_tests name)
  cmake_parse_arguments(T "" "DIR" "DEPS" ${ARGN})
  set(dir ${PROJECT_SOURCE_DIR}/${T_DIR})
  file(GLOB portable CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  file(GLOB win CONFIGURE_DEPENDS ${dir}/*_wintest.cpp)
  file(GLOB fuzz CONFIGURE_DEPENDS ${dir}/*_fuzz.cpp)

  if(portable AND VL_BUILD_TESTS)
    add_executable(${name}_tests ${portable})
    vl_apply_flags(${name}_tests)
    target_include_directories(${name}_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name}_tests PRIVATE ${T_DEPS} GTest::gtest_main)
    if(NOT VL_CONFIG STREQUAL "win32")
      add_test(NAME ${VL_CONFIG}.${name}_tests COMMAND ${name}_tests)
      set_tests_properties(${VL_CONFIG}.${name}_tests PROPERTIES
        ENVIRONMENT "VL_TEST_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
    endif()
  endif()

  if(win AND WIN32 AND VL_BUILD_TESTS)
    set(win_deps "")
    foreach(d ${T_DEPS})
      if(TARGET ${d}_win)
        list(APPEND win_deps ${d}_win)
      else()
        list(APPEND win_deps ${d})
      endif()
    endforeach()
    add_executable(${name}_wintests ${win} ${PROJECT_SOURCE_DIR}/tests/support/wintest_main.cpp)
    vl_apply_flags(${name}_wintests)
    target_include_directories(${name}_wintests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name}_wintests PRIVATE ${win_deps} GTest::gtest)
    if(NOT VL_CONFIG STREQUAL "win32")
      add_test(NAME ${VL_CONFIG}.${name}_wintests COMMAND ${name}_wintests)
      # Windows tests share one virtual desktop: run them one at a time so focus and
      # foreground changes of one cannot disturb another.
      set_tests_properties(${VL_CONFIG}.${name}_wintests PROPERTIES RESOURCE_LOCK desktop
        ENVIRONMENT "VL_TEST_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
    endif()
  endif()

  if(fuzz AND VL_BUILD_FUZZERS)
    foreach(f ${fuzz})
      get_filename_component(stem ${f} NAME_WE)
      add_executable(${stem} ${f})
      vl_apply_flags(${stem})
      target_compile_options(${stem} PRIVATE -fsanitize=fuzzer)
      target_link_options(${stem} PRIVATE -fsanitize=fuzzer)
      target_link_libraries(${stem} PRIVATE ${T_DEPS})
      set(corpus ${dir}/corpus/${stem})
      set(work ${CMAKE_BINARY_DIR}/fuzz-corpus/${stem})
      # Each target runs for a bounded time on a scratch copy of its seeds; a crash fails the test.
      add_test(NAME ${VL_CONFIG}.${stem}
        COMMAND ${CMAKE_COMMAND} -E env ${CMAKE_COMMAND}
          -DFUZZER=$<TARGET_FILE:${stem}> -DSEEDS=${corpus} -DWORK=${work}
          -DSECONDS=${VL_FUZZ_SECONDS} -P ${PROJECT_SOURCE_DIR}/cmake/RunFuzzer.cmake)
      set_tests_properties(${VL_CONFIG}.${stem} PROPERTIES LABELS fuzz)
    endforeach()
  endif()
endfunction()
