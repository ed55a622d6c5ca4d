#include "search/utf8.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace vl {

Utf8Char DecodeUtf8(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return {lead, 1};
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
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

void AppendUtf8(char32_t c, std::string& out) {
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

std::size_t AsciiBefore(std::string_view text, std::size_t from) {
  const std::size_t n = text.size();
  std::size_t i = from;
#if defined(__SSE2__) || defined(_M_X64)
  while (i + 32 <= n) {
    const auto* at = reinterpret_cast<const __m128i*>(text.data() + i);
    if (_mm_movemask_epi8(_mm_or_si128(_mm_loadu_si128(at), _mm_loadu_si128(at + 1))) != 0) {
      break;
    }
    i += 32;
  }
#endif
  while (i + 8 <= n) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    if (word & 0x8080808080808080u) break;
    i += 8;
  }
  while (i < n && (text[i] & 0x80) == 0) ++i;
  return i;
}

bool IsUtf8(std::string_view text) {
  const std::size_t n = text.size();
  for (std::size_t i = AsciiBefore(text, 0); i < n; i = AsciiBefore(text, i)) {
    const std::size_t length = DecodeUtf8(text, i).length;
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view text) {
  // 0x80..0x9F; the rest of the upper half is Latin-1.
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char b : text) {
    const auto byte = static_cast<unsigned char>(b);
    AppendUtf8(byte >= 0x80 && byte < 0xA0 ? char32_t(kHigh[byte - 0x80]) : char32_t(byte), out);
  }
  return out;
}

}  // namespace vl
