# The case-folding table of the keyword search is made at build time from the Unicode Character
# Database (Debian's unicode-data) by tools/case_folding.
set(VL_CASE_FOLDING /usr/share/unicode/CaseFolding.txt CACHE FILEPATH
  "The Unicode Character Database's CaseFolding.txt")
set(vl_case_folding_table ${PROJECT_BINARY_DIR}/generated/search/case_folding_table.inc)
add_custom_command(OUTPUT ${vl_case_folding_table}
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${VL_CASE_FOLDING} -DTABLE=${vl_case_folding_table}
          -P ${PROJECT_SOURCE_DIR}/tools/case_folding/make_table.cmake
  DEPENDS ${VL_CASE_FOLDING} ${PROJECT_SOURCE_DIR}/tools/case_folding/make_table.cmake
  COMMENT "Making the case-folding table"
  VERBATIM)
target_sources(vl_search PRIVATE ${vl_case_folding_table})
set_source_files_properties(${vl_case_folding_table} PROPERTIES HEADER_FILE_ONLY ON)
target_include_directories(vl_search PRIVATE ${PROJECT_BINARY_DIR}/generated)
