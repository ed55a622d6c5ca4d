# The program's version block. Vorlisk.exe links vl_version_resource; so does the status bar's
# Windows test program, whose version pane reads the block of its own executable.
if(WIN32)
  set(vl_version_rc ${PROJECT_BINARY_DIR}/generated/statusbar/vorlisk_version.rc)
  configure_file(${dir}/vorlisk_version.rc.in ${vl_version_rc} @ONLY)
  add_library(vl_version_resource OBJECT ${vl_version_rc})

  # The test programs are defined after the modules, so the link waits for the end of the file.
  function(vl_statusbar_link_version_resource)
    if(TARGET statusbar_wintests)
      target_link_libraries(statusbar_wintests PRIVATE vl_version_resource)
      target_compile_definitions(statusbar_wintests PRIVATE
        VL_PROJECT_VERSION_W=L\"${PROJECT_VERSION}\")
    endif()
  endfunction()
  cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL vl_statusbar_link_version_resource)
endif()
