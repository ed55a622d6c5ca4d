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
  for (const auto& c : cases) EXPECT_EQ(EditorTextFromFile(c.file, single), c.editor) << c.file;
}

TEST(EditorTextFromFile, TheSecondByteOfADoubleByteCharacterIsNeverABreak) {
  const LeadBytes lead = LeadBytes::Range(0x81, 0xFE);
  // A lead byte followed by LF keeps them together as one character under the lead-byte test.
  EXPECT_EQ(EditorTextFromFile("\x81\n\n", lead), "\x81\n\r\n");
  EXPECT_EQ(EditorTextFromFile("\x81\n\n", LeadBytes::SingleByte()), "\x81\r\n\r\n");
  EXPECT_EQ(EditorTextFromFile("D:\\\xB5\\\r\n", lead), "D:\\\xB5\\\r\n");
}

TEST(DrivesText, OneLinePerPresentDriveInLetterOrder) {
  EXPECT_EQ(DrivesText(0), "");
  EXPECT_EQ(DrivesText(0b1101), "A:\\\r\nC:\\\r\nD:\\\r\n");
  EXPECT_EQ(DrivesText(0x2000004), "C:\\\r\nZ:\\\r\n");
  EXPECT_EQ(DrivesText(0xFFFFFFFF).size(), 26u * 5u);
}

}  // namespace
}  // namespace vl
