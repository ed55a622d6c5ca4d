# Vorlisk.exe: the windowed program. Its entry lies in program/ so that the test programs,
# which link the window classes, do not pick it up.
if(WIN32)
  add_executable(Vorlisk WIN32 ${dir}/program/main_win.cpp ${dir}/vorlisk.rc)
  vl_apply_flags(Vorlisk)
  target_link_libraries(Vorlisk PRIVATE vl_app_win)
  # The carried skin package and the version information come from the skin and status bar
  # folders once they define them.
  foreach(resource vl_skin_resource vl_version_resource)
    if(TARGET ${resource})
      target_link_libraries(Vorlisk PRIVATE ${resource})
    endif()
  endforeach()
endif()

# The window tests create the real windows, which read the carried skin and the version block
# from their own executable, and run in the program's process code page; the test programs
# are defined after the modules.
function(vl_app_link_resources)
  if(NOT TARGET app_wintests)
    return()
  endif()
  foreach(resource vl_skin_resource vl_version_resource)
    if(TARGET ${resource})
      target_link_libraries(app_wintests PRIVATE ${resource})
    endif()
  endforeach()
  target_sources(app_wintests PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/utf8_code_page.rc)
endfunction()
if(WIN32)
  cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL vl_app_link_resources)
endif()

# The helper of scripts/screenshot that types into a running Vorlisk and saves its windows.
if(WIN32)
  add_executable(vorlisk-screenshot ${dir}/tools/screenshot_driver_win.cpp)
  vl_apply_flags(vorlisk-screenshot)
  target_link_libraries(vorlisk-screenshot PRIVATE gdi32 user32)
endif()
