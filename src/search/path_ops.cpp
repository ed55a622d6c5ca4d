#include "search/path_ops.h"

namespace vl {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

bool IsOneOf(unsigned char b, std::string_view set) {
  for (char c : set) {
    if (static_cast<unsigned char>(c) == b) return true;
  }
  return false;
}

// True when the byte at pos is the second byte of a double-byte character. The bytes just
// before it that could start a character pair up from the last byte that cannot (which ends
// a character, whether a single byte or a second byte), so an odd run means pos is second.
bool IsTrailByte(std::string_view path, std::size_t pos, const LeadBytes& lead) {
  std::size_t run = 0;
  while (run < pos && lead.IsLead(static_cast<unsigned char>(path[pos - run - 1]))) ++run;
  return run % 2 == 1;
}

// A byte of the set that is a character of its own, not part of a double-byte character.
bool IsDelimiterAt(std::string_view path, std::size_t pos, std::string_view set,
                   const LeadBytes& lead) {
  auto b = static_cast<unsigned char>(path[pos]);
  return IsOneOf(b, set) && !lead.IsLead(b) && !IsTrailByte(path, pos, lead);
}

struct Delimiter {
  std::size_t pos = kNone;         // index of the last delimiter
  bool follows_delimiter = false;  // the byte before it is a delimiter too
};

// Scans back from the end, so that the cost is the length of the last part of the path.
Delimiter LastDelimiter(std::string_view path, std::string_view set, const LeadBytes& lead) {
  Delimiter last;
  for (std::size_t i = path.size(); i-- > 0;) {
    if (!IsDelimiterAt(path, i, set, lead)) continue;
    last.pos = i;
    last.follows_delimiter = i > 0 && IsDelimiterAt(path, i - 1, set, lead);
    return last;
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
