# The journeys: the real Vorlisk.exe started from a folder of its own, driven by real keyboard
# and pointer input from outside (xdotool) and judged through vorlisk-probe. The probe is built
# in both Windows configurations; the journeys run in win64 only, one CTest test each. They run
# alone (RUN_SERIAL): an in-process window test running beside them would take the input focus.
if(NOT WIN32 OR NOT VL_BUILD_TESTS)
  return()
endif()

set(journeys_dir ${PROJECT_SOURCE_DIR}/tests/journeys)
add_executable(vorlisk-probe ${journeys_dir}/probe_win.cpp)
vl_apply_flags(vorlisk-probe)
target_link_libraries(vorlisk-probe PRIVATE user32 gdi32 shell32)

if(NOT VL_CONFIG STREQUAL "win64")
  return()
endif()

file(GLOB journeys CONFIGURE_DEPENDS ${journeys_dir}/*.journey.sh)
foreach(journey ${journeys})
  get_filename_component(name ${journey} NAME)
  string(REPLACE ".journey.sh" "" name ${name})
  add_test(NAME win64.journey.${name} COMMAND bash ${journeys_dir}/run.sh ${name})
  set_tests_properties(win64.journey.${name} PROPERTIES RUN_SERIAL TRUE LABELS journey
    TIMEOUT 180 ENVIRONMENT "VL_BIN=${CMAKE_BINARY_DIR};VL_JOURNEY_WORK=${CMAKE_BINARY_DIR}/journeys")
endforeach()
