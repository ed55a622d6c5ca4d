#include <gtest/gtest.h>

#include <random>

#include "search/case_fold.h"
#include "search/keyword_cache.h"
#include "search/path_ops.h"
#include "search/queries_fold.h"
#include "search/queries_scan.h"

namespace vl {
namespace {

TEST(CaseFold, FoldsEveryScriptByTheUnicodeTable) {
  const struct {
    const char* text;
    const char* folded;
  } cases[] = {
      {"\xC3\x9C"
       "BER-Upper.TXT",
       "\xC3\xBC"
       "ber-upper.txt"},                                         // ÜBER
      {"\xD0\x9A\xD0\x98\xD0\xA0", "\xD0\xBA\xD0\xB8\xD1\x80"},  // КИР
      {"\xCE\xA3\xCE\xBF\xCF\x82", "\xCF\x83\xCE\xBF\xCF\x83"},  // Σος: final sigma
      {"\xC3\x89\xC3\x87", "\xC3\xA9\xC3\xA7"},                  // ÉÇ
      {"\xE1\xBA\x9E", "\xC3\x9F"},                              // ẞ to ß
      {"\xE2\x84\xAA", "k"},                                     // Kelvin sign
      {"\xC5\xBF", "s"},                                         // long s
      {"\xF0\x90\x90\x80", "\xF0\x90\x90\xA8"},                  // Deseret
      {"\xE6\x97\xA5\xE6\x9C\xAC", "\xE6\x97\xA5\xE6\x9C\xAC"},  // no case
      {"CAF\xC9", "caf\xC9"},                                    // code page 1252: only ASCII folds
      {"\xC3", "\xC3"},                                          // a cut character
      {"\xC0\x81\xED\xA0\x80", "\xC0\x81\xED\xA0\x80"},          // overlong, surrogate
  };
  for (const auto& c : cases) EXPECT_EQ(FoldText(c.text), c.folded) << c.text;
}

const TextList kLines = {
    "C:\\Music\\\xC3\x9C"
    "BER-UPPER.txt",  // ÜBER-UPPER.txt
    "C:\\\xD0\xBA\xD0\xB8\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB\xD0\xB8\xD1\x86\xD0\xB0\\a.txt",
    "C:\\\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x99\xCE\x91.doc",  // ΣΟΦΙΑ.doc
    "C:\\caf\xC3\xA9\\CAF\xC3\x89.TXT",                  // café\CAFÉ.TXT
    "C:\\plain\\uber.txt",
};

Rows Find(std::string_view keyword) {
  IndexList index = IndexList::FromText(JoinTextList(kLines));
  return FindKeyword(index, keyword);
}

// Single code points, among them those whose full folding is longer (U+1E9E, U+0130).
TEST(CaseFold, FoldsCodePointsSimply) {
  const std::pair<char32_t, char32_t> folds[] = {
      {U'A', U'a'},     {U'a', U'a'},     {U'@', U'@'},         {0x00C0, 0x00E0},
      {0x00D7, 0x00D7}, {0x00DF, 0x00DF}, {0x0100, 0x0101},     {0x0101, 0x0101},
      {0x0130, 0x0130}, {0x1E9E, 0x00DF}, {0x03A3, 0x03C3},     {0x03C2, 0x03C3},
      {0x0410, 0x0430}, {0xFF21, 0xFF41}, {0x10400, 0x10428},   {0x4E2D, 0x4E2D},
      {0x00B5, 0x03BC}, {0x1F88, 0x1F80}, {0x10FFFF, 0x10FFFF},
  };
  for (auto [from, to] : folds)
    EXPECT_EQ(std::uint32_t(FoldCodePoint(from)), std::uint32_t(to))
        << std::hex << std::uint32_t(from);
}

TEST(CaseFold, PairsMatchBothWays) {
  const struct {
    const char* keyword;
    Rows rows;
  } cases[] = {
      {"\xC3\xBC"
       "ber",
       {0}},  // über
      {"\xC3\x9C"
       "BER",
       {0}},  // ÜBER
      {"\xD0\x9A\xD0\x98\xD0\xA0\xD0\x98\xD0\x9B\xD0\x9B\xD0\x98\xD0\xA6\xD0\x90",
       {1}},                                                  // КИРИЛЛИЦА
      {"\xD0\xB8\xD1\x86\xD0\xB0\\A", {1}},                   // ица\A, across the join
      {"\xCF\x83\xCE\xBF\xCF\x86", {2}},                      // σοφ
      {"\xCF\x83\xCE\xBF\xCF\x86\xCE\xB9\xCE\xB1.DOC", {2}},  // σοφια.DOC
      {"CAF\xC3\x89", {3}},                                   // CAFÉ: folder and name
      {"caf\xC3\xA9\\caf\xC3\xA9.", {3}},                     // café\café.
      {"\xC3\xA9\\", {3}},                                    // é\ ends in the folder
      {"\xC3\xBC"
       "ber-upper.txt\\",
       {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Find(c.keyword), c.rows) << c.keyword;
}

// Pieces of names in both cases and in several scripts, with letters that fold into ASCII
// ("ſ", the Kelvin sign) and bytes that start no whole character.
const std::vector<std::string> kPieces = {
    "a",        "A",        "s",        "S",
    "k",        "K",        "\\",       ".",
    "\xC3\x9C", "\xC3\xBC", "\xC5\xBF", "\xE2\x84\xAA",
    "\xCE\xA3", "\xCF\x83", "\xCF\x82", "\xD0\x9A",
    "\xD0\xBA", "\xC3\x89", "\xC3\xA9", "\xE1\xBA\x9E",
    "\xC3\x9F", "\xC3",     "\xE9",
};

std::string RandomText(std::mt19937& rng, std::size_t max_pieces) {
  std::string text;
  for (std::size_t n = rng() % (max_pieces + 1); n > 0; --n) {
    text += kPieces[rng() % kPieces.size()];
  }
  return text;
}

// The plain tests the scans must agree with: an ASCII keyword as the bytes always matched
// (only "A".."Z" folded), any other by the Unicode rules over the whole path.
Rows Reference(const TextList& lines, std::string_view keyword, bool ascii) {
  auto fold = [&](std::string_view text) { return ascii ? LowerCase(text) : FoldText(text); };
  const std::string folded = fold(keyword);
  Rows hits;
  for (std::size_t i = 0; i < lines.size() && !keyword.empty(); ++i) {
    if (fold(lines[i]).find(folded) != std::string::npos) hits.push_back(std::uint32_t(i));
  }
  return hits;
}

TEST(CaseFold, EveryKeywordAgreesWithThePlainTest) {
  std::mt19937 rng(7);
  TextList lines;
  std::string folder = "C:\\";
  // A third of the folders hold ASCII alone, folder and names, as most of a real disk does: the
  // scan passes over them for a keyword that folds past ASCII.
  bool plain = false;
  auto ascii_text = [&] {
    std::string text;
    for (std::size_t n = rng() % 5; n > 0; --n) text += "aAsSkK\\."[rng() % 8];
    return text;
  };
  for (int i = 0; i < 2000; ++i) {
    if (rng() % 6 == 0) {
      plain = rng() % 3 == 0;
      folder = "C:\\" + (plain ? ascii_text() : RandomText(rng, 4)) + "\\";
    }
    lines.push_back(folder + (plain ? ascii_text() : RandomText(rng, 4)));
  }
  const IndexList index = IndexList::FromText(JoinTextList(lines));
  ScanScratch scratch;
  scratch.max_parts = 4;
  scratch.min_part_units = 1;
  Rows rows;
  int ascii = 0;
  for (int round = 0; round < 800; ++round) {
    const std::string& line = lines[rng() % lines.size()];
    const std::string keyword =
        rng() % 4 == 0 ? RandomText(rng, 3) : line.substr(rng() % line.size(), 1 + rng() % 8);
    const bool is_ascii = IsAscii(keyword);
    const Rows expected = Reference(lines, keyword, is_ascii);
    ascii += is_ascii;
    FindKeyword(index, keyword, rows, scratch);
    ASSERT_EQ(rows, expected) << ::testing::PrintToString(keyword);
    // The rows of a start of the keyword (cut between two characters), by the same rules.
    std::size_t cut = keyword.size() / 2;
    while (cut > 0 && (keyword[cut] & 0xC0) == 0x80) --cut;
    if (cut == 0) continue;
    FindKeywordAmong(index, keyword, Reference(lines, keyword.substr(0, cut), is_ascii), rows,
                     scratch);
    ASSERT_EQ(rows, expected) << ::testing::PrintToString(keyword);
  }
  EXPECT_GT(ascii, 100);
}

// "s" finds "ſé" only by the Unicode rules, so the rows of the ASCII keyword "s" cannot
// serve the keyword "sé".
TEST(CaseFold, TheRowsOfAnAsciiKeywordServeNoUnicodeOne) {
  TextList lines(40, "C:\\x");
  lines.push_back("C:\\\xC5\xBF\xC3\xA9");  // ſé
  lines.push_back("C:\\s\xC3\xA9");
  const IndexList index = IndexList::FromText(JoinTextList(lines));
  KeywordCache cache;
  ScanScratch scratch;
  EXPECT_EQ(*cache.Find(index, 1, "s", scratch), (Rows{41}));
  EXPECT_EQ(*cache.Find(index, 1, "S\xC3\x89", scratch), (Rows{40, 41}));
  EXPECT_EQ(*cache.Find(index, 1, "\xC5\xBF", scratch), (Rows{40, 41}));
  EXPECT_EQ(*cache.Find(index, 1, "s", scratch), (Rows{41}));
}

}  // namespace
}  // namespace vl
