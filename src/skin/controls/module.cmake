# The Windows tests of the controls draw from the carried skin, which they read from their own
# executable's resources; the test programs are defined after the modules.
function(vl_skin_controls_link_resources)
  if(TARGET skin_controls_wintests AND TARGET vl_skin_resource)
    target_link_libraries(skin_controls_wintests PRIVATE vl_skin_resource)
  endif()
endfunction()
if(WIN32)
  cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL vl_skin_controls_link_resources)
endif()
