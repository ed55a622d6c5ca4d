# The Windows tests of the skinned controls draw with the carried skin, which they read out of
# their own resources as the program does.
function(vl_skin_controls_wire_tests)
  if(TARGET skin_controls_wintests AND TARGET vl_skin_resource)
    target_link_libraries(skin_controls_wintests PRIVATE vl_skin_resource)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL vl_skin_controls_wire_tests)
