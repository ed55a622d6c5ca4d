# Makes the case-folding table of the keyword search from the Unicode Character Database's
# CaseFolding.txt: one {code point, folded code point} pair a line, in code point order, for
# the common (C) and simple (S) mappings, which together are the simple case folding.
#   cmake -DSOURCE=/usr/share/unicode/CaseFolding.txt -DTABLE=out.inc -P make_table.cmake
if(NOT EXISTS "${SOURCE}")
  message(FATAL_ERROR "${SOURCE} is missing: install the package unicode-data (scripts/setup)")
endif()
file(STRINGS "${SOURCE}" version LIMIT_COUNT 1)
string(REGEX REPLACE "^# *" "" version "${version}")
file(STRINGS "${SOURCE}" mappings REGEX "^[0-9A-F]+; [CS]; [0-9A-F]+;")
set(text "// Made from ${version} by tools/case_folding/make_table.cmake.\n")
foreach(line IN LISTS mappings)
  string(REGEX MATCH "^([0-9A-F]+); [CS]; ([0-9A-F]+);" pair "${line}")
  string(APPEND text "{0x${CMAKE_MATCH_1}, 0x${CMAKE_MATCH_2}},\n")
endforeach()
list(LENGTH mappings count)
if(count LESS 1000)
  message(FATAL_ERROR "${SOURCE} holds only ${count} simple case foldings")
endif()
file(WRITE "${TABLE}.tmp" "${text}")
file(COPY_FILE "${TABLE}.tmp" "${TABLE}" ONLY_IF_DIFFERENT)
file(REMOVE "${TABLE}.tmp")
