#pragma once
// Byte-string text and path operations. Paths are ANSI bytes; in a double-byte code page the
// second byte of a character may have the value of "\" and must never be taken for a delimiter,
// so every splitter takes the code page's lead-byte test as a parameter (tests pass the table
// of code page 936; the program passes SystemLeadBytes()).

#include <array>
#include <string>
#include <string_view>

namespace vl {

// Which byte values start a double-byte character.
class LeadBytes {
 public:
  constexpr LeadBytes() = default;

  // Every byte value from first to last (inclusive) is a lead byte.
  static constexpr LeadBytes Range(unsigned char first, unsigned char last) {
    LeadBytes t;
    for (int b = first; b <= last; ++b) t.lead_[static_cast<std::size_t>(b)] = true;
    return t;
  }
  // A single-byte code page: no lead bytes.
  static constexpr LeadBytes SingleByte() { return LeadBytes(); }
  // Simplified Chinese (GBK): lead bytes 0x81 to 0xFE.
  static constexpr LeadBytes CodePage936() { return Range(0x81, 0xFE); }

  constexpr bool IsLead(unsigned char b) const { return lead_[b]; }
  constexpr void Set(unsigned char b, bool lead) { lead_[b] = lead; }

 private:
  std::array<bool, 256> lead_{};
};

// The lead bytes of the system's ANSI code page, read once (Windows build only).
const LeadBytes& SystemLeadBytes();

// Everything after the last "\" or ":"; the whole path when there is none.
std::string_view ExtractFileName(std::string_view path, const LeadBytes& lead);

// Everything before the last "\" or ":", keeping the separator of a drive root ("C:\") and the
// ":" of a drive ("C:x.txt" gives "C:").
std::string_view ExtractFileDir(std::string_view path, const LeadBytes& lead);

// Everything up to and including the last "\" or ":" (the folder with its trailing separator).
std::string_view ExtractFilePath(std::string_view path, const LeadBytes& lead);

// From the last "." to the end, dot included, when that "." follows the last "\" or ":";
// otherwise empty.
std::string_view ExtractFileExt(std::string_view path, const LeadBytes& lead);

// Drops bytes 0x00 to 0x20 at both ends; bytes above 0x7F stay.
std::string_view Trim(std::string_view text);

// Maps "A".."Z" to "a".."z" wherever they stand; every other byte is left as it is.
std::string LowerCase(std::string_view text);

}  // namespace vl
