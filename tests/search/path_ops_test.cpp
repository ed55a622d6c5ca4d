#include <gtest/gtest.h>

#include "search/path_ops.h"

namespace vl {
namespace {

struct SplitCase {
  std::string path, name, dir, ext;
};

TEST(PathOps, SplitsPathsIntoNameFolderAndExtension) {
  const SplitCase cases[] = {
      {"C:\\Windows\\notepad.exe", "notepad.exe", "C:\\Windows", ".exe"},
      {"C:\\boot.ini", "boot.ini", "C:\\", ".ini"},
      {"C:\\Windows", "Windows", "C:\\", ""},
      {"C:\\Windows\\.", ".", "C:\\Windows", "."},
      {"C:\\Windows\\..", "..", "C:\\Windows", "."},
      {"D:\\a.tar.gz", "a.tar.gz", "D:\\", ".gz"},
      {"D:\\dir.old\\README", "README", "D:\\dir.old", ""},
      {"C:x.txt", "x.txt", "C:", ".txt"},
      {"name.txt", "name.txt", "", ".txt"},
      {"", "", "", ""},
      {"\\\\server\\share\\x", "x", "\\\\server\\share", ""},
      {"C:\\\\x", "x", "C:\\\\", ""},
      {"D:\\d.mp3\\x", "x", "D:\\d.mp3", ""},
  };
  const LeadBytes lead = LeadBytes::SingleByte();
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path, lead), c.name) << c.path;
    EXPECT_EQ(ExtractFileDir(c.path, lead), c.dir) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path, lead), c.ext) << c.path;
  }
  EXPECT_EQ(ExtractFilePath("D:\\Tools\\Finder\\vl.exe", lead), "D:\\Tools\\Finder\\");
  EXPECT_EQ(ExtractFilePath("vl.exe", lead), "");
}

// In code page 936 "\x95\x5C" is one character whose second byte has the value of "\".
TEST(PathOps, SkipsSecondBytesOfDoubleByteCharacters) {
  const LeadBytes gbk = LeadBytes::CodePage936();
  const LeadBytes single = LeadBytes::SingleByte();
  const std::string path = "C:\\\x95\x5C\\a\x95\x5C";
  EXPECT_EQ(ExtractFileName(path, gbk), "a\x95\x5C");
  EXPECT_EQ(ExtractFileDir(path, gbk), "C:\\\x95\x5C");
  EXPECT_EQ(ExtractFileName(path, single), "");
  // A trail byte "\" before the last separator is not a separator, so that one is dropped.
  EXPECT_EQ(ExtractFileDir("C:\\\x95\x5C\\x", gbk), "C:\\\x95\x5C");
  EXPECT_EQ(ExtractFileExt("C:\\a.\x95\x5C", gbk), ".\x95\x5C");
  EXPECT_EQ(ExtractFileExt("C:\\a.\x95\x5C", single), "");
  // A lead byte with nothing after it is still no delimiter.
  EXPECT_EQ(ExtractFileName("C:\\a\x95", gbk), "a\x95");
}

TEST(PathOps, TrimDropsControlBytesAndSpacesOnly) {
  EXPECT_EQ(Trim(" \t\x01 abc \r\n"), "abc");
  EXPECT_EQ(Trim(std::string_view("\0x\0", 3)), "x");
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");
  EXPECT_EQ(Trim("   "), "");
}

TEST(PathOps, LowerCaseFoldsAsciiLettersOnly) {
  EXPECT_EQ(LowerCase("C:\\WINDOWS\\@[`{\xC9\x41"), "c:\\windows\\@[`{\xC9\x61");
}

}  // namespace
}  // namespace vl
