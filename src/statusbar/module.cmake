# The program's version block, from the project version (the one place it is set). Vorlisk.exe
# links vl_version_resource; so does the status bar's Windows test program, whose version pane
# reads the block of its own executable. vl_add_version_resource makes the block of another
# executable (the console companion).
if(WIN32)
  set(vl_version_template ${dir}/vorlisk_version.rc.in CACHE INTERNAL "")
  function(vl_add_version_resource library vl_exe_name vl_exe_description)
    set(rc ${PROJECT_BINARY_DIR}/generated/version/${vl_exe_name}.rc)
    configure_file(${vl_version_template} ${rc} @ONLY)
    add_library(${library} OBJECT ${rc})
  endfunction()
  vl_add_version_resource(vl_version_resource Vorlisk "Vorlisk file-name finder")

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
