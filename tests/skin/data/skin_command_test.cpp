#include "skin/data/skin_command.h"

#include <gtest/gtest.h>

#include "framework/errors.h"
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

// Each entry that names a picture holds it whole in the package, so a definition naming one
// large picture many times is refused once the pictures pass what a package may hold, before
// the rest are read; one that lists more active pictures than a package may hold is refused
// before any is read.
TEST(SkinCommand, BuildRefusesPicturesPastThePackageLimit) {
  testing::TempDir dir;
  const int side = 2048;
  const std::int64_t per_picture = std::int64_t(side) * side;
  ASSERT_LT(per_picture, kMaxPackagePixels);
  WriteFileBytes(dir.Str() + "big.bmp", EncodeBmp({PixelBitmap(side, side, 0x336699), 24, {}}));
  auto definition = [](std::int64_t count, const std::string& name) {
    std::string text =
        "[VERSION]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n"
        "[PICTURES]\r\nactivepicturescount=" +
        std::to_string(count) + "\r\n";
    for (std::int64_t i = 0; i < std::min<std::int64_t>(count, kMaxActivePictures); ++i) {
      text += std::to_string(i) + "=" + name + "\r\n";
    }
    return text;
  };
  dir.Write("many.ini", definition(kMaxActivePictures, "big.bmp"));
  dir.Write("toomany.ini", definition(kMaxActivePictures + 1, "gone.bmp"));
  struct Case {
    const char* definition;
    std::vector<std::string> reasons;
  } cases[] = {
      {"many.ini",
       {"more than a package may hold", "\"big.bmp\"", std::to_string(kMaxPackagePixels)}},
      {"toomany.ini", {"lists 4097 active pictures", "at most 4096"}},
  };
  for (const auto& c : cases) {
    std::string err;
    EXPECT_EQ(RunSkin({"build", dir.Str() + c.definition, dir.Str() + "o.skin"}, &err), 1);
    for (const std::string& reason : c.reasons)
      EXPECT_NE(err.find(reason), std::string::npos) << err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "o.skin"));
}

// A package file is judged by its header before more of it is read: only the declared bytes
// are taken, and a declared length beyond what any package can inflate to is refused at once.
TEST(SkinCommand, APackageFileIsReadNoFurtherThanItsHeaderDeclares) {
  testing::TempDir dir;
  const std::string tail(1 << 20, 'z');
  auto header = [](std::uint32_t version, std::uint32_t length) {
    std::string bytes(8, '\0');
    for (int i = 0; i < 4; ++i) {
      bytes[std::size_t(i)] = char(version >> (8 * i));
      bytes[std::size_t(4 + i)] = char(length >> (8 * i));
    }
    return bytes;
  };
  dir.Write("huge.skin", header(3, std::uint32_t(kInflateLimit) + 1) + tail);
  dir.Write("negative.skin", header(3, 0x80000000u) + tail);
  dir.Write("tail.skin", header(3, 5) + tail);
  dir.Write("later.skin", header(4, 5) + tail);
  struct Case {
    const char* file;
    const char* error;
    std::size_t kept;
  } cases[] = {
      {"huge.skin", "Stream read error", 0},
      {"negative.skin", "Stream read error", 0},
      {"tail.skin", "", 5},
      {"later.skin", "", 0},
  };
  for (const auto& c : cases) {
    TskCompressedStoredSkin stored;
    std::string error;
    try {
      stored.ReadCompressedFile(dir.Str() + c.file);
    } catch (const FormatError& e) {
      error = e.what();
    }
    EXPECT_EQ(error, c.error) << c.file;
    EXPECT_EQ(stored.CompressedData().size(), c.kept) << c.file;
  }
#ifndef _WIN32
  // An endless file: only its header and the bytes it declares (none) are read.
  TskCompressedStoredSkin endless;
  endless.ReadCompressedFile("/dev/zero");
  EXPECT_TRUE(endless.IsEmpty());
#endif
}

}  // namespace
}  // namespace vl
