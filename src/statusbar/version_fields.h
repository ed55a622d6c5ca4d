#pragma once
// The ten text fields of an executable's version block and where each is found in it.

#include <cstdint>
#include <string>

namespace vl {

enum class TVersionInfoField {
  vifCompanyName,
  vifFileDescription,
  vifFileVersion,
  vifInternalName,
  vifLegalCopyright,
  vifLegalTradeMarks,
  vifOriginalFilename,
  vifProductName,
  vifProductVersion,
  vifComments,
};
using enum TVersionInfoField;

// The field's key in the block's string table ("ProductVersion").
const char* VersionFieldKey(TVersionInfoField field);

// The query for a field in the string table of one language and code page, as the block's
// translation table lists them: "\StringFileInfo\040904B0\ProductVersion".
std::string VersionFieldQuery(std::uint16_t language, std::uint16_t code_page,
                              TVersionInfoField field);

}  // namespace vl
