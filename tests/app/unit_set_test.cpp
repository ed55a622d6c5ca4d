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
    EXPECT_FALSE(shown.cut) << c.file;
  }
}

TEST(EditorTextFromFile, TheSecondByteOfADoubleByteCharacterIsNeverABreak) {
  const LeadBytes lead = LeadBytes::Range(0x81, 0xFE);
  // A lead byte followed by LF keeps them together as one character under the lead-byte test.
  EXPECT_EQ(EditorTextFromFile("\x81\n\n", lead).text, "\x81\n\r\n");
  EXPECT_EQ(EditorTextFromFile("\x81\n\n", LeadBytes::SingleByte()).text, "\x81\r\n\r\n");
  EXPECT_EQ(EditorTextFromFile("D:\\\xB5\\\r\n", lead).text, "D:\\\xB5\\\r\n");
}

// A root list with absurd lengths is shown cut, so the editor can take it at once: each line
// after kLongestEditorLine bytes, the text after kLongestEditorText, never inside a character.
TEST(EditorTextFromFile, LongLinesAndLongListsAreShownCut) {
  const LeadBytes single = LeadBytes::SingleByte();
  const std::string longest(kLongestEditorLine, 'a');
  const std::string many = [] {
    std::string text;
    while (text.size() < 2 * kLongestEditorText) text += "C:\\Data\\\r\n";
    return text;
  }();
  struct Case {
    std::string file;
    std::string editor;
    bool cut;
  } cases[] = {
      {longest + "\r\nD:\\", longest + "\r\nD:\\", false},
      {longest + "b\nD:\\", longest + "\r\nD:\\", true},
      {"C:\\\n" + std::string(5 << 20, 'x') + "\nD:\\\n",
       "C:\\\r\n" + std::string(kLongestEditorLine, 'x') + "\r\nD:\\\r\n", true},
      {many, many.substr(0, kLongestEditorText - kLongestEditorText % 10), true},
  };
  for (const auto& c : cases) {
    const EditorText shown = EditorTextFromFile(c.file, single);
    EXPECT_EQ(shown.text, c.editor) << c.file.size();
    EXPECT_EQ(shown.cut, c.cut) << c.file.size();
  }
  // A double-byte character that would cross the cut is left out whole.
  const LeadBytes lead = LeadBytes::Range(0x81, 0xFE);
  const std::string line = std::string(kLongestEditorLine - 1, 'a') + "\x81\x40";
  EXPECT_EQ(EditorTextFromFile(line, lead).text, std::string(kLongestEditorLine - 1, 'a'));
}

TEST(DrivesText, OneLinePerPresentDriveInLetterOrder) {
  EXPECT_EQ(DrivesText(0), "");
  EXPECT_EQ(DrivesText(0b1101), "A:\\\r\nC:\\\r\nD:\\\r\n");
  EXPECT_EQ(DrivesText(0x2000004), "C:\\\r\nZ:\\\r\n");
  EXPECT_EQ(DrivesText(0xFFFFFFFF).size(), 26u * 5u);
}

}  // namespace
}  // namespace vl
