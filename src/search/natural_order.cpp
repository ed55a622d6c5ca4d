#include "search/natural_order.h"

#include <algorithm>
#include <iterator>

#include "search/case_fold.h"
#include "search/utf8.h"

namespace vl {
namespace {

constexpr std::size_t kPartBytes = 8;
constexpr std::size_t kLongCount = 255;

bool IsDigit(unsigned char b) {
  return b >= '0' && b <= '9';
}

// The character at text[i], and i moved past it. A byte that does not begin a well-formed
// UTF-8 character is the Latin-1 character of its value.
char32_t NextChar(std::string_view text, std::size_t& i) {
  const Utf8Char decoded = DecodeUtf8(text, i);
  if (decoded.length == 0) return static_cast<unsigned char>(text[i++]);
  i += decoded.length;
  return decoded.c;
}

// Hands the bytes of the key of text to put, one by one, until put returns false.
template <typename Put>
void WriteKey(std::string_view text, Put&& put) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsDigit(static_cast<unsigned char>(text[i]))) {
      std::size_t start = i;
      while (i < text.size() && IsDigit(static_cast<unsigned char>(text[i]))) ++i;
      while (start < i && text[start] == '0') ++start;
      const std::size_t count = i - start;
      if (!put('0')) return;
      if (count < kLongCount) {
        if (!put(static_cast<unsigned char>(count))) return;
      } else {
        if (!put(static_cast<unsigned char>(kLongCount))) return;
        const auto wide = static_cast<std::uint32_t>(std::min<std::size_t>(count, 0xFFFFFFFFu));
        for (int shift = 24; shift >= 0; shift -= 8) {
          if (!put(static_cast<unsigned char>(wide >> shift))) return;
        }
      }
      for (std::size_t k = start; k < i; ++k) {
        if (!put(static_cast<unsigned char>(text[k]))) return;
      }
      continue;
    }
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      // Most names are ASCII, whose only folding is A-Z: no table lookup for them.
      ++i;
      if (!put(byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A'))
                                          : byte)) {
        return;
      }
      continue;
    }
    const char32_t c = FoldCodePoint(NextChar(text, i));
    if (c < 0x80) {
      if (!put(static_cast<unsigned char>(c))) return;
    } else if (c < 0x800) {
      if (!put(static_cast<unsigned char>(0xC0 | (c >> 6)))) return;
      if (!put(static_cast<unsigned char>(0x80 | (c & 0x3F)))) return;
    } else if (c < 0x10000) {
      if (!put(static_cast<unsigned char>(0xE0 | (c >> 12)))) return;
      if (!put(static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F)))) return;
      if (!put(static_cast<unsigned char>(0x80 | (c & 0x3F)))) return;
    } else {
      if (!put(static_cast<unsigned char>(0xF0 | (c >> 18)))) return;
      if (!put(static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F)))) return;
      if (!put(static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F)))) return;
      if (!put(static_cast<unsigned char>(0x80 | (c & 0x3F)))) return;
    }
  }
}

}  // namespace

std::string NaturalKey(std::string_view text) {
  std::string key;
  WriteKey(text, [&key](unsigned char b) {
    key += char(b);
    return true;
  });
  return key;
}

std::uint64_t NaturalKeyPart(std::string_view text, std::size_t offset, bool& more) {
  std::uint64_t part = 0;
  std::size_t at = 0;
  more = false;
  WriteKey(text, [&](unsigned char b) {
    if (at >= offset + kPartBytes) {
      more = true;
      return false;
    }
    if (at >= offset) part |= std::uint64_t(b) << (8 * (offset + kPartBytes - 1 - at));
    ++at;
    return true;
  });
  return part;
}

int CompareNatural(std::string_view a, std::string_view b) {
  thread_local std::string key_a;
  thread_local std::string key_b;
  key_a.clear();
  key_b.clear();
  WriteKey(a, [](unsigned char c) {
    key_a += char(c);
    return true;
  });
  WriteKey(b, [](unsigned char c) {
    key_b += char(c);
    return true;
  });
  return key_a.compare(key_b);
}

}  // namespace vl
