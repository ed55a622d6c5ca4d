#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>

#include "search/natural_order.h"
#include "search/result_order.h"

namespace vl {
namespace {

TEST(ResultOrderTest, ClicksCycleThroughTheDirections) {
  struct Case {
    ResultOrder before;
    SortColumn clicked;
    ResultOrder after;
  };
  const Case cases[] = {
      {{}, SortColumn::kName, {SortColumn::kName, false}},
      {{SortColumn::kName, false}, SortColumn::kName, {SortColumn::kName, true}},
      {{SortColumn::kName, true}, SortColumn::kName, {}},
      {{SortColumn::kName, true}, SortColumn::kSize, {SortColumn::kSize, false}},
      {{SortColumn::kFolder, false}, SortColumn::kType, {SortColumn::kType, false}},
      {{SortColumn::kType, false}, SortColumn::kIndex, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(NextOrder(c.before, c.clicked), c.after);
}

// Lines whose columns hold every trap of the order: case, numbers with leading zeros, equal
// names in many folders, non-ASCII names in UTF-8 and in a legacy code page, drive-relative
// lines ("C:x.txt"), names without an extension and dot entries.
const std::string_view kFolders[] = {"C:\\",
                                     "C:\\Windows\\",
                                     "c:\\windows\\",
                                     "D:\\Data 2\\",
                                     "D:\\data 10\\",
                                     "D:\\data 02\\",
                                     "E:\\\xC3\xA9t\xC3\xA9\\",
                                     "E:\\\xC3\x89T\xC3\x89\\",
                                     ""};
const std::string_view kNames[] = {"a.txt",  "A.TXT",   "file2.doc", "file10.doc",   "file02.doc",
                                   "readme", "x:y.txt", "C:z.mp3",   "\xC3\xA9.jpg", "\xE9.jpg",
                                   ".",      "..",      "b.tar.gz",  "B.Tar.GZ",     "zz.Doc"};

std::vector<std::string> RandomLines(std::mt19937& rng, std::size_t count) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < count; ++i) {
    lines.push_back(std::string(kFolders[rng() % std::size(kFolders)]) +
                    std::string(kNames[rng() % std::size(kNames)]));
  }
  return lines;
}

std::string IndexText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The plain sort the prepared orders must agree with: every row's column text compared in
// full (by its sort key, made once a row), a stable sort so that equal rows keep index order in
// both directions.
Rows PlainSort(const std::vector<std::string>& lines, const Rows& rows, ResultOrder order,
               const std::map<std::string, std::int64_t>& sizes) {
  const LeadBytes lead;
  std::vector<std::string> keys;
  for (std::uint32_t e : rows) {
    const std::string& path = lines[e];
    switch (order.column) {
      case SortColumn::kName:
        keys.push_back(NaturalKey(ExtractFileName(path, lead)));
        break;
      case SortColumn::kFolder:
        keys.push_back(NaturalKey(ExtractFileDir(path, lead)));
        break;
      case SortColumn::kType:
        keys.push_back(NaturalKey(ExtractFileExt(path, lead)));
        break;
      default:
        keys.push_back(std::string(1, char(0x40 + sizes.at(path))));
        break;
    }
  }
  Rows positions(rows.size());
  for (std::uint32_t p = 0; p < positions.size(); ++p) positions[p] = p;
  std::stable_sort(positions.begin(), positions.end(), [&](std::uint32_t a, std::uint32_t b) {
    return order.descending ? keys[a] > keys[b] : keys[a] < keys[b];
  });
  return positions;
}

TEST(SortedRowsTest, EqualAPlainSortOfTheResultSet) {
  std::mt19937 rng(11);
  for (std::size_t count : {0u, 1u, 40u, 700u, 70000u}) {
    const std::vector<std::string> lines = RandomLines(rng, count);
    const IndexList index = IndexList::FromText(IndexText(lines));
    const PreparedOrders prepared = PreparedOrders::Of(index, LeadBytes());
    std::map<std::string, std::int64_t> sizes;
    for (const std::string& line : lines) sizes.emplace(line, std::int64_t(rng() % 5) - 1);
    SortContext context;
    context.size_of = [&sizes](const std::string& path) { return sizes.at(path); };
    context.size_limit = count;
    // Every row, most of them, and a few: each way of putting rows in order is taken.
    Rows got;
    for (unsigned keep_per_mille : {1000u, 600u, 30u}) {
      Rows rows;
      for (std::uint32_t e = 0; e < count; ++e) {
        if (rng() % 1000 < keep_per_mille) rows.push_back(e);
      }
      for (int column = 0; column < 4; ++column) {
        if (column == 3 && count > 1000) continue;
        for (bool descending : {false, true}) {
          const ResultOrder order{SortColumn(column), descending};
          const Rows want = PlainSort(lines, rows, order, sizes);
          for (const PreparedOrders* with :
               {&prepared, static_cast<const PreparedOrders*>(nullptr)}) {
            context.prepared = with;
            // The vector of the sort before is written over, as the window's is.
            ASSERT_TRUE(SortedPositions(index, &rows, order, context, got)) << column;
            EXPECT_EQ(got, want) << "count " << count << ", kept " << keep_per_mille
                                 << "/1000, column " << column << (descending ? " down" : " up")
                                 << (with ? ", prepared" : "");
          }
        }
      }
    }
  }
}

// Large sorts split their slices across the cores, and a long run of texts that share their
// beginnings is refined a level at a time on every core: each shape of text is checked against
// a plain stable sort by whole keys, ties included.
TEST(TextOrderTest, LargeSortsEqualAPlainSortOfTheKeys) {
  std::mt19937 rng(5);
  const std::string deep = "C:\\Users\\someone\\Documents\\Projects\\";
  const std::function<std::string()> shapes[] = {
      // Short names of a few kinds, many of them equal.
      [&] { return std::string(kNames[rng() % std::size(kNames)]); },
      // One long beginning, then a folder of a few, then numbers of any width.
      [&] {
        return deep + "p" + std::to_string(rng() % 7) + "\\file" + std::to_string(rng() % 3000);
      },
      // Runs of equal long texts, some only in case or in leading zeros.
      [&] {
        const std::string tails[] = {"Report", "report", "report01", "report1", "REPORT2"};
        return deep + tails[rng() % std::size(tails)];
      },
  };
  for (std::size_t shape = 0; shape < std::size(shapes); ++shape) {
    for (std::size_t count : {5000u, 70000u}) {
      std::vector<std::string> texts;
      for (std::size_t i = 0; i < count; ++i) texts.push_back(shapes[shape]());
      const TextOrder got = OrderByText(
          count, [&](std::uint32_t p, std::string&) { return std::string_view(texts[p]); });
      std::vector<std::string> keys;
      for (const std::string& text : texts) keys.push_back(NaturalKey(text));
      Rows want(count);
      for (std::uint32_t p = 0; p < count; ++p) want[p] = p;
      std::stable_sort(want.begin(), want.end(),
                       [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
      ASSERT_EQ(got.order, want) << "shape " << shape << ", count " << count;
      ASSERT_EQ(got.tied.size(), count);
      for (std::size_t k = 0; k < count; ++k) {
        ASSERT_EQ(got.tied[k], k > 0 && keys[want[k]] == keys[want[k - 1]])
            << "shape " << shape << ", count " << count << ", place " << k;
      }
    }
  }
}

// The positions of a sort, or nothing when it is refused.
std::optional<Rows> Sorted(const IndexList& index, ResultOrder order, const SortContext& context) {
  Rows out{7, 7, 7, 7, 7, 7};
  if (!SortedPositions(index, nullptr, order, context, out)) return std::nullopt;
  return out;
}

TEST(ResultOrderTest, EveryEntryOfAListWithoutRows) {
  const IndexList index = IndexList::FromText("b\r\nA\r\nc\r\na\r\n");
  SortContext context;
  EXPECT_EQ(Sorted(index, {SortColumn::kName, false}, context), (Rows{1, 3, 0, 2}));
  EXPECT_EQ(Sorted(index, {SortColumn::kName, true}, context), (Rows{2, 0, 1, 3}));
  EXPECT_EQ(Sorted(index, {}, context), (Rows{0, 1, 2, 3}));
}

TEST(ResultOrderTest, SizeOnlyUpToItsLimit) {
  const IndexList index = IndexList::FromText("a\r\nb\r\nc\r\n");
  SortContext context;
  int lookups = 0;
  context.size_of = [&lookups](const std::string& path) {
    ++lookups;
    return path == "a" ? 5 : 1;
  };
  context.size_limit = 2;
  EXPECT_FALSE(Sorted(index, {SortColumn::kSize, false}, context));
  EXPECT_EQ(lookups, 0);
  context.size_limit = 3;
  EXPECT_EQ(Sorted(index, {SortColumn::kSize, false}, context), (Rows{1, 2, 0}));
  EXPECT_EQ(Sorted(index, {SortColumn::kSize, true}, context), (Rows{0, 1, 2}));
}

}  // namespace
}  // namespace vl
