#pragma once
// UTF-8, the program's text: names, the index and the root list are kept in it. Files that
// versions before it wrote hold their lines in the system's ANSI code page instead, and are
// read as that.

#include <cstddef>
#include <string>
#include <string_view>

namespace vl {

// The code point of the whole UTF-8 character at text[i] and its length in bytes; a length of
// 0 when no whole, shortest-form character starts there.
struct Utf8Char {
  char32_t c = 0;
  std::size_t length = 0;
};
Utf8Char DecodeUtf8(std::string_view text, std::size_t i);
void AppendUtf8(char32_t c, std::string& out);

// The offset of the first byte at or after from that is not ASCII; text.size() when none is.
// Runs of ASCII are read a block at a time.
std::size_t AsciiBefore(std::string_view text, std::size_t from);
inline bool IsAscii(std::string_view text) {
  return AsciiBefore(text, 0) == text.size();
}

// Whether text is well-formed UTF-8 throughout. A run of ASCII costs little, and most paths
// are one.
bool IsUtf8(std::string_view text);

// Text in Windows code page 1252 as UTF-8; its five unassigned bytes become the controls of
// their value, as the system's own conversion makes them.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace vl
