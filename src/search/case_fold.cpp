#include "search/case_fold.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "search/utf8.h"

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

}  // namespace

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
    const Utf8Char d = DecodeUtf8(text, i);
    if (d.length == 0) {
      out += b;
      ++i;
      continue;
    }
    AppendUtf8(FoldCodePoint(d.c), out);
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
