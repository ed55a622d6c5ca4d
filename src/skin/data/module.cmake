# The carried skin: the package is made at build time from assets/skin/ by tools/skin with the
# program's own package builder, and embedded in the executable as a resource.
#
# The Windows configurations cross-compile and cannot run what they build, so they build the
# tool a second time with the host compiler (an external project of tools/skin).
set(vl_skin_definition ${PROJECT_SOURCE_DIR}/assets/skin/skin.ini)
set(vl_skin_work ${PROJECT_BINARY_DIR}/generated/skin)
set(vl_skin_package ${vl_skin_work}/vorlisk.skin)

if(WIN32)
  include(ExternalProject)
  set(vl_host_tool_dir ${PROJECT_BINARY_DIR}/host-tools/skin)
  set(vl_skin_tool ${vl_host_tool_dir}/vl_skin_tool)
  ExternalProject_Add(vl_skin_host_tool
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/skin
    BINARY_DIR ${vl_host_tool_dir}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${vl_skin_tool})
  set(vl_skin_tool_target vl_skin_host_tool)
else()
  include(${PROJECT_SOURCE_DIR}/tools/skin/sources.cmake)
  add_executable(vl_skin_tool ${vl_skin_tool_sources})
  vl_apply_flags(vl_skin_tool)
  target_include_directories(vl_skin_tool PRIVATE ${PROJECT_SOURCE_DIR}/tools/skin)
  target_link_libraries(vl_skin_tool PRIVATE vl_skin_data)
  set(vl_skin_tool $<TARGET_FILE:vl_skin_tool>)
  set(vl_skin_tool_target vl_skin_tool)
endif()

add_custom_command(OUTPUT ${vl_skin_package}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${vl_skin_work}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          ${vl_skin_tool} make ${vl_skin_definition} ${vl_skin_work} ${vl_skin_package}
  DEPENDS ${vl_skin_tool_target} ${vl_skin_tool} ${vl_skin_definition}
  COMMENT "Making the carried skin package"
  VERBATIM)
add_custom_target(vl_skin_package DEPENDS ${vl_skin_package})

if(WIN32)
  set(vl_skin_rc ${vl_skin_work}/carried_skin.rc)
  configure_file(${dir}/carried_skin.rc.in ${vl_skin_rc} @ONLY)
  add_library(vl_skin_resource OBJECT ${vl_skin_rc})
  target_include_directories(vl_skin_resource PRIVATE ${PROJECT_SOURCE_DIR}/src)
  set_source_files_properties(${vl_skin_rc} PROPERTIES OBJECT_DEPENDS ${vl_skin_package})
  add_dependencies(vl_skin_resource vl_skin_package)
endif()

# The fuzz targets can only steer by coverage of the code they feed, which lives here.
if(VL_BUILD_FUZZERS AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  target_compile_options(vl_skin_data PRIVATE -fsanitize=fuzzer-no-link)
endif()

# The test programs are defined after the modules, so their wiring waits for the end of the file.
set_property(GLOBAL PROPERTY vl_skin_package ${vl_skin_package})
set_property(GLOBAL PROPERTY vl_skin_definition ${vl_skin_definition})
function(vl_skin_data_wire_tests)
  get_property(vl_skin_package GLOBAL PROPERTY vl_skin_package)
  get_property(vl_skin_definition GLOBAL PROPERTY vl_skin_definition)
  foreach(tests skin_data_tests skin_controls_tests)
    if(TARGET ${tests})
      add_dependencies(${tests} vl_skin_package)
      target_compile_definitions(${tests} PRIVATE VL_CARRIED_SKIN_PACKAGE="${vl_skin_package}"
        VL_CARRIED_SKIN_DEFINITION="${vl_skin_definition}")
    endif()
  endforeach()
  foreach(wintests skin_data_wintests skin_controls_wintests skin_form_wintests)
    if(TARGET ${wintests})
      target_link_libraries(${wintests} PRIVATE vl_skin_resource)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL vl_skin_data_wire_tests)
