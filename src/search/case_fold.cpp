#include "search/case_fold.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace vl {
namespace {

struct Folding {
  char32_t from;
  char32_t to;
};

constexpr Folding kFoldings[] = {
#include "search/case_folding_table.inc"
};

static_assert(std::is_sorted(std::begin(kFoldings), std::end(kFoldings),
                             [](Folding a, Folding b) { return a.from < b.from; }));

// The code point of the whole UTF-8 character at text[i] and its length in bytes; a length of
// 0 when no whole, shortest-form character starts there.
struct Decoded {
  char32_t c = 0;
  std::size_t length = 0;
};

Decoded Decode(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (lead > 0xF4 || length == 0 || i + length > text.size()) return {};
  char32_t c = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return {};
    c = (c << 6) | (b & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kShortest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
  return {c, length};
}

void Encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

}  // namespace

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char b) { return (b & 0x80) == 0; });
}

char32_t FoldCodePoint(char32_t c) {
  const Folding* it = std::lower_bound(std::begin(kFoldings), std::end(kFoldings), c,
                                       [](Folding f, char32_t key) { return f.from < key; });
  return it != std::end(kFoldings) && it->from == c ? it->to : c;
}

void AppendFolded(std::string_view text, std::string& out) {
  std::size_t i = 0;
  while (i < text.size()) {
    const char b = text[i];
    if ((b & 0x80) == 0) {
      out += b >= 'A' && b <= 'Z' ? char(b + ('a' - 'A')) : b;
      ++i;
      continue;
    }
    const Decoded d = Decode(text, i);
    if (d.length == 0) {
      out += b;
      ++i;
      continue;
    }
    Encode(FoldCodePoint(d.c), out);
    i += d.length;
  }
}

std::string FoldText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendFolded(text, out);
  return out;
}

}  // namespace vl
