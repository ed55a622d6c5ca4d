#include "app/unit_set.h"

namespace vl {

std::string EditorTextFromFile(std::string_view bytes, const LeadBytes& lead) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 16);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\0') break;
    if (lead.IsLead(static_cast<unsigned char>(c)) && i + 1 < bytes.size() &&
        bytes[i + 1] != '\0') {
      out += c;
      out += bytes[++i];
      continue;
    }
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      out += "\r\n";
      continue;
    }
    out += c;
  }
  return out;
}

std::string DrivesText(std::uint32_t drive_mask) {
  std::string out;
  for (int i = 0; i < 26; ++i) {
    if (!(drive_mask & (std::uint32_t(1) << i))) continue;
    out += char('A' + i);
    out += ":\\\r\n";
  }
  return out;
}

}  // namespace vl
