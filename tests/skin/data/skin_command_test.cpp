#include "skin/data/skin_command.h"

#include <gtest/gtest.h>

#include "skin/data/bmp_codec.h"
#include "skin/data/skin_files.h"
#include "skin/data/skin_package.h"
#include "skin/data/stored_skin.h"
#include "skin/data/zlib_codec.h"
#include "support/temp_dir.h"

namespace vl {
namespace {

int RunSkin(std::vector<std::string> args, std::string* err_text = nullptr) {
  std::ostringstream out, err;
  int rc = RunSkinCommand(args, out, err);
  if (err_text) *err_text = err.str();
  return rc;
}

std::string PackageWithText(const testing::TempDir& dir, const std::string& text) {
  SkinPackageContents c;
  c.picture = {PixelBitmap(2, 2, 0xFF), 24, {}};
  c.active_pictures.push_back({PixelBitmap(3, 1, 0x00FF00), 24, {}});
  c.text = text;
  TskCompressedStoredSkin stored;
  stored.SetCompressedData(DeflateZlib(WriteInnerPackage(c)));
  std::string path = dir.Str() + "p.skin";
  WriteFileBytes(path, stored.PackageStream());
  return path;
}

TEST(SkinCommand, WrongArgumentsShowUsage) {
  std::string err;
  EXPECT_EQ(RunSkin({}, &err), 2);
  EXPECT_NE(err.find("usage"), std::string::npos);
  EXPECT_EQ(RunSkin({"pack", "a", "b"}), 2);
  EXPECT_EQ(RunSkin({"unpack", "a"}), 2);
}

TEST(SkinCommand, UnpackNamesMissingPicturesItself) {
  testing::TempDir dir;
  std::string package = PackageWithText(dir, "[PICTURES]\r\n");
  ASSERT_EQ(RunSkin({"unpack", package, dir.Str() + "out"}), 0);
  EXPECT_EQ(DecodeBmp(ReadFileBytes(dir.Str() + "out/main.bmp")).bitmap.Width(), 2);
  EXPECT_EQ(DecodeBmp(ReadFileBytes(dir.Str() + "out/active0.bmp")).bitmap.Width(), 3);
  EXPECT_EQ(dir.Read("out/skin.ini"), "[PICTURES]\r\n");
}

TEST(SkinCommand, UnpackRefusesNamesThatLeaveTheFolder) {
  testing::TempDir dir;
  for (const char* name : {"../evil.bmp", "sub/x.bmp", "C:x.bmp", "..", "a\\b.bmp"}) {
    std::string package = PackageWithText(dir, std::string("[PICTURES]\r\n0=") + name + "\r\n");
    std::string err;
    EXPECT_EQ(RunSkin({"unpack", package, dir.Str() + "out"}, &err), 1) << name;
    EXPECT_NE(err.find("not a plain file name"), std::string::npos) << err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "evil.bmp"));
}

TEST(SkinCommand, BadInputsFailWithTheirReason) {
  testing::TempDir dir;
  dir.Write("late.skin", std::string("\x04\0\0\0\x01\0\0\0x", 9));
  dir.Write("short.skin", std::string("\x03\0\0\0\x09\0\0\0x", 9));
  dir.Write("def.ini", "[VERSION]\r\n[PICTURES]\r\n");
  dir.Write("nopic.ini",
            "[VERSION]\r\n[PICTURES]\r\npicture=gone.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n"
            "[SKINCONTROLS]\r\n");
  struct Case {
    std::vector<std::string> args;
    const char* reason;
  } cases[] = {
      {{"unpack", dir.Str() + "late.skin", dir.Str() + "o"}, "later format version"},
      {{"unpack", dir.Str() + "short.skin", dir.Str() + "o"}, "Stream read error"},
      {{"unpack", dir.Str() + "none.skin", dir.Str() + "o"}, "Cannot open file"},
      {{"build", dir.Str() + "def.ini", dir.Str() + "o.skin"}, "lacks one of the sections"},
      {{"build", dir.Str() + "nopic.ini", dir.Str() + "o.skin"}, "gone.bmp"},
  };
  for (const auto& c : cases) {
    std::string err;
    EXPECT_EQ(RunSkin(c.args, &err), 1) << c.args[1];
    EXPECT_NE(err.find(c.reason), std::string::npos) << err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "o.skin"));
}

}  // namespace
}  // namespace vl
