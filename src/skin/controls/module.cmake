# The Windows tests of the controls draw with the carried skin, which they read from their own
# resources; the test programs are defined after the modules, so the wiring waits for the end.
function(vl_skin_controls_wire_tests)
  if(TARGET skin_controls_wintests AND TARGET vl_skin_resource)
    target_link_libraries(skin_controls_wintests PRIVATE vl_skin_resource)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL vl_skin_controls_wire_tests)
