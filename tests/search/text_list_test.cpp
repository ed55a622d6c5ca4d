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

TEST(TextList, JoinEndsEveryLineWithCrLf) {
  EXPECT_EQ(JoinTextList({}), "");
  EXPECT_EQ(JoinTextList({"a", ""}), "a\r\n\r\n");
  EXPECT_EQ(SplitTextList(JoinTextList({"a", ""})), (TextList{"a", ""}));
}

// Random texts over the bytes that matter to the splitter, compared with the plain splitter.
std::string RandomText(std::mt19937& rng, std::size_t length) {
  static const char alphabet[] = {'a', 'B', '\\', '\r', '\n', '\r', '\n', ' ', '\xE9', '\0'};
  std::uniform_int_distribution<int> pick(0, int(sizeof alphabet) - 1);
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    char c = alphabet[pick(rng)];
    if (c == '\0' && rng() % 8 != 0) c = 'x';
    text += c;
  }
  return text;
}

TEST(IndexList, AgreesWithTheTextListOnRandomTexts) {
  std::mt19937 rng(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text = RandomText(rng, rng() % 80);
    TextList lines = SplitTextList(text);
    IndexList index = IndexList::FromText(text);
    ASSERT_EQ(index.Count(), lines.size()) << ::testing::PrintToString(text);
    for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(index.Line(i), lines[i]);
    EXPECT_EQ(index.FileText(), JoinTextList(lines));
    if (index.BufferIsFileText()) {
      EXPECT_EQ(index.Buffer(), JoinTextList(lines));
    }
    for (std::size_t pos = 0; pos < index.Buffer().size(); ++pos) {
      std::size_t line = index.LineAt(pos);
      ASSERT_LE(index.LineStart(line), pos);
      ASSERT_LT(pos, index.LineStart(line + 1));
    }
  }
}

TEST(IndexList, ACrLfFileIsItsOwnBuffer) {
  IndexList crlf = IndexList::FromText("a\r\nb\r\n");
  EXPECT_TRUE(crlf.BufferIsFileText());
  EXPECT_EQ(crlf.Buffer(), "a\r\nb\r\n");
  EXPECT_TRUE(IndexList::FromText("a\r\nb").BufferIsFileText());
  EXPECT_FALSE(IndexList::FromText("a\nb\r\n").BufferIsFileText());
}

TEST(IndexList, AppendKeepsTheListEqualToItsFile) {
  IndexList index;
  index.Append("C:\\a");
  index.Append("");
  index.Append("bad\rname\nhere");
  EXPECT_EQ(index.FileText(), "C:\\a\r\n\r\nbad?name?here\r\n");
  IndexList reloaded = IndexList::FromText(index.FileText());
  ASSERT_EQ(reloaded.Count(), 3u);
  EXPECT_EQ(reloaded.Line(2), "bad?name?here");
}

TEST(IndexList, AppendListJoinsLinesOfAnyLayout) {
  IndexList index = IndexList::FromText("a\r\n");
  index.AppendList(IndexList::FromText("b\nc"));
  index.AppendList(IndexList());
  index.Append("d");
  ASSERT_EQ(index.Count(), 4u);
  EXPECT_EQ(index.Line(1), "b");
  EXPECT_EQ(index.Line(3), "d");
  EXPECT_EQ(index.FileText(), "a\r\nb\r\nc\r\nd\r\n");
}

TEST(IndexList, MemoryStaysWithinTheFileAndOneWordALine) {
  std::string text;
  for (int i = 0; i < 10000; ++i)
    text += "C:\\Windows\\System32\\file" + std::to_string(i) + ".dll\r\n";
  // A copy holds exactly the file's bytes, as a file read does.
  IndexList index = IndexList::FromText(std::string(text));
  std::size_t size = text.size();
  EXPECT_LE(index.MemoryBytes(), size + sizeof(std::size_t) * (index.Count() + 1));
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
