#include "statusbar/version_fields.h"

#include <cstdio>

namespace vl {

const char* VersionFieldKey(TVersionInfoField field) {
  switch (field) {
    case vifCompanyName:
      return "CompanyName";
    case vifFileDescription:
      return "FileDescription";
    case vifFileVersion:
      return "FileVersion";
    case vifInternalName:
      return "InternalName";
    case vifLegalCopyright:
      return "LegalCopyright";
    case vifLegalTradeMarks:
      return "LegalTrademarks";
    case vifOriginalFilename:
      return "OriginalFilename";
    case vifProductName:
      return "ProductName";
    case vifProductVersion:
      return "ProductVersion";
    case vifComments:
      return "Comments";
  }
  return "";
}

std::string VersionFieldQuery(std::uint16_t language, std::uint16_t code_page,
                              TVersionInfoField field) {
  char prefix[40];
  std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04X%04X\\", unsigned(language),
                unsigned(code_page));
  return prefix + std::string(VersionFieldKey(field));
}

}  // namespace vl
