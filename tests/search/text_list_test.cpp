#include <gtest/gtest.h>

#include <random>

#include "search/index_list.h"
#include "search/fakes.h"
#include "search/text_list.h"

namespace vl {
namespace {

using namespace std::string_literals;

struct SplitCase {
  std::string bytes;
  TextList lines;
};

TEST(TextList, SplitsByTheTextListRules) {
  const SplitCase cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb", {"a", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"", {}},
      {"a\0b\r\nc"s, {"a"}},
      {"\0abc"s, {}},
      {"a\r\n\0b"s, {"a"}},
      {"a\r\n\r\n", {"a", ""}},
      {"\n\n", {"", ""}},
      {"C:\\ \r\nC:\\\r\n", {"C:\\ ", "C:\\"}},
      {"\xEF\xBB\xBFx\ty ", {"\xEF\xBB\xBFx\ty "}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitTextList(c.bytes), c.lines) << ::testing::PrintToString(c.bytes);
    IndexList index = IndexList::FromText(c.bytes);
    ASSERT_EQ(index.Count(), c.lines.size()) << ::testing::PrintToString(c.bytes);
    for (std::size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(index.Line(i), c.lines[i]);
  }
}

// Lines an older version wrote in the system's code page (1252 here) are read as UTF-8; lines
// that are UTF-8 stay as they are, and a root list's byte-order mark goes.
TEST(TextList, ReadsLinesOfTheOldCodePageAsUtf8) {
  const SplitCase cases[] = {
      {"C:\\caf\xE9"
       "dir\\\r\nD:\\\r\n",
       {"C:\\caf\xC3\xA9"
        "dir\\",
        "D:\\"}},
      {"C:\\caf\xC3\xA9\r\nC:\\caf\xE9\r\n", {"C:\\caf\xC3\xA9", "C:\\caf\xC3\xA9"}},
      {"\x80\x8D\x9F\xFF", {"\xE2\x82\xAC\xC2\x8D\xC5\xB8\xC3\xBF"}},
      // A cut character, an overlong form and a surrogate are not UTF-8.
      {"caf\xC3\r\n\xC0\xAF\r\n\xED\xA0\x80",
       {"caf\xC3\x83", "\xC3\x80\xC2\xAF", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}},
      {"\xF0\x9F\x98\x80.txt\nC:\\\xE9", {"\xF0\x9F\x98\x80.txt", "C:\\\xC3\xA9"}},
      {"\xEF\xBB\xBF"
       "C:\\\r\nD:\\\r\n",
       {"C:\\", "D:\\"}},
      {"\xEF\xBB\xBF"
       "caf\xE9\r\n",
       {"caf\xC3\xA9"}},
      {"\xEF\xBB\xBF", {}},
      {"a\xE9\r\n\0\xE9"s, {"a\xC3\xA9"}},
  };
  for (const auto& c : cases) {
    testing::FakeFileSystem fs;
    fs.files["list.txt"] = c.bytes;
    EXPECT_EQ(LoadTextList(fs, "list.txt"), c.lines) << ::testing::PrintToString(c.bytes);
  }
  testing::FakeFileSystem fs;
  EXPECT_EQ(LegacyLinesAsUtf8("C:\\caf\xC3\xA9\r\nD:\\\r\n", fs), std::nullopt);
}

TEST(TextList, JoinEndsEveryLineWithCrLf) {
  EXPECT_EQ(JoinTextList({}), "");
  EXPECT_EQ(JoinTextList({"a", ""}), "a\r\n\r\n");
  EXPECT_EQ(SplitTextList(JoinTextList({"a", ""})), (TextList{"a", ""}));
}

// Random texts over the bytes that matter to the splitter, compared with the plain splitter.
std::string RandomText(std::mt19937& rng, std::size_t length) {
  static const char alphabet[] = {'a',  'B', '\\',   '\r', '\n',   '\r',
                                  '\n', ' ', '\xE9', '\0', '\xC3', '\xA9'};
  std::uniform_int_distribution<int> pick(0, int(sizeof alphabet) - 1);
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    char c = alphabet[pick(rng)];
    if (c == '\0' && rng() % 8 != 0) c = 'x';
    text += c;
  }
  return text;
}

// The lines of an index, read back through Line.
TextList LinesOf(const IndexList& index) {
  TextList lines;
  for (std::size_t i = 0; i < index.Count(); ++i) lines.push_back(index.Line(i));
  return lines;
}

// The same bytes handed to the loader in pieces cut at random places, so that lines, CR LF
// pairs and the text's end fall across the cuts.
IndexList LoadInPieces(std::mt19937& rng, std::string_view text) {
  IndexLoader loader;
  while (!text.empty()) {
    std::size_t cut = std::min<std::size_t>(text.size(), rng() % 6);
    if (!loader.Feed(text.substr(0, cut))) break;
    text.remove_prefix(cut);
  }
  return loader.Finish();
}

TEST(IndexList, AgreesWithTheTextListOnRandomTexts) {
  std::mt19937 rng(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text = RandomText(rng, rng() % 80);
    TextList lines = SplitTextList(text);
    IndexList index = IndexList::FromText(text);
    ASSERT_EQ(LinesOf(index), lines) << ::testing::PrintToString(text);
    EXPECT_EQ(index.FileText(), JoinTextList(lines));
    ASSERT_EQ(LinesOf(LoadInPieces(rng, text)), lines) << ::testing::PrintToString(text);
  }
}

// The whole file read as the program reads it, in stretches and parts of a few bytes each so
// that lines, CR LF pairs, runs of one folder and the text's end fall across every cut.
IndexList ReadWhole(const std::string& text, unsigned threads, IndexLoader::Sizes sizes,
                    bool legacy = false) {
  testing::FakeFileSystem fs;
  fs.files["vl.vl"] = text;
  IndexLoader loader(legacy ? &fs : nullptr);
  loader.ReadAll(*fs.OpenPieces("vl.vl"), threads, sizes);
  return loader.Finish();
}

TEST(IndexList, ReadWholeAgreesWithTheTextListOnRandomTexts) {
  const IndexLoader::Sizes sizes[] = {{1, 1, 1}, {3, 7, 2}, {5, 16, 4}, {64, 256, 32}};
  std::mt19937 rng(11);
  for (int round = 0; round < 300; ++round) {
    std::string text = RandomText(rng, rng() % 300);
    TextList lines = SplitTextList(text);
    // Read as the program reads its file, the lines that are not UTF-8 become UTF-8 wherever
    // the parts are cut.
    testing::FakeFileSystem fs;
    const TextList read_lines = SplitTextList(LegacyLinesAsUtf8(text, fs).value_or(text));
    for (const IndexLoader::Sizes& size : sizes) {
      for (unsigned threads : {1u, 3u}) {
        ASSERT_EQ(LinesOf(ReadWhole(text, threads, size)), lines)
            << ::testing::PrintToString(text) << " piece " << size.piece << " stretch "
            << size.stretch << " part " << size.part << " threads " << threads;
        ASSERT_EQ(LinesOf(ReadWhole(text, threads, size, true)), read_lines)
            << ::testing::PrintToString(text) << " piece " << size.piece << " threads " << threads;
      }
    }
  }
}

TEST(IndexList, ReadWholeStoresAFolderOnceAcrossItsCuts) {
  std::string text;
  for (int i = 0; i < 50; ++i) text += "C:\\a\\" + std::to_string(i) + "\r\n";
  text += "C:\\b\\x\r\nC:\\a\\y";
  IndexList index = ReadWhole(text, 3, {3, 10, 4});
  ASSERT_EQ(index.Count(), 52u);
  EXPECT_EQ(index.FolderCount(), 2u);
  EXPECT_EQ(index.Line(51), "C:\\a\\y");
  EXPECT_EQ(index.FileText(), text + "\r\n");
}

// Names and folders of every length up to past 32 bytes, and folders that differ from the one
// before in a single byte at each place: the load copies and compares short texts in words.
TEST(IndexList, ReadWholeKeepsTextsOfEveryLengthAndFoldersThatDifferInOneByte) {
  TextList lines;
  for (std::size_t folder = 1; folder <= 40; ++folder) {
    const std::string base = "C:\\" + std::string(folder, 'f') + "\\";
    for (std::size_t name = 1; name <= 40; name += 3)
      lines.push_back(base + std::string(name, 'n'));
    for (std::size_t at = 3; at < base.size() - 1; ++at) {
      std::string other = base;
      other[at] = 'g';
      lines.push_back(other + "x");
      lines.push_back(base + "y");
    }
  }
  const std::string text = JoinTextList(lines);
  for (const IndexLoader::Sizes& sizes : {IndexLoader::Sizes{7, 40, 9}, IndexLoader::Sizes{}}) {
    ASSERT_EQ(LinesOf(ReadWhole(text, 3, sizes)), lines) << "piece " << sizes.piece;
  }
}

TEST(IndexList, StoresEachFolderOnceInTheOrderFirstMet) {
  IndexList index = IndexList::FromText(
      "C:\\a\\x\r\nC:\\b\\y\r\nC:\\a\\z\r\nnone\r\n\r\nC:x.txt\r\nC:\\a\\\r\nC:\\a\\.\r\n");
  ASSERT_EQ(index.FolderCount(), 3u);
  EXPECT_EQ(index.FolderText(0), "C:\\a\\");
  EXPECT_EQ(index.FolderText(1), "C:\\b\\");
  EXPECT_EQ(index.FolderText(2), "");
  const std::pair<std::uint32_t, std::string_view> entries[] = {
      {0, "x"}, {1, "y"}, {0, "z"}, {2, "none"}, {2, ""}, {2, "C:x.txt"}, {0, ""}, {0, "."}};
  ASSERT_EQ(index.Count(), std::size(entries));
  for (std::size_t i = 0; i < index.Count(); ++i) {
    EXPECT_EQ(index.FolderOf(i), entries[i].first) << i;
    EXPECT_EQ(index.Name(i), entries[i].second) << i;
  }
}

TEST(IndexList, AppendKeepsTheListEqualToItsFile) {
  IndexList index;
  index.Append("C:\\a");
  index.Append("");
  index.Append(std::string("bad\rname\nhere\0!", 15));
  EXPECT_EQ(index.FileText(), "C:\\a\r\n\r\nbad?name?here?!\r\n");
  IndexList reloaded = IndexList::FromText(index.FileText());
  ASSERT_EQ(reloaded.Count(), 3u);
  EXPECT_EQ(reloaded.Line(2), "bad?name?here?!");
}

TEST(IndexList, AppendListMovesTheEntriesAndSharesTheFolders) {
  IndexList index = IndexList::FromText("C:\\a\\1\r\nC:\\b\\2\r\n");
  index.AppendList(IndexList::FromText("C:\\b\\3\nC:\\c\\4"));
  index.AppendList(IndexList());
  index.Append("C:\\c\\5");
  EXPECT_EQ(LinesOf(index), (TextList{"C:\\a\\1", "C:\\b\\2", "C:\\b\\3", "C:\\c\\4", "C:\\c\\5"}));
  EXPECT_EQ(index.FolderCount(), 3u);
  EXPECT_EQ(index.FolderOf(2), 1u);
  EXPECT_EQ(index.FolderOf(4), 2u);
  IndexList empty;
  empty.AppendList(IndexList::FromText("x\r\n"));
  EXPECT_EQ(LinesOf(empty), (TextList{"x"}));
}

TEST(IndexList, LinesPastABlockAndLongerThanOneReadBackWhole) {
  // Enough names for several blocks, one name longer than a block, and entries of one folder
  // on both sides of a block's end.
  std::string text;
  TextList lines;
  for (int i = 0; i < 400000; ++i) {
    lines.push_back("C:\\dir" + std::to_string(i / 50000) + "\\file" + std::to_string(i) + ".txt");
    if (i == 200000) lines.push_back("C:\\huge\\" + std::string(TextBlocks::kBlockBytes + 10, 'h'));
  }
  IndexList index = IndexList::FromText(JoinTextList(lines));
  EXPECT_GT(index.Names().Blocks().size(), 2u);
  EXPECT_EQ(LinesOf(index), lines);
  EXPECT_EQ(index.FileText(), JoinTextList(lines));
  for (std::size_t r = 0; r < index.Runs().size(); ++r) {
    std::size_t block = index.Names().BlockOf(index.Runs()[r].first);
    ASSERT_LE(index.RunEnd(r), index.Names().Blocks()[block].End()) << "run " << r;
    ASSERT_LT(index.Runs()[r].first, index.RunEnd(r)) << "run " << r;
  }
}

TEST(IndexList, MemoryIsTheFoldersOnceAndTheNamesWithFiveBytesEach) {
  std::string text;
  std::size_t names = 0;
  for (int i = 0; i < 10000; ++i) {
    std::string name = "file" + std::to_string(i) + ".dll";
    names += name.size();
    text += "C:\\Windows\\System" + std::to_string(i / 1000) + "\\" + name + "\r\n";
  }
  IndexList index = IndexList::FromText(text);
  EXPECT_EQ(index.FolderCount(), 10u);
  // Each name with its LF and its 4-byte start, the folders, one run per folder and the blocks'
  // own bookkeeping.
  EXPECT_LE(index.MemoryBytes(), names + 5 * index.Count() + 10 * 32 + 1024);
}

TEST(IndexList, KeepsOnlyTheEntriesRowsNeed) {
  IndexList source = IndexList::FromText("C:\\a\\1\r\nC:\\b\\2\r\nC:\\a\\3\r\nC:\\c\\4\r\n");
  const Rows rows = {1, 2};
  IndexList copy = IndexList::CopyEntries(source, rows);
  EXPECT_EQ(LinesOf(copy), (TextList{"C:\\b\\2", "C:\\a\\3"}));
  EXPECT_EQ(copy.FolderCount(), 2u);
  EXPECT_EQ(source.Count(), 4u);
  IndexList taken = IndexList::TakeEntries(std::move(source), rows);
  EXPECT_EQ(LinesOf(taken), (TextList{"C:\\b\\2", "C:\\a\\3"}));
  EXPECT_EQ(source.Count(), 0u);
}

TEST(IndexList, RunningOutOfMemoryWhileLoadingIsAnError) {
  struct Exhausted : testing::FakeFileSystem {
    std::string ReadWholeFile(const std::string&) override { throw std::bad_alloc(); }
  } files;
  try {
    LoadIndexList(files, "vl.vl");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Out of memory");
  }
}

}  // namespace
}  // namespace vl
