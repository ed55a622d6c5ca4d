#include "app/unit_set.h"

#include <algorithm>

namespace vl {

EditorText EditorTextFromFile(std::string_view bytes, const LeadBytes& lead) {
  EditorText shown;
  std::string& out = shown.text;
  out.reserve(std::min(bytes.size() + bytes.size() / 16, kLongestEditorText));
  std::size_t line = 0;
  std::size_t i = 0;
  for (; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\0') break;
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      if (out.size() + 2 > kLongestEditorText) break;
      out += "\r\n";
      line = 0;
      continue;
    }
    const bool pair =
        lead.IsLead(static_cast<unsigned char>(c)) && i + 1 < bytes.size() && bytes[i + 1] != '\0';
    const std::size_t width = pair ? 2 : 1;
    if (out.size() + width > kLongestEditorText) break;
    if (line + width > kLongestEditorLine) {
      shown.cut = true;
      i += width - 1;
      continue;
    }
    out.append(bytes.substr(i, width));
    line += width;
    i += width - 1;
  }
  if (i < bytes.size() && bytes[i] != '\0') {
    // The text ends with the last whole line that fits.
    shown.cut = true;
    const std::size_t end = out.rfind("\r\n");
    out.resize(end == std::string::npos ? out.size() : end + 2);
  }
  return shown;
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
