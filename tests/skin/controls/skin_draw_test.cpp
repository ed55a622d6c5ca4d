#include "skin/controls/skin_draw.h"

#include <gtest/gtest.h>

#include <sstream>

#include "framework/errors.h"
#include "skin/data/bmp_codec.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_files.h"
#include "support/temp_dir.h"

namespace vl {
namespace {

class Quiet : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned) override {}
};

class SkinDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stored.ReadCompressedFile(VL_CARRIED_SKIN_PACKAGE);
    data.LoadPackage(stored);
    ASSERT_FALSE(data.Empty());
  }
  Pixel SkinAt(int x, int y) const { return data.ActivePicture(4)->At(x, y); }
  int Run(std::vector<std::string> args, std::string* err_text = nullptr) {
    std::ostringstream out, err;
    const int rc = RunSkinDrawCommand(args, &stored, out, err);
    if (err_text) *err_text = err.str();
    return rc;
  }

  Quiet quiet;
  TskCompressedStoredSkin stored;
  TskSkinData data{nullptr, quiet};
};

TEST_F(SkinDrawTest, EachButtonStateDrawsItsOwnRectangleAtTheSkinHeight) {
  struct Case {
    TskDrawState state;
    TPoint corner;  // of the state rectangle in picture 4
  } cases[] = {
      {TskDrawState::kNormal, {458, 272}},
      {TskDrawState::kHot, {458, 298}},
      {TskDrawState::kPressed, {458, 324}},
      {TskDrawState::kFocused, {458, 298}},  // no focused rectangle: the hot one
      {TskDrawState::kDisabled, {503, 272}},
  };
  for (const auto& c : cases) {
    const PixelBitmap b = DrawSkinSection(data, "button", 75, 25, c.state);
    ASSERT_EQ(b.Width(), 75);
    ASSERT_EQ(b.Height(), 22);  // width only: the skin rectangle's height
    EXPECT_EQ(b.At(0, 0), SkinAt(c.corner.x, c.corner.y)) << int(c.state);
    EXPECT_EQ(b.At(74, 21), SkinAt(c.corner.x + 41, c.corner.y + 21)) << int(c.state);
  }
}

TEST_F(SkinDrawTest, ThePanelIsDrawnAsFramePiecesAroundItsClientTexture) {
  const PixelBitmap b = DrawSkinSection(data, "panel", 826, 57, TskDrawState::kNormal);
  ASSERT_EQ(b.Width(), 826);
  ASSERT_EQ(b.Height(), 57);
  EXPECT_EQ(b.At(825, 56), SkinAt(199, 55));
  EXPECT_EQ(b.At(2 + 55, 2), SkinAt(141 + 2, 4 + 2));
}

TEST_F(SkinDrawTest, TheMemoIsDrawnAsTheMemoDrawsItself) {
  const PixelBitmap b = DrawSkinSection(data, "memo", 183, 264, TskDrawState::kNormal);
  ASSERT_EQ(b.Width(), 183);
  ASSERT_EQ(b.Height(), 264);
  EXPECT_EQ(b.At(0, 0), SkinAt(67, 130));
  EXPECT_EQ(b.At(182, 263), SkinAt(125, 181));
}

TEST_F(SkinDrawTest, SectionsWithoutAPictureAreErrors) {
  for (const char* section : {"nosuchsection", "listview", "Button"}) {
    EXPECT_THROW(DrawSkinSection(data, section, 10, 10, TskDrawState::kNormal), FormatError)
        << section;
  }
}

TEST_F(SkinDrawTest, TheCommandWritesTheBitmapAndRefusesBadArguments) {
  testing::TempDir dir;
  const std::string out = dir.Str() + "b.bmp";
  ASSERT_EQ(Run({"button", "75", "25", "pressed", out}), 0);
  const SkinPicture written = DecodeBmp(ReadFileBytes(out));
  EXPECT_EQ(written.bitmap, DrawSkinSection(data, "button", 75, 25, TskDrawState::kPressed));
  ASSERT_EQ(Run({"--package", VL_CARRIED_SKIN_PACKAGE, "label", "50", "30", out}), 0);
  EXPECT_EQ(DecodeBmp(ReadFileBytes(out)).bitmap.Height(), 19);

  std::string err;
  for (std::vector<std::string> bad :
       std::vector<std::vector<std::string>>{{"button", "75", "25"},
                                             {"button", "0", "25", out},
                                             {"button", "75", "x", out},
                                             {"button", "75", "25", "glowing", out},
                                             {"--package"}}) {
    EXPECT_EQ(Run(bad, &err), 2);
    EXPECT_NE(err.find("usage"), std::string::npos);
  }
  EXPECT_EQ(Run({"nosuchsection", "10", "10", out}, &err), 1);
  EXPECT_NE(err.find("no section \"nosuchsection\""), std::string::npos) << err;
  EXPECT_EQ(Run({"--package", dir.Str() + "missing.skin", "button", "10", "10", out}), 1);
}

}  // namespace
}  // namespace vl
