#include "search/path_ops.h"

namespace vl {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

bool IsOneOf(unsigned char b, std::string_view set) {
  return set.find(char(b)) != kNone;
}

struct Delimiter {
  std::size_t pos = kNone;         // index of the last delimiter
  bool follows_delimiter = false;  // the byte before it is a delimiter too
};

// Scans forward, because only a scan from the start knows which bytes are second bytes of a
// double-byte character, and those never count.
Delimiter LastDelimiter(std::string_view path, std::string_view set, const LeadBytes& lead) {
  Delimiter last;
  for (std::size_t i = 0; i < path.size(); ++i) {
    auto b = static_cast<unsigned char>(path[i]);
    if (lead.IsLead(b)) {
      ++i;
      continue;
    }
    if (!IsOneOf(b, set)) continue;
    last.follows_delimiter = last.pos != kNone && last.pos + 1 == i;
    last.pos = i;
  }
  return last;
}

}  // namespace

std::string_view ExtractFileName(std::string_view path, const LeadBytes& lead) {
  Delimiter d = LastDelimiter(path, "\\:", lead);
  return d.pos == kNone ? path : path.substr(d.pos + 1);
}

std::string_view ExtractFilePath(std::string_view path, const LeadBytes& lead) {
  Delimiter d = LastDelimiter(path, "\\:", lead);
  return d.pos == kNone ? std::string_view() : path.substr(0, d.pos + 1);
}

std::string_view ExtractFileDir(std::string_view path, const LeadBytes& lead) {
  Delimiter d = LastDelimiter(path, "\\:", lead);
  if (d.pos == kNone) return {};
  std::size_t length = d.pos + 1;
  // A folder keeps no trailing separator, but a drive root ("C:\") does.
  if (d.pos > 0 && path[d.pos] == '\\' && !d.follows_delimiter) --length;
  return path.substr(0, length);
}

std::string_view ExtractFileExt(std::string_view path, const LeadBytes& lead) {
  Delimiter d = LastDelimiter(path, ".\\:", lead);
  if (d.pos == kNone || path[d.pos] != '.') return {};
  return path.substr(d.pos);
}

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string LowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = char(c + ('a' - 'A'));
  }
  return out;
}

}  // namespace vl
