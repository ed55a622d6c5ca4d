#include <gtest/gtest.h>

#include <random>

#include "search/natural_order.h"

namespace vl {
namespace {

int Sign(int v) {
  return (v > 0) - (v < 0);
}

struct Pair {
  std::string_view a;
  std::string_view b;
  int sign;  // of CompareNatural(a, b)
};

TEST(NaturalOrderTest, ComparesLikeTheFileManager) {
  const Pair pairs[] = {
      // Case does not count; equal names compare equal.
      {"readme.txt", "README.TXT", 0},
      {"a", "B", -1},
      {"Zeta", "alpha", 1},
      // Digits by value, leading zeros ignored, longer than any machine number.
      {"file2", "file10", -1},
      {"file10", "file9", 1},
      {"file02", "file2", 0},
      {"a1b2", "a1b10", -1},
      {"a99999999999999999999", "a100000000000000000000", -1},
      {"v1.10", "v1.9", 1},
      {"0", "00", 0},
      // A number sorts where a digit does among other characters; a head sorts first.
      {"a.txt", "a1.txt", -1},
      {"a_b", "a1", 1},
      {"file", "file1", -1},
      {"", "a", -1},
      {"", "", 0},
      // Non-ASCII letters fold by Unicode (UTF-8), and sort after ASCII letters.
      {"\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89", 0},  // Été, éTÉ
      {"z", "\xC3\xA9", -1},                          // z, é
      {"\xCE\xA3", "\xCF\x82", 0},                    // Σ, final ς
      {"\xD0\x96", "\xD0\xB6", 0},                    // Ж, ж
      {"\xE1\xBA\x9E", "\xC3\x9F", 0},                // ẞ, ß
      {"stra\xC3\x9F"
       "e",
       "STRASSE", 1},                       // ß is not "ss"
      {"\xEF\xBC\xA1", "\xEF\xBD\x81", 0},  // full-width Ａ, ａ
      // A byte that starts no UTF-8 character is its Latin-1 letter.
      {"caf\xE9", "CAF\xC9", 0},
      {"caf\xE9", "caf\xC3\xA9", 0},
      {"\xFF", "\xC3\xBF", 0},
      {"\xC3(", "\xC3\x83(", 0},
  };
  for (const Pair& p : pairs) {
    EXPECT_EQ(Sign(CompareNatural(p.a, p.b)), p.sign) << p.a << " vs " << p.b;
    EXPECT_EQ(Sign(CompareNatural(p.b, p.a)), -p.sign) << p.b << " vs " << p.a;
  }
}

// The first part of a key never contradicts the whole comparison, and the parts in sequence
// compare as the texts do.
TEST(NaturalOrderTest, KeyPartsAgreeWithTheComparison) {
  const std::string_view pieces[] = {"a",        "A",    "b",    "0",         "7", "12",
                                     "007",      "x",    ".",    "_",         " ", "\xC3\xA9",
                                     "\xC3\x89", "\xE9", "\xFF", "9999999999"};
  std::mt19937 rng(7);
  auto random_text = [&] {
    std::string text;
    for (std::size_t n = rng() % 8; n > 0; --n) text += pieces[rng() % std::size(pieces)];
    return text;
  };
  for (int i = 0; i < 5000; ++i) {
    const std::string a = random_text();
    const std::string b = random_text();
    int parts = 0;
    for (std::size_t offset = 0;; offset += 8) {
      bool more_a = false;
      bool more_b = false;
      const std::uint64_t pa = NaturalKeyPart(a, offset, more_a);
      const std::uint64_t pb = NaturalKeyPart(b, offset, more_b);
      if (pa != pb) {
        parts = pa < pb ? -1 : 1;
        break;
      }
      if (!more_a && !more_b) break;
    }
    EXPECT_EQ(parts, Sign(CompareNatural(a, b))) << a << " vs " << b;
    EXPECT_EQ(Sign(NaturalKey(a).compare(NaturalKey(b))), Sign(CompareNatural(a, b)));
  }
}

}  // namespace
}  // namespace vl
