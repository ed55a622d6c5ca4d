#include <gtest/gtest.h>

#include <atomic>
#include <random>

#include "search/byte_scan.h"
#include "search/path_ops.h"
#include "search/queries.h"
#include "search/fakes.h"

namespace vl {
namespace {

using testing::FakeClock;
using testing::FakeView;

// The plain query the stored layout must agree with: fold the whole path, then find.
Rows ReferenceKeyword(const TextList& lines, std::string_view keyword) {
  Rows hits;
  if (keyword.empty()) return hits;
  std::string folded = LowerCase(keyword);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (LowerCase(lines[i]).find(folded) != std::string::npos) hits.push_back(std::uint32_t(i));
  }
  return hits;
}

Rows ReferenceExtensions(const TextList& lines, std::string_view a, std::string_view b,
                         const LeadBytes& lead) {
  Rows hits;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view ext = ExtractFileExt(lines[i], lead);
    if (ext == a || ext == b) hits.push_back(std::uint32_t(i));
  }
  return hits;
}

// Path pieces that hold every trap of case folding and of the cut at the last "\": both cases of
// letters, the neighbours of the letter ranges ("@", "[", "`", "{"), bytes above 0x7F that differ
// by 0x20, the double-byte character "\x95\x5C" whose second byte is "\", a lead byte just before
// a "\", drive colons and dots anywhere.
const std::vector<std::string> kPieces = {
    "a",    "A",        "b",    "B",   "z",   "Z",   "@",    "[",    "`",    "{",
    "\\",   "\\",       ".",    ":",   " ",   "x",   "X",    "\x81", "\xA1", "\xC1",
    "\xE1", "\x95\x5C", "\x95", "win", "WIN", "mp3", ".mp3", ".wma", ".MP3"};

std::string RandomText(std::mt19937& rng, std::size_t max_pieces) {
  std::string text;
  for (std::size_t n = rng() % (max_pieces + 1); n > 0; --n)
    text += kPieces[rng() % kPieces.size()];
  return text;
}

std::string RandomCase(std::mt19937& rng, std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z' && rng() % 2) c = char(c - 32);
  }
  return text;
}

// Lines in runs that share a folder, folders that come back later, roots with and without a
// separator, lines without any "\", empty lines and the dot entries.
TextList AdversarialLines(std::mt19937& rng, std::size_t count) {
  static const std::vector<std::string> roots = {"C:\\", "D:\\", "C:", "", "\\\\", "E:\\\x95\\"};
  TextList lines;
  std::vector<std::string> folders = {"C:\\"};
  std::string folder = folders[0];
  while (lines.size() < count) {
    switch (rng() % 8) {
      case 0:
        folder = roots[rng() % roots.size()] + RandomText(rng, 6) + "\\";
        folders.push_back(folder);
        break;
      case 1:
        folder = folders[rng() % folders.size()];
        break;
      default:
        break;
    }
    switch (rng() % 16) {
      case 0:
        lines.push_back("");
        break;
      case 1:
        lines.push_back(folder + (rng() % 2 ? "." : ".."));
        break;
      case 2:
        lines.push_back(roots[rng() % 3] + RandomText(rng, 5));
        break;
      default:
        lines.push_back(folder + RandomText(rng, 5));
        break;
    }
  }
  return lines;
}

// A keyword of one of the shapes that matter: a piece of a line around its last "\" (across the
// join), anywhere in it, ending in "\", or made up.
std::string RandomKeyword(std::mt19937& rng, const TextList& lines) {
  const std::string& line = lines[rng() % lines.size()];
  std::string keyword;
  const std::size_t cut = line.rfind('\\');
  switch (rng() % 4) {
    case 0:
      if (cut != std::string::npos) {
        std::size_t start = cut - std::min<std::size_t>(cut, rng() % 6);
        keyword = line.substr(start, 1 + rng() % 10);
        break;
      }
      [[fallthrough]];
    case 1:
      if (!line.empty()) keyword = line.substr(rng() % line.size(), 1 + rng() % 12);
      break;
    case 2:
      if (cut != std::string::npos)
        keyword = line.substr(cut - std::min<std::size_t>(cut, rng() % 6), 1 + rng() % 6);
      keyword += "\\";
      break;
    default:
      keyword = RandomText(rng, 3);
      break;
  }
  return RandomCase(rng, keyword);
}

// Scratches that split even a small index: one part, and parts of a single unit each.
ScanScratch OnePart() {
  ScanScratch scratch;
  scratch.max_parts = 1;
  return scratch;
}
ScanScratch ManyParts() {
  ScanScratch scratch;
  scratch.max_parts = 5;
  scratch.min_part_units = 1;
  return scratch;
}

TEST(KeywordQuery, AgreesWithThePlainQueryOnAdversarialPaths) {
  std::mt19937 rng(42);
  const TextList lines = AdversarialLines(rng, 3000);
  const IndexList index = IndexList::FromText(JoinTextList(lines));
  ScanScratch scratches[] = {OnePart(), ManyParts()};
  Rows rows;
  for (int round = 0; round < 600; ++round) {
    const std::string keyword = RandomKeyword(rng, lines);
    const Rows expected = ReferenceKeyword(lines, keyword);
    for (ScanScratch& scratch : scratches) {
      FindKeyword(index, keyword, rows, scratch);
      ASSERT_EQ(rows, expected) << ::testing::PrintToString(keyword) << " parts "
                                << scratch.max_parts;
      // Refining the rows of a shorter keyword that it holds gives the same rows.
      const std::string shorter = keyword.substr(rng() % std::max<std::size_t>(keyword.size(), 1));
      FindKeywordAmong(index, keyword, ReferenceKeyword(lines, shorter), rows, scratch);
      if (!shorter.empty()) {
        ASSERT_EQ(rows, expected) << ::testing::PrintToString(keyword);
      }
    }
  }
}

TEST(KeywordQuery, FindsEachTextOnceHoweverLongAndFullOfMatches) {
  // Texts from empty to several 64-byte rounds long, some made of matches throughout, searched
  // from and to random text boundaries.
  std::mt19937 rng(11);
  for (int round = 0; round < 300; ++round) {
    TextList texts;
    std::string bytes;
    std::vector<std::uint32_t> starts;
    for (std::size_t n = 1 + rng() % 40; n > 0; --n) {
      starts.push_back(std::uint32_t(bytes.size()));
      texts.push_back(rng() % 4 == 0 ? std::string(rng() % 200, 'e') : RandomText(rng, rng() % 60));
      bytes += texts.back() + "\n";
    }
    starts.push_back(std::uint32_t(bytes.size()));
    const std::string keyword = rng() % 3 == 0 ? "e" : RandomKeyword(rng, texts);
    if (keyword.empty() || keyword.find('\n') != std::string::npos) continue;
    const std::size_t from = rng() % texts.size();
    const std::size_t to = from + rng() % (texts.size() - from + 1);
    Rows expected;
    for (std::size_t k = from; k < to; ++k) {
      if (LowerCase(texts[k]).find(LowerCase(keyword)) != std::string::npos) {
        expected.push_back(std::uint32_t(100 + k));
      }
    }
    Rows found;
    FoldedSearch(keyword).FindTexts(bytes, starts, from, to, 100, found);
    ASSERT_EQ(found, expected) << ::testing::PrintToString(keyword);
  }
}

TEST(KeywordQuery, FindsKeywordsAcrossTheJoinOfFolderAndName) {
  const TextList lines = {"C:\\Dir\\Name.txt", "C:\\Dir\\Sub\\", "C:x.txt", "",
                          "D:\\dir\\.",        "D:\\dir\\..",    "name",    "E:\\\x95\\\\b",
                          "F:\\a\\\\\\b",      "C:\\Dirt\\name"};
  const IndexList index = IndexList::FromText(JoinTextList(lines));
  const std::pair<std::string, Rows> cases[] = {
      {"r\\n", {0}},
      {"dir\\name.", {0}},
      {"\\name", {0, 9}},
      {"dir\\", {0, 1, 4, 5}},
      {"\\", {0, 1, 4, 5, 7, 8, 9}},
      {"c:", {0, 1, 2, 9}},
      {":x", {2}},
      {"\\.", {4, 5}},
      {"\\..", {5}},
      {"\x95\\\\b", {7}},
      {"\\\\", {7, 8}},
      {"a\\\\\\b", {8}},
      {"sub\\", {1}},
      {"e", {0, 6, 7, 9}},
      {"Dir\\Sub\\", {1}},
      {"t\\n", {9}},
  };
  Rows rows;
  ScanScratch scratch;
  for (const auto& [keyword, expected] : cases) {
    ASSERT_EQ(ReferenceKeyword(lines, keyword), expected) << ::testing::PrintToString(keyword);
    FindKeyword(index, keyword, rows, scratch);
    EXPECT_EQ(rows, expected) << ::testing::PrintToString(keyword);
  }
}

TEST(KeywordQuery, FoldsLettersOnly) {
  IndexList index = IndexList::FromText(
      "C:\\Windows\\notepad.exe\r\nD:\\Games\\Twin\\a.txt\r\nC:\\windows\\x\r\n"
      "E:\\@\r\nE:\\`\r\nE:\\[\r\nE:\\{\r\nF:\\\xC9\r\nF:\\\xE9\r\nG:\\\x95\x41\r\nG:"
      "\\\x95\x61\r\n");
  const std::pair<std::string, Rows> cases[] = {
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
      {std::string("x\0", 2), {}},
      {"nomatch", {}},
      {"C:\\Windows\\notepad.exe\r", {}},
  };
  for (const auto& [keyword, lines] : cases) {
    EXPECT_EQ(FindKeyword(index, keyword), lines) << ::testing::PrintToString(keyword);
  }
}

TEST(CategoryQuery, AgreesWithThePlainQueryInBothCodePages) {
  std::mt19937 rng(3);
  const TextList lines = AdversarialLines(rng, 3000);
  const IndexList index = IndexList::FromText(JoinTextList(lines));
  ScanScratch scratches[] = {OnePart(), ManyParts()};
  Rows rows;
  for (const LeadBytes& lead : {LeadBytes::SingleByte(), LeadBytes::CodePage936()}) {
    for (auto [a, b] : {std::pair(".mp3", ".wma"), std::pair(".x", "."), std::pair("", ".\x5C"),
                        std::pair(".\x95\x5C", ".MP3"), std::pair(":", ".a")}) {
      const Rows expected = ReferenceExtensions(lines, a, b, lead);
      for (ScanScratch& scratch : scratches) {
        FindExtensions(index, a, b, lead, rows, scratch);
        EXPECT_EQ(rows, expected) << a << " " << b;
      }
    }
  }
}

TEST(CategoryQuery, MatchesExtensionsExactly) {
  IndexList index = IndexList::FromText(
      "a.mp3\r\nb.wma\r\nc.MP3\r\nD:\\d.mp3\\x\r\nD:\\d.mp3\r\nC:\\Dir\\.\r\nC:\\Dir\\..\r\n");
  EXPECT_EQ(FindExtensions(index, ".mp3", ".wma", LeadBytes::SingleByte()), (Rows{0, 1, 4}));
}

TEST(ForkJoin, RunsEveryPartAndRethrowsTheFirstFailure) {
  std::atomic<int> ran[6] = {};
  try {
    ForkJoin(6, 3, [&](unsigned p) {
      ran[p] += 1;
      if (p == 2 || p == 4) throw Error("part " + std::to_string(p));
    });
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "part 2");
  }
  for (auto& count : ran) EXPECT_EQ(count.load(), 1);
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

TEST_F(QueriesTest, RowsOnShowKeepTheirPathsAndLetAReplacedIndexGo) {
  const std::function<void()> queries_of[] = {[&] { queries.SearchByKeyword("old"); },
                                              [&] { queries.SearchByExtensions(".mp3", ".wma"); }};
  for (const auto& query : queries_of) {
    Load("C:\\old.mp3\r\nC:\\x\r\nD:\\old\\b.mp3\r\n");
    std::weak_ptr<IndexList> old = store.Current();
    query();
    Load("C:\\new.mp3\r\n");
    EXPECT_TRUE(old.expired()) << "the rows keep the replaced index alive";
    ASSERT_EQ(results.Count(), 2u);
    EXPECT_EQ(results.Path(0), "C:\\old.mp3");
    EXPECT_EQ(results.Path(1), "D:\\old\\b.mp3");
    EXPECT_EQ(results.Source()->Count(), 2u);
    store.Set(nullptr);
    EXPECT_EQ(results.Path(1), "D:\\old\\b.mp3");
  }
}

TEST_F(QueriesTest, RowsCopyTheirPathsFromAReplacedIndexThatIsStillHeld) {
  Load("C:\\old\\a\r\nC:\\b\r\nC:\\old\\c\r\n");
  std::shared_ptr<IndexList> held = store.Current();
  queries.SearchByKeyword("old");
  Load("");
  EXPECT_NE(results.Source(), held.get());
  EXPECT_EQ(held->Count(), 3u);
  ASSERT_EQ(results.Count(), 2u);
  EXPECT_EQ(results.Path(1), "C:\\old\\c");
}

TEST_F(QueriesTest, ACategoryFillOvertakenByANewIndexLetsTheOldOneGo) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "C:\\" + std::to_string(i) + ".jpg\r\n";
  Load(text);
  std::weak_ptr<IndexList> old = store.Current();
  clock.step = 16;  // a slow fill: messages go through after the first slice
  pump = [&] {
    pump = nullptr;
    Load("C:\\new.jpg\r\n");
  };
  queries.SearchByExtensions(".jpg", ".gif");
  EXPECT_TRUE(old.expired());
  ASSERT_EQ(results.Count(), 1000u);
  EXPECT_EQ(results.Path(999), "C:\\999.jpg");
}

TEST_F(QueriesTest, ALargeResultIsWrittenIntoTheRoomOfOneThatLeftTheScreen) {
  // Results this large are more than the keyword cache keeps, so only the rows on show hold
  // them.
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "C:\\d" + std::to_string(i) + "\\ab\r\n";
  Load(text);
  queries.SearchByKeyword("a");
  const std::uint32_t* first = results.Lines()->data();
  queries.SearchByKeyword("b");
  queries.SearchByKeyword("ab");
  EXPECT_EQ(results.Lines()->data(), first);
  ASSERT_EQ(results.Count(), 2000u);
  EXPECT_EQ(results.Path(1999), "C:\\d1999\\ab");
}

// The fill lets messages through once a paint's time has passed, however slow or fast the
// machine: 1,000 rows are four slices, and the clock moves by step at each look.
// A category result that replaces a large one leaves its room to the next query, as a keyword
// result does: otherwise each button press costs the next large result fresh memory. The rooms
// made before input have a size of their own (a little more than the index), which a result
// that grew in fresh memory would not have.
TEST_F(QueriesTest, ALargeResultReplacedByACategoryLeavesItsRoomToTheNextQuery) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "C:\\d" + std::to_string(i) + "\\ab\r\n";
  Load(text);
  queries.Prepare();
  queries.SearchByKeyword("a");
  const std::size_t room = results.Lines()->capacity();
  ASSERT_NE(room, 2048u) << "a room made before input cannot be told from a grown one";
  queries.SearchByKeyword("b");
  queries.SearchByExtensions(".mp3", ".wma");
  ASSERT_TRUE(results.Empty());
  for (const char* keyword : {"ab", "a", "b"}) {
    queries.SearchByKeyword(keyword);
    ASSERT_EQ(results.Count(), 2000u);
    EXPECT_EQ(results.Lines()->capacity(), room) << keyword;
  }
}

TEST_F(QueriesTest, CategoryQueryPumpsMessagesWhileFillingAsTimePasses) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "C:\\" + std::to_string(i) + ".jpg\r\n";
  Load(text);
  const struct {
    std::uint32_t step;
    int pumps;
  } cases[] = {{0, 0}, {5, 1}, {16, 4}};
  for (const auto& c : cases) {
    results.Clear();
    clock.step = c.step;
    int pumps = 0;
    pump = [&] {
      ++pumps;
      EXPECT_TRUE(results.Empty()) << "rows on show change only when the fill is done";
    };
    queries.SearchByExtensions(".jpg", ".gif");
    EXPECT_EQ(pumps, c.pumps) << "clock step " << c.step;
    EXPECT_EQ(results.Count(), 1000u);
    EXPECT_EQ(view.labels.back().substr(0, 4), "1000");
  }
}

TEST_F(QueriesTest, AQueryStartedWhileACategoryFillsWins) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "C:\\" + std::to_string(i) + ".jpg\r\n";
  Load(text + "C:\\zebra\r\n");
  clock.step = 16;  // a slow fill: messages go through after the first slice
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

std::vector<std::string> PathsOf(const TBallArray& rows) {
  std::vector<std::string> paths;
  for (std::size_t row = 0; row < rows.Count(); ++row) paths.push_back(rows.Path(row));
  return paths;
}

TEST_F(QueriesTest, AnOrderHoldsForLaterResultsUntilIndexOrderComesBack) {
  Load("C:\\b10.txt\r\nD:\\B2.txt\r\nC:\\a.mp3\r\nC:\\b1.mp3\r\n");
  queries.SearchByKeyword("b");
  clock.step = 7;
  ASSERT_TRUE(queries.SetOrder({SortColumn::kName, false}));
  EXPECT_EQ(PathsOf(results),
            (std::vector<std::string>{"C:\\b1.mp3", "D:\\B2.txt", "C:\\b10.txt"}));
  EXPECT_EQ(view.shown, (ResultOrder{SortColumn::kName, false}));
  EXPECT_EQ(view.row_counts.back(), 3u);
  EXPECT_EQ(view.labels.back(), "3    results taken   7    milliseconds");
  queries.SearchByKeyword("b1");
  EXPECT_EQ(PathsOf(results), (std::vector<std::string>{"C:\\b1.mp3", "C:\\b10.txt"}));
  queries.SetOrder({SortColumn::kName, true});
  queries.SearchByExtensions(".mp3", ".wma");
  EXPECT_EQ(PathsOf(results), (std::vector<std::string>{"C:\\b1.mp3", "C:\\a.mp3"}));
  // The clock is read once more, by the fill.
  EXPECT_EQ(view.labels.back(), "2  results taken   14     milliseconds");
  queries.SetOrder({});
  EXPECT_EQ(PathsOf(results), (std::vector<std::string>{"C:\\a.mp3", "C:\\b1.mp3"}));
  EXPECT_EQ(view.shown, ResultOrder{});
}

TEST_F(QueriesTest, SortedRowsKeepTheirOrderWhenTheirIndexIsReplaced) {
  Load("C:\\z\\a\r\nC:\\y\\b\r\nC:\\x\\c\r\nC:\\other\r\n");
  queries.SearchByKeyword(":\\");
  queries.SetOrder({SortColumn::kFolder, false});
  const std::vector<std::string> before = PathsOf(results);
  EXPECT_EQ(before.front(), "C:\\other");
  Load("C:\\new\r\n");
  EXPECT_EQ(PathsOf(results), before);
  queries.SetOrder({SortColumn::kFolder, true});
  EXPECT_EQ(PathsOf(results),
            (std::vector<std::string>{"C:\\z\\a", "C:\\y\\b", "C:\\x\\c", "C:\\other"}));
}

TEST_F(QueriesTest, ASizeSortIsRefusedAboveItsLimitAndWaitsForFewerRows) {
  Load("C:\\big\r\nC:\\small\r\nD:\\mid\r\n");
  queries.SetSizeLookup(
      [](const std::string& path) { return std::int64_t(path == "C:\\big" ? 9 : path.size()); }, 2);
  queries.SearchByKeyword(":");
  EXPECT_FALSE(queries.SetOrder({SortColumn::kSize, false}));
  EXPECT_EQ(queries.Order(), ResultOrder{});
  queries.SearchByKeyword("C:");
  ASSERT_TRUE(queries.SetOrder({SortColumn::kSize, true}));
  EXPECT_EQ(PathsOf(results), (std::vector<std::string>{"C:\\big", "C:\\small"}));
  queries.SearchByKeyword(":");
  EXPECT_EQ(PathsOf(results), (std::vector<std::string>{"C:\\big", "C:\\small", "D:\\mid"}));
  EXPECT_EQ(view.shown, ResultOrder{});
  EXPECT_EQ(queries.Order(), (ResultOrder{SortColumn::kSize, true}));
}

TEST_F(QueriesTest, OrdersArePreparedInSlicesForTheCurrentIndex) {
  std::string text;
  for (int i = 0; i < 200000; ++i)
    text += "C:\\d" + std::to_string(i % 97) + "\\f" + std::to_string(i) + "\r\n";
  Load(text);
  int steps = 1;
  while (!queries.PrepareStep()) ++steps;
  EXPECT_GT(steps, 2);
  ASSERT_NE(queries.Prepared(), nullptr);
  EXPECT_EQ(queries.Prepared()->index, store.Current().get());
  EXPECT_TRUE(queries.PrepareStep());
  Load("C:\\a\r\n");
  EXPECT_EQ(queries.Prepared(), nullptr);
}

// A sort while the orders are being prepared makes only the order it uses; the other is left to
// the idle time after.
TEST_F(QueriesTest, ASortDuringThePreparationWaitsOnlyForTheOrderItUses) {
  std::string text;
  for (int i = 0; i < 200000; ++i)
    text += "C:\\d" + std::to_string(i % 97) + "\\f" + std::to_string(i) + "\r\n";
  Load(text);
  queries.SearchByKeyword("C:");
  ASSERT_TRUE(queries.SetOrder({SortColumn::kFolder, false}));
  EXPECT_EQ(results.Path(0), "C:\\d0\\f0");
  EXPECT_EQ(results.Path(1), "C:\\d0\\f97");
  EXPECT_EQ(results.Path(200000 - 1), "C:\\d96\\f199916");
  EXPECT_EQ(queries.Prepared(), nullptr);
  ASSERT_TRUE(queries.SetOrder({SortColumn::kName, false}));
  EXPECT_EQ(results.Path(1), "C:\\d1\\f1");
  EXPECT_EQ(results.Path(10), "C:\\d10\\f10");
  while (!queries.PrepareStep()) {
  }
  ASSERT_NE(queries.Prepared(), nullptr);
  ASSERT_TRUE(queries.SetOrder({SortColumn::kName, true}));
  EXPECT_EQ(results.Path(0), "C:\\d82\\f199999");
}

// The room made for later sorts never is the order on show: it is made while sorted rows are on
// screen (a type sort needs no prepared orders, so it can come first), and a new result reuses
// the room of the order before.
TEST_F(QueriesTest, RoomForSortsLeavesTheSortOnShowAlone) {
  Load("C:\\b.txt\r\nC:\\a.zip\r\nC:\\c.doc\r\nD:\\e.bmp\r\n");
  queries.SearchByKeyword("C:");
  ASSERT_TRUE(queries.SetOrder({SortColumn::kType, false}));
  const std::vector<std::string> sorted{"C:\\c.doc", "C:\\b.txt", "C:\\a.zip"};
  EXPECT_EQ(PathsOf(results), sorted);
  while (!queries.PrepareStep()) {
  }
  EXPECT_EQ(PathsOf(results), sorted);
  queries.SearchByKeyword(":");
  EXPECT_EQ(PathsOf(results),
            (std::vector<std::string>{"D:\\e.bmp", "C:\\c.doc", "C:\\b.txt", "C:\\a.zip"}));
  queries.SearchByKeyword("C:");
  EXPECT_EQ(PathsOf(results), sorted);
}

}  // namespace
}  // namespace vl
