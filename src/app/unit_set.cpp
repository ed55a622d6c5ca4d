#include "app/unit_set.h"

#include <algorithm>

namespace vl {

namespace {

void EndLine(EditorText& shown, std::size_t length) {
  shown.longest_line = std::max(shown.longest_line, length);
  shown.wrap_cost += std::uint64_t(length) * length;
}

}  // namespace

EditorText EditorTextFromFile(std::string_view bytes, const LeadBytes& lead) {
  EditorText shown;
  std::string& out = shown.text;
  out.reserve(bytes.size() + bytes.size() / 16);
  std::size_t line_start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\0') break;
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      EndLine(shown, out.size() - line_start);
      out += "\r\n";
      line_start = out.size();
      continue;
    }
    const bool pair =
        lead.IsLead(static_cast<unsigned char>(c)) && i + 1 < bytes.size() && bytes[i + 1] != '\0';
    out.append(bytes.substr(i, pair ? 2 : 1));
    if (pair) ++i;
  }
  EndLine(shown, out.size() - line_start);
  return shown;
}

EditorFit FitOf(const EditorText& shown) {
  if (shown.text.size() > kLargestEditorText || shown.longest_line > kLongestEditorLine) {
    return EditorFit::kTooLarge;
  }
  return shown.wrap_cost > kWrapBudget ? EditorFit::kUnwrapped : EditorFit::kWrapped;
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
