#include "search/keyword_cache.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

#include "search/fakes.h"
#include "search/queries.h"

namespace vl {
namespace {

using Source = KeywordCache::Source;

// count lines, one in every `every` holding "report" (in changing case), the rest only "r".
IndexList Lines(std::size_t count, std::size_t every) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += "C:\\dir" + std::to_string(i) + "\\";
    text += i % every == 0 ? (i % 2 ? "REPORT.doc" : "Report.doc") : "rr.txt";
    text += "\r\n";
  }
  return IndexList::FromText(text);
}

TEST(KeywordCache, TypingRefinesBackspaceIsCachedAndRowsAreThoseOfAFullPass) {
  IndexList index = Lines(1000, 50);
  KeywordCache cache;
  ScanScratch scratch;
  // "r" is on every line, so "re" needs a full pass; "re" is on 20 lines (under a sixteenth),
  // so every later keystroke searches only the rows before it. The rows of "r" are more than
  // this small index may keep, so "r" is searched again at the end.
  const std::pair<std::string_view, Source> steps[] = {
      {"r", Source::kFullPass},     {"re", Source::kFullPass},       {"rep", Source::kRefined},
      {"repo", Source::kRefined},   {"repor", Source::kRefined},     {"report", Source::kRefined},
      {"repor", Source::kCached},   {"repo", Source::kCached},       {"REPO", Source::kCached},
      {"repx", Source::kRefined},   {"report.d", Source::kRefined},  {"r", Source::kFullPass},
      {"eport", Source::kFullPass}, {"eport.doc", Source::kRefined},
  };
  for (const auto& [keyword, source] : steps) {
    ResultLines lines = cache.Find(index, 1, keyword, scratch);
    EXPECT_EQ(*lines, FindKeyword(index, keyword)) << keyword;
    EXPECT_EQ(cache.LastSource(), source) << keyword;
  }
}

TEST(KeywordQuery, AmongCandidatesLooksOnlyInsideEachCandidateLine) {
  // Lines short and long, so that the wide blocks of the scan reach into the lines after.
  IndexList index = IndexList::FromText(
      "ab\ncd\r\nC:\\a long line that holds its keyword near its end: xyz\rxyz\r\nq");
  const std::tuple<std::string_view, Rows, Rows> cases[] = {
      {"cd", {0}, {}}, {"cd", {0, 1}, {1}}, {"XYZ", {2, 3}, {2, 3}}, {"xyz", {0, 1, 4}, {}},
      {"q", {4}, {4}}, {"zq", {3, 4}, {}},  {"b\nc", {0}, {}},
  };
  for (const auto& [keyword, candidates, expected] : cases) {
    EXPECT_EQ(FindKeywordAmong(index, keyword, candidates), expected) << keyword;
  }
}

// The two rooms a prepared scratch holds go to the two largest results, so that a query written
// while another large result is on show still finds room made before; smaller rooms give way.
TEST(ScanScratchRooms, PreparedForTwoResultsAndKeepingTheTwoLargest) {
  const IndexList index = IndexList::FromText("a\r\nb\r\nc\r\nd\r\n");
  ScanScratch scratch;
  while (!scratch.PrepareRoomStep(index)) {
  }
  Rows first = scratch.TakeRows();
  Rows second = scratch.TakeRows();
  EXPECT_GE(first.capacity(), index.Count());
  EXPECT_GE(second.capacity(), index.Count());
  EXPECT_EQ(scratch.TakeRows().capacity(), 0u);
  Rows small;
  small.reserve(1);
  Rows large;
  large.reserve(100);
  scratch.GiveBack(std::move(small));
  scratch.GiveBack(std::move(first));
  scratch.GiveBack(std::move(large));
  EXPECT_EQ(scratch.TakeRows().capacity(), 100u);
  EXPECT_GE(scratch.TakeRows().capacity(), index.Count());
  EXPECT_EQ(scratch.TakeRows().capacity(), 0u);
}

// A pass over the disk replaces the index with one of nearly its size: the rooms serve it as
// they are (the same memory, no fresh pages for the query run again); a rebuild's step or a
// clear frees them.
TEST(ScanScratchRooms, KeptForAnIndexOfAboutTheSameSizeAndFreedOtherwise) {
  const IndexList index = Lines(1000, 50);
  const struct {
    std::size_t count;
    bool kept;
  } cases[] = {{1000, true}, {1010, true}, {990, true}, {1100, false}, {500, false}, {0, false}};
  for (const auto& c : cases) {
    ScanScratch scratch;
    // Where the memory of the two rooms of results is, and the smaller room's size.
    auto rooms = [&scratch] {
      Rows first = scratch.TakeRows();
      Rows second = scratch.TakeRows();
      const auto seen = std::make_pair(std::set<const std::uint32_t*>{first.data(), second.data()},
                                       std::min(first.capacity(), second.capacity()));
      scratch.GiveBack(std::move(first));
      scratch.GiveBack(std::move(second));
      return seen;
    };
    while (!scratch.PrepareRoomStep(index)) {
    }
    const auto before = rooms();
    scratch.IndexReplaced(index.Count(), c.count);
    if (!c.kept) {
      EXPECT_EQ(scratch.TakeRows().capacity(), 0u) << c.count;
      continue;
    }
    const IndexList next = Lines(c.count, 50);
    while (!scratch.PrepareRoomStep(next)) {
    }
    const auto after = rooms();
    EXPECT_EQ(after.first, before.first) << c.count;
    EXPECT_GE(after.second, c.count);
  }
}

TEST(KeywordCache, RefinesFromTheSmallestEarlierResultItHolds) {
  IndexList index = Lines(1000, 50);
  KeywordCache cache;
  ScanScratch scratch;
  cache.Find(index, 1, "report", scratch);
  cache.Find(index, 1, "dir1", scratch);
  cache.Find(index, 1, "dir1\\report", scratch);
  EXPECT_EQ(cache.LastSource(), Source::kRefined);
  EXPECT_EQ(cache.LastSearched(), 20u);
}

TEST(KeywordCache, NoEarlierResultServesAKeywordThatDoesNotHoldIt) {
  IndexList index = Lines(1000, 50);
  // Each pair: an earlier keyword with few rows, then one that does not contain it (though it
  // may look close), which must be searched in full.
  const std::pair<std::string_view, std::string_view> pairs[] = {
      {"report", "repor"},
      {"port.", "report"},
      {"", "report"},
      {"x\r", "x\r"},
  };
  for (const auto& [earlier, later] : pairs) {
    KeywordCache cache;
    ScanScratch scratch;
    cache.Find(index, 1, earlier, scratch);
    ResultLines lines = cache.Find(index, 1, later, scratch);
    EXPECT_EQ(*lines, FindKeyword(index, later)) << earlier << " " << later;
    EXPECT_NE(cache.LastSource(), Source::kRefined) << earlier << " " << later;
  }
}

TEST(KeywordCache, AgreesWithFullPassesOverRandomTyping) {
  std::mt19937 rng(7);
  static const std::string_view pieces[] = {"a", "A",    "b",    "B",  "ab", "@", "`", "[",
                                            "{", "\xC1", "\xE1", "\\", ".",  "x", "X"};
  std::string text;
  for (int i = 0; i < 4000; ++i) {
    text += "C:\\";
    for (std::size_t n = 1 + rng() % 12; n > 0; --n) text += pieces[rng() % std::size(pieces)];
    text += i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r";
  }
  IndexList index = IndexList::FromText(text);
  KeywordCache cache;
  ScanScratch scratch;
  std::string keyword;
  int refined = 0;
  for (int step = 0; step < 3000; ++step) {
    if (!keyword.empty() && rng() % 3 == 0) {
      keyword.pop_back();
    } else if (keyword.size() < 8) {
      keyword += pieces[rng() % std::size(pieces)];
    } else {
      keyword.clear();
    }
    ResultLines lines = cache.Find(index, 1, keyword, scratch);
    ASSERT_EQ(*lines, FindKeyword(index, keyword)) << ::testing::PrintToString(keyword);
    ASSERT_LE(cache.MemoryBytes(), cache.MemoryBound());
    ASSERT_LE(cache.Entries(), KeywordCache::kMaxEntries);
    refined += cache.LastSource() == Source::kRefined;
  }
  EXPECT_GT(refined, 100);
}

TEST(KeywordCache, AChangedIndexIsSearchedAgain) {
  // Each case changes the index between two searches for "report" in its own way; a cache
  // that missed the change would return the single row of before.
  const std::pair<const char*, std::function<void(std::shared_ptr<IndexList>&, std::uint64_t&)>>
      changes[] = {
          {"rows appended, same state",
           [](auto& index, auto&) { index->AppendList(Lines(10, 1)); }},
          {"new state of the same list", [](auto&, auto& state) { ++state; }},
          {"another list",
           [](auto& index, auto&) { index = std::make_shared<IndexList>(Lines(2000, 100)); }},
      };
  for (const auto& [name, change] : changes) {
    auto index = std::make_shared<IndexList>(Lines(1000, 1000));
    std::uint64_t state = 1;
    KeywordCache cache;
    ScanScratch scratch;
    ASSERT_EQ(cache.Find(*index, state, "report", scratch)->size(), 1u);
    change(index, state);
    EXPECT_EQ(*cache.Find(*index, state, "report", scratch), FindKeyword(*index, "report")) << name;
    EXPECT_EQ(cache.LastSource(), Source::kFullPass) << name;
    EXPECT_EQ(cache.Entries(), 1u) << name;
  }
}

TEST(KeywordCache, KeepsToItsMemoryBoundAndEntryCount) {
  IndexList index = Lines(1000, 50);
  KeywordCache cache;
  ScanScratch scratch;
  // "r" has 1000 rows: 4,000 bytes or more, past a tenth of this small index's memory.
  cache.Find(index, 1, "r", scratch);
  EXPECT_LT(cache.MemoryBound(), 1000 * sizeof(Rows::value_type));
  EXPECT_EQ(cache.Entries(), 0u);
  for (int i = 0; i < 40; ++i) {
    std::string keyword = "dir" + std::to_string(i) + "\\";
    cache.Find(index, 1, keyword, scratch);
    EXPECT_LE(cache.Entries(), KeywordCache::kMaxEntries);
    EXPECT_LE(cache.MemoryBytes(), cache.MemoryBound());
  }
  EXPECT_EQ(cache.Entries(), KeywordCache::kMaxEntries);
  // The most recent are kept, the oldest dropped.
  cache.Find(index, 1, "dir39\\", scratch);
  EXPECT_EQ(cache.LastSource(), Source::kCached);
  cache.Find(index, 1, "dir0\\", scratch);
  EXPECT_NE(cache.LastSource(), Source::kCached);
  cache.Clear();
  EXPECT_EQ(cache.Entries(), 0u);
  EXPECT_EQ(cache.MemoryBytes(), 0u);
}

class CachedQueriesTest : public ::testing::Test {
 protected:
  IndexStore store;
  TBallArray results;
  testing::FakeView view;
  testing::FakeClock clock;
  Queries queries{store, results, view, clock, LeadBytes::SingleByte()};
};

TEST_F(CachedQueriesTest, ARebuildStepOrAClearIsSeenByTheNextKeyword) {
  auto index = std::make_shared<IndexList>(Lines(100, 100));
  store.Set(index);
  queries.SearchByKeyword("report");
  ASSERT_EQ(results.Count(), 1u);
  // A rebuild appends each root to the list already on show and sets it again.
  index->AppendList(Lines(100, 100));
  store.Set(index);
  queries.SearchByKeyword("report");
  EXPECT_EQ(results.Count(), 2u);
  EXPECT_EQ(results.Path(1), "C:\\dir0\\Report.doc");
  store.Set(std::make_shared<IndexList>());
  queries.SearchByKeyword("report");
  EXPECT_TRUE(results.Empty());
}

TEST_F(CachedQueriesTest, ACachedKeywordStillLabelsTheTimeTaken) {
  store.Set(std::make_shared<IndexList>(Lines(100, 10)));
  queries.SearchByKeyword("report");
  clock.step = 3;
  queries.SearchByKeyword("report");
  EXPECT_EQ(results.Count(), 10u);
  EXPECT_EQ(view.labels.back(), "10    results taken   3    milliseconds");
  EXPECT_EQ(view.row_counts.back(), 10u);
}

TEST_F(CachedQueriesTest, RowsOnShowOutliveTheCacheEntryTheyShare) {
  store.Set(std::make_shared<IndexList>(Lines(100, 10)));
  queries.SearchByKeyword("report");
  TBallArray shown;
  shown.Swap(results);
  store.Set(std::make_shared<IndexList>(Lines(5, 1)));
  queries.SearchByKeyword("report");
  ASSERT_EQ(shown.Count(), 10u);
  EXPECT_EQ(shown.Path(9), "C:\\dir90\\Report.doc");
  EXPECT_EQ(results.Count(), 5u);
}

}  // namespace
}  // namespace vl
