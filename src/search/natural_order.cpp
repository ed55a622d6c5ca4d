#include "search/natural_order.h"

#include <algorithm>
#include <iterator>

namespace vl {
namespace {

struct FoldRun {
  char32_t first;
  char32_t last;
  char32_t step;
  int distance;
};

constexpr FoldRun kFolds[] = {
#include "search/case_fold_table.inc"
};

constexpr std::size_t kPartBytes = 8;
constexpr std::size_t kLongCount = 255;

bool IsDigit(unsigned char b) {
  return b >= '0' && b <= '9';
}

// The character at text[i], and i moved past it. A byte that does not begin a well-formed
// UTF-8 character is the Latin-1 character of its value.
char32_t NextChar(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1Fu, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0Fu, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07u, least = 0x10000;
  }
  if (length == 0 || i + length > text.size()) {
    ++i;
    return lead;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const auto trail = static_cast<unsigned char>(text[i + k]);
    if ((trail & 0xC0u) != 0x80u) {
      ++i;
      return lead;
    }
    c = (c << 6) | (trail & 0x3Fu);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return lead;
  }
  i += length;
  return c;
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
    const char32_t c = SimpleCaseFold(NextChar(text, i));
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

char32_t SimpleCaseFold(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
  const auto* run = std::upper_bound(std::begin(kFolds), std::end(kFolds), c,
                                     [](char32_t v, const FoldRun& r) { return v < r.first; });
  if (run == std::begin(kFolds)) return c;
  --run;
  if (c > run->last || (c - run->first) % run->step != 0) return c;
  return char32_t(int(c) + run->distance);
}

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
