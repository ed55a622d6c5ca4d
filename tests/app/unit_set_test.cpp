#include "app/unit_set.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(EditorTextFromFile, EveryLineBreakBecomesCrLfAndANulEndsTheText) {
  const LeadBytes single = LeadBytes::SingleByte();
  struct Case {
    std::string file;
    std::string editor;
  } cases[] = {
      {"", ""},
      {"C:\\\r\nD:\\", "C:\\\r\nD:\\"},
      {"a\nb\n", "a\r\nb\r\n"},
      {"a\rb", "a\r\nb"},
      {"a\n\rb", "a\r\n\r\nb"},
      {"a\r\n\r\nb", "a\r\n\r\nb"},
      {std::string("a\0b\r\n", 5), "a"},
      {"\xEF\xBB\xBF"
       "C:\\",
       "\xEF\xBB\xBF"
       "C:\\"},
  };
  for (const auto& c : cases) {
    const EditorText shown = EditorTextFromFile(c.file, single);
    EXPECT_EQ(shown.text, c.editor) << c.file;
  }
}

TEST(EditorTextFromFile, TheSecondByteOfADoubleByteCharacterIsNeverABreak) {
  const LeadBytes lead = LeadBytes::Range(0x81, 0xFE);
  // A lead byte followed by LF keeps them together as one character under the lead-byte test.
  EXPECT_EQ(EditorTextFromFile("\x81\n\n", lead).text, "\x81\n\r\n");
  EXPECT_EQ(EditorTextFromFile("\x81\n\n", LeadBytes::SingleByte()).text, "\x81\r\n\r\n");
  EXPECT_EQ(EditorTextFromFile("D:\\\xB5\\\r\n", lead).text, "D:\\\xB5\\\r\n");
}

// Nothing of a root list is ever left out, however long its lines or the whole: the editor
// takes it whole, wrapped while wrapping costs little, or does not take it.
TEST(EditorTextFromFile, LongLinesAndLongListsAreKeptWholeAndMeasured) {
  const LeadBytes single = LeadBytes::SingleByte();
  const auto repeat = [](const std::string& line, std::size_t size) {
    std::string text;
    while (text.size() < size) text += line;
    return text;
  };
  const std::string wide(8192, 'a');  // 8192 squared is the whole wrap budget
  const std::string line1k = std::string(1022, 'b') + "\r\n";
  const std::string longest(kLongestEditorLine, 'c');
  struct Case {
    std::string file;
    std::size_t longest_line;
    EditorFit fit;
  } cases[] = {
      {"", 0, EditorFit::kWrapped},
      {wide, wide.size(), EditorFit::kWrapped},
      {wide + "\r\nD:\\", wide.size(), EditorFit::kUnwrapped},
      {repeat(line1k, 64 * line1k.size()), 1022, EditorFit::kWrapped},
      {repeat(line1k, 65 * line1k.size()), 1022, EditorFit::kUnwrapped},
      {"C:\\\r\n" + longest + "\r\nD:\\\r\n", longest.size(), EditorFit::kUnwrapped},
      {longest + "c\r\n", longest.size() + 1, EditorFit::kTooLarge},
      {repeat("C:\\Data\\\r\n", 40000), 8, EditorFit::kWrapped},
      {repeat("C:\\Data\\\r\n", kLargestEditorText - 10), 8, EditorFit::kWrapped},
      {repeat("C:\\Data\\\r\n", kLargestEditorText + 1), 8, EditorFit::kTooLarge},
  };
  for (const auto& c : cases) {
    const EditorText shown = EditorTextFromFile(c.file, single);
    EXPECT_EQ(shown.text, c.file) << c.file.size();
    EXPECT_EQ(shown.longest_line, c.longest_line) << c.file.size();
    EXPECT_EQ(FitOf(shown), c.fit) << c.file.size();
  }
  // A line's length counts both bytes of a double-byte character, and a NUL ends the last line.
  const LeadBytes lead = LeadBytes::Range(0x81, 0xFE);
  EXPECT_EQ(EditorTextFromFile("ab\x81\n\r\nc", lead).longest_line, 4u);
  EXPECT_EQ(EditorTextFromFile(std::string("abc\0defgh", 9), lead).longest_line, 3u);
}

TEST(DrivesText, OneLinePerPresentDriveInLetterOrder) {
  EXPECT_EQ(DrivesText(0), "");
  EXPECT_EQ(DrivesText(0b1101), "A:\\\r\nC:\\\r\nD:\\\r\n");
  EXPECT_EQ(DrivesText(0x2000004), "C:\\\r\nZ:\\\r\n");
  EXPECT_EQ(DrivesText(0xFFFFFFFF).size(), 26u * 5u);
}

}  // namespace
}  // namespace vl
