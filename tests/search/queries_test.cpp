#include <gtest/gtest.h>

#include <random>

#include "search/path_ops.h"
#include "search/queries.h"
#include "search/fakes.h"

namespace vl {
namespace {

using testing::FakeClock;
using testing::FakeView;

// The plain query the fast one must agree with: fold both sides, then find.
std::vector<std::size_t> ReferenceKeyword(const TextList& lines, std::string_view keyword) {
  std::vector<std::size_t> hits;
  if (keyword.empty()) return hits;
  std::string folded = LowerCase(keyword);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (LowerCase(lines[i]).find(folded) != std::string::npos) hits.push_back(i);
  }
  return hits;
}

std::vector<std::size_t> ReferenceExtensions(const TextList& lines, std::string_view a,
                                             std::string_view b, const LeadBytes& lead) {
  std::vector<std::size_t> hits;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view ext = ExtractFileExt(lines[i], lead);
    if (ext == a || ext == b) hits.push_back(i);
  }
  return hits;
}

// Paths over an alphabet that holds every trap of case folding: both cases of letters, the
// neighbours of the letter ranges ("@", "[", "`", "{"), bytes above 0x7F that differ by 0x20,
// and the double-byte character "\x95\x5C".
std::string RandomPath(std::mt19937& rng) {
  static const std::vector<std::string> pieces = {
      "a",        "A",   "b",   "B",   "z",    "Z",    "@",    "[",    "`",
      "{",        "\\",  ".",   ":",   " ",    "\x81", "\xA1", "\xC1", "\xE1",
      "\x95\x5C", "win", "WIN", "mp3", ".mp3", ".wma", ".MP3", "x"};
  std::string path = rng() % 2 ? "C:\\" : "D:\\";
  std::size_t count = 1 + rng() % 24;
  for (std::size_t i = 0; i < count; ++i) path += pieces[rng() % pieces.size()];
  return path;
}

std::string RandomCase(std::mt19937& rng, std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z' && rng() % 2) c = char(c - 32);
  }
  return text;
}

struct Corpus {
  TextList lines;
  IndexList index;
};

// Mixed line breaks, so that the scan meets CR, LF and CR LF between lines.
Corpus MakeCorpus(std::mt19937& rng, std::size_t count) {
  Corpus corpus;
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    corpus.lines.push_back(RandomPath(rng));
    text += corpus.lines.back();
    text += i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r";
  }
  corpus.index = IndexList::FromText(text);
  return corpus;
}

TEST(KeywordQuery, AgreesWithThePlainQueryOnGeneratedPaths) {
  std::mt19937 rng(42);
  Corpus corpus = MakeCorpus(rng, 3000);
  for (int round = 0; round < 400; ++round) {
    std::string keyword;
    if (round % 4 == 0) {
      keyword = RandomPath(rng).substr(3);
    } else {
      const std::string& line = corpus.lines[rng() % corpus.lines.size()];
      std::size_t length = 1 + rng() % 20;
      std::size_t start = rng() % line.size();
      keyword = RandomCase(rng, line.substr(start, length));
    }
    keyword.resize(std::min<std::size_t>(keyword.size(), 20));
    ASSERT_EQ(FindKeyword(corpus.index, keyword), ReferenceKeyword(corpus.lines, keyword))
        << ::testing::PrintToString(keyword);
  }
}

TEST(KeywordQuery, FoldsLettersOnly) {
  IndexList index = IndexList::FromText(
      "C:\\Windows\\notepad.exe\r\nD:\\Games\\Twin\\a.txt\r\nC:\\windows\\x\r\n"
      "E:\\@\r\nE:\\`\r\nE:\\[\r\nE:\\{\r\nF:\\\xC9\r\nF:\\\xE9\r\nG:\\\x95\x41\r\nG:"
      "\\\x95\x61\r\n");
  const std::pair<std::string, std::vector<std::size_t>> cases[] = {
      {"win", {0, 1, 2}},
      {"WINDOWS", {0, 2}},
      {"@", {3}},
      {"`", {4}},
      {"[", {5}},
      {"{", {6}},
      {"\xC9", {7}},
      {"\xE9", {8}},
      {"\x95\x61", {9, 10}},
      {"", {}},
      {"x\r\nE", {}},
      {"nomatch", {}},
      {"C:\\Windows\\notepad.exe\r", {}},
  };
  for (const auto& [keyword, lines] : cases) {
    EXPECT_EQ(FindKeyword(index, keyword), lines) << ::testing::PrintToString(keyword);
  }
}

TEST(CategoryQuery, AgreesWithThePlainQueryInBothCodePages) {
  std::mt19937 rng(3);
  Corpus corpus = MakeCorpus(rng, 3000);
  for (const LeadBytes& lead : {LeadBytes::SingleByte(), LeadBytes::CodePage936()}) {
    for (auto [a, b] : {std::pair(".mp3", ".wma"), std::pair(".x", "."), std::pair("", ".\x5C")}) {
      EXPECT_EQ(FindExtensions(corpus.index, a, b, lead),
                ReferenceExtensions(corpus.lines, a, b, lead))
          << a << " " << b;
    }
  }
}

TEST(CategoryQuery, MatchesExtensionsExactly) {
  IndexList index = IndexList::FromText(
      "a.mp3\r\nb.wma\r\nc.MP3\r\nD:\\d.mp3\\x\r\nD:\\d.mp3\r\nC:\\Dir\\.\r\nC:\\Dir\\..\r\n");
  EXPECT_EQ(FindExtensions(index, ".mp3", ".wma", LeadBytes::SingleByte()),
            (std::vector<std::size_t>{0, 1, 4}));
}

TEST(ResultLabel, CountsItsSpaces) {
  EXPECT_EQ(KeywordResultLabel(12, 16), "12    results taken   16    milliseconds");
  EXPECT_EQ(CategoryResultLabel(5000, 0), "5000  results taken   0     milliseconds");
}

class QueriesTest : public ::testing::Test {
 protected:
  IndexStore store;
  TBallArray results;
  FakeView view;
  FakeClock clock;
  std::function<void()> pump;
  Queries queries{store, results, view, clock, LeadBytes::SingleByte(), [this] {
                    if (pump) pump();
                  }};

  void Load(std::string text) {
    store.Set(std::make_shared<IndexList>(IndexList::FromText(std::move(text))));
  }
};

TEST_F(QueriesTest, KeywordQueryFillsRowsThenLabelsCountAndTime) {
  Load("C:\\a.txt\r\nC:\\b.mp3\r\nC:\\A2\r\n");
  clock.ticks = 1000;
  clock.step = 16;
  queries.SearchByKeyword("a");
  ASSERT_EQ(results.Count(), 2u);
  EXPECT_EQ(results.Path(0), "C:\\a.txt");
  EXPECT_EQ(results[1].Path(), "C:\\A2");
  EXPECT_EQ(view.row_counts, (std::vector<std::size_t>{2}));
  EXPECT_EQ(view.labels.back(), "2    results taken   16    milliseconds");
}

TEST_F(QueriesTest, TimeIsTakenAcrossTheTickCounterWrap) {
  Load("C:\\a\r\n");
  clock.ticks = 0xFFFFFFF8u;
  clock.step = 16;
  queries.SearchByKeyword("a");
  EXPECT_EQ(view.labels.back(), "1    results taken   16    milliseconds");
}

TEST_F(QueriesTest, NoMatchEmptiesTheRowsAndStillLabels) {
  Load("C:\\a.txt\r\n");
  queries.SearchByKeyword("a");
  queries.SearchByKeyword("");
  EXPECT_TRUE(results.Empty());
  EXPECT_EQ(view.row_counts.back(), 0u);
  EXPECT_EQ(view.labels.back(), "0    results taken   0    milliseconds");
  queries.SearchByExtensions(".mp3", ".wma");
  EXPECT_EQ(view.labels.back(), "0  results taken   0     milliseconds");
}

TEST_F(QueriesTest, AnAbsentIndexIsSearchedAsEmpty) {
  queries.SearchByKeyword("a");
  queries.SearchByExtensions(".mp3", ".wma");
  EXPECT_TRUE(results.Empty());
  EXPECT_EQ(view.labels.size(), 2u);
}

TEST_F(QueriesTest, RowsKeepTheIndexTheyCameFrom) {
  Load("C:\\old.mp3\r\n");
  queries.SearchByExtensions(".mp3", ".wma");
  Load("C:\\new.mp3\r\n");
  store.Set(nullptr);
  ASSERT_EQ(results.Count(), 1u);
  EXPECT_EQ(results.Path(0), "C:\\old.mp3");
}

TEST_F(QueriesTest, CategoryQueryPumpsMessagesWhileFilling) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "C:\\" + std::to_string(i) + ".jpg\r\n";
  Load(text);
  int pumps = 0;
  pump = [&] {
    ++pumps;
    EXPECT_TRUE(results.Empty()) << "rows on show change only when the fill is done";
  };
  queries.SearchByExtensions(".jpg", ".gif");
  EXPECT_GT(pumps, 1);
  EXPECT_EQ(results.Count(), 1000u);
  EXPECT_EQ(view.labels.back().substr(0, 4), "1000");
}

TEST_F(QueriesTest, AQueryStartedWhileACategoryFillsWins) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "C:\\" + std::to_string(i) + ".jpg\r\n";
  Load(text + "C:\\zebra\r\n");
  pump = [&] {
    pump = nullptr;
    queries.SearchByKeyword("zebra");
  };
  queries.SearchByExtensions(".jpg", ".gif");
  ASSERT_EQ(results.Count(), 1u);
  EXPECT_EQ(results.Path(0), "C:\\zebra");
  EXPECT_EQ(view.labels.size(), 1u);
  EXPECT_EQ(view.row_counts, (std::vector<std::size_t>{1}));
}

}  // namespace
}  // namespace vl
