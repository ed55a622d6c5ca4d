# The tool's own sources; the native build and the host build of the Windows configurations
# both take them from here.
set(vl_skin_tool_sources
  ${CMAKE_CURRENT_LIST_DIR}/sheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_tool.cpp)
