// The panel and the label drawn from the carried skin: their sizes under the skin's size rules,
// the frame pieces and client texture against the skin picture, the client area the children
// share, and the default look whenever the skin is not there.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/controls/skin_label_win.h"
#include "skin/controls/skin_panel_win.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"
#include "support/carried_skin_fixture.h"

namespace vl {
namespace {

// The carried skin's `panel` and `label` sections, both in picture 4.
constexpr int kPicture = 4;
constexpr TRect kPanelRect{141, 4, 200, 56};
constexpr TRect kLabelRect{98, 10, 134, 29};

// A small skin of panel sections on one 20 x 20 frame whose client (4,4 - 16,16) has a colour
// of its own, with a one-colour background picture and an all-inside mask.
constexpr Pixel kFrame = MakePixel(200, 30, 30);
constexpr Pixel kClient = MakePixel(30, 200, 30);
constexpr Pixel kBack = MakePixel(30, 30, 200);

Bytes PanelTestPackage() {
  const std::string free_points =
      "lefttoppoint=4,4\r\nrighttoppoint=16,4\r\nleftbottompoint=4,16\r\n"
      "rightbottompoint=16,16\r\n";
  const std::pair<const char*, std::string> sections[] = {
      {"bg:panel", free_points + "bgpictureindex=1\r\n"},
      {"bgwide:panel", "lefttoppoint=4,4\r\nrighttoppoint=16,4\r\nbgpictureindex=1\r\n"},
      {"masked:panel", free_points + "maskpictureindex=2\r\n"},
      {"captioned:panel", free_points + "captionrect=4,4,16,16\r\n"},
      {"notapanel:label", free_points},
  };
  std::string text =
      "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\npicture=main.bmp\r\nactivepicturescount=3\r\n"
      "[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=5\r\n";
  for (int i = 0; i < 5; ++i) text += std::to_string(i) + "=" + sections[i].first + "\r\n";
  for (const auto& [entry, keys] : sections) {
    const std::string name(entry, std::string(entry).find(':'));
    text +=
        "[" + name + "]\r\npictureindex=0\r\nskinrect=0,0,20,20\r\nclientrect=4,4,16,16\r\n" + keys;
  }
  PixelBitmap frame(20, 20, kFrame);
  for (int y = 4; y < 16; ++y) {
    for (int x = 4; x < 16; ++x) frame.At(x, y) = kClient;
  }
  SkinPackageContents c;
  c.picture = {PixelBitmap(4, 4), 24, {}};
  c.active_pictures = {
      {frame, 24, {}}, {PixelBitmap(8, 8, kBack), 24, {}}, {PixelBitmap(20, 20, 0), 24, {}}};
  c.text = text;
  return DeflateZlib(WriteInnerPackage(c));
}

class PanelLabelTest : public testing::CarriedSkinFixture {
 protected:
  TskSkinPanel* MakePanel(bool skinned) {
    auto* panel = new TskSkinPanel(&form);
    panel->SetBounds(0, 0, 826, 57);
    panel->SetParent(&form);
    if (skinned) panel->SetSkinData(skin_data);
    return panel;
  }
  TskSkinLabel* MakeLabel(TWinControl* parent, bool use_skin_size) {
    auto* label = new TskSkinLabel(&form);
    label->SetCaption("KeyWords:");
    label->SetAlignment(TAlignment::taCenter);
    label->SetUseSkinSize(use_skin_size);
    label->SetBounds(0, 0, 120, 55);
    label->SetAlign(TAlign::alLeft);
    label->SetParent(parent);
    label->SetSkinData(skin_data);
    return label;
  }
  TskSkinData* PanelTestSkin() {
    auto* data = new TskSkinData(&form, TopLevelFormNotifier());
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(PanelTestPackage());
    data->LoadPackage(stored);
    EXPECT_FALSE(data->Empty());
    return data;
  }
  TskSkinPanel* TestPanel(TskSkinData* data, const char* section, TskBorderStyle border) {
    auto* panel = new TskSkinPanel(&form);
    panel->SetBorderStyle(border);
    panel->SetSkinDataName(section);
    panel->SetBounds(0, 300, 100, 60);
    panel->SetParent(&form);
    panel->SetSkinData(data);
    return panel;
  }
  static TRect ChildArea(TskSkinPanel* panel) {
    auto* child = new TskSkinPanel(panel);
    child->SetAlign(TAlign::alClient);
    child->SetParent(panel);
    const TRect area = child->BoundsRect();
    delete child;
    return area;
  }
};

TEST_F(PanelLabelTest, ThePanelsPictureAndClientAreaFollowItsBorderAndBackground) {
  TskSkinData* data = PanelTestSkin();
  struct Case {
    const char* section;
    TskBorderStyle border;
    Pixel corner, middle;
    TRect children;
  } cases[] = {
      // The frame pieces around the client texture, the children in the sized client.
      {"masked", TskBorderStyle::bvFrame, kFrame, kClient, {4, 4, 96, 56}},
      // Without a border the client texture covers everything, background picture or not.
      {"masked", TskBorderStyle::bvNone, kClient, kClient, {0, 0, 100, 60}},
      {"bg", TskBorderStyle::bvNone, kClient, kClient, {0, 0, 100, 60}},
      // A background picture replaces the frame whatever the size rule.
      {"bg", TskBorderStyle::bvFrame, kBack, kBack, {0, 0, 100, 60}},
      {"bgwide", TskBorderStyle::bvFrame, kBack, kBack, {0, 0, 100, 20}},
  };
  for (const auto& c : cases) {
    TskSkinPanel* panel = TestPanel(data, c.section, c.border);
    EXPECT_EQ(ScreenPixel(panel, 0, 0), PixelToColor(c.corner)) << c.section;
    EXPECT_EQ(ScreenPixel(panel, 50, 10), PixelToColor(c.middle)) << c.section;
    EXPECT_EQ(ChildArea(panel), c.children) << c.section;
    delete panel;
  }
}

TEST_F(PanelLabelTest, APanelGivenAnotherControlsSectionKeepsItsSizeAndDefaultLook) {
  TskSkinPanel* panel = TestPanel(PanelTestSkin(), "notapanel", TskBorderStyle::bvFrame);
  EXPECT_EQ(panel->BoundsRect(), (TRect{0, 300, 100, 360}));
  EXPECT_EQ(ScreenPixel(panel, 0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(ScreenPixel(panel, 50, 10), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ChildArea(panel), (TRect{1, 1, 99, 59}));
}

TEST_F(PanelLabelTest, TheMaskShapeGoesWithTheSkinData) {
  TskSkinData* data = PanelTestSkin();
  TskSkinPanel* panel = TestPanel(data, "masked", TskBorderStyle::bvFrame);
  ASSERT_TRUE(panel->HasWindowRegion());
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(panel->Handle(), probe), ERROR);
  delete data;
  EXPECT_FALSE(panel->HasWindowRegion());
  EXPECT_EQ(GetWindowRgn(panel->Handle(), probe), ERROR);
  DeleteObject(probe);
  EXPECT_EQ(ScreenPixel(panel, 0, 0), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(PanelLabelTest, ASkinnedCaptionIsRedrawnWhenTheTextChanges) {
  TskSkinPanel* panel = TestPanel(PanelTestSkin(), "captioned", TskBorderStyle::bvFrame);
  ASSERT_FALSE(panel->CaptionMode());
  for (const char* section : {"captioned", "masked"}) {
    panel->SetSkinDataName(section);
    panel->Repaint();
    ValidateRect(panel->Handle(), nullptr);
    panel->SetCaption(std::string("Text of ") + section);
    // Only the section with a caption rectangle shows the text.
    EXPECT_EQ(GetUpdateRect(panel->Handle(), nullptr, FALSE) != FALSE,
              std::string(section) == "captioned");
  }
}

TEST_F(PanelLabelTest, EveryCaptionFontTakesTheSkinsCharacterSet) {
  TskSkinPanel* panel = MakePanel(true);
  TskSkinLabel* label = MakeLabel(panel, false);
  const BYTE own = label->DefaultFont().Charset();
  auto* strings = new TskResourceStrData(&form);
  strings->CharSet = own == 134 ? 128 : 134;
  skin_data->SetResourceStrData(strings);
  for (const bool skin_font : {true, false}) {
    label->SetUseSkinFont(skin_font);
    EXPECT_EQ(label->CaptionFont().Charset(), strings->CharSet) << skin_font;
    label->SetSkinDataName("nosuch");  // the default look, still in the skin's texts
    label->Repaint();
    EXPECT_EQ(label->CaptionFont().Charset(), strings->CharSet) << skin_font;
    label->SetSkinDataName("label");
    label->Repaint();
  }
  label->SetSkinData(nullptr);
  EXPECT_EQ(label->CaptionFont().Charset(), own);
}

TEST_F(PanelLabelTest, TheLabelPaintsItselfOnABackgroundEraseOutsideItsPaint) {
  TskSkinPanel* panel = MakePanel(true);
  TskSkinLabel* label = MakeLabel(panel, false);
  TBitmap bitmap(label->Width(), label->Height());
  bitmap.Canvas().FillRect({0, 0, label->Width(), label->Height()}, RGB(255, 0, 255));
  SendMessageW(label->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap.DC()), 0);
  GdiFlush();
  EXPECT_EQ(PixelToColor(bitmap.ToPixels().At(0, 0)),
            SkinPixel(kPicture, kLabelRect.left, kLabelRect.top));
}

TEST_F(PanelLabelTest, ThePanelAlignsItsChildrenInTheSkinsClientRectangleOrInsideItsFrame) {
  for (bool skinned : {true, false}) {
    TskSkinPanel* panel = MakePanel(skinned);
    auto* child = new TskSkinPanel(&form);
    child->SetAlign(TAlign::alClient);
    child->SetParent(panel);
    EXPECT_EQ(child->BoundsRect(), skinned ? (TRect{2, 2, 824, 55}) : (TRect{1, 1, 825, 56}));
    EXPECT_EQ(panel->DefinitionIndex() != -1, skinned);
  }
}

TEST_F(PanelLabelTest, ThePanelsFramePiecesAndClientComeFromTheSkinPicture) {
  TskSkinPanel* panel = MakePanel(true);
  const int w = panel->Width(), h = panel->Height();
  const int sw = kPanelRect.Width(), sh = kPanelRect.Height();
  struct Case {
    int x, y;    // on the panel
    int sx, sy;  // in the skin rectangle
  } cases[] = {
      {0, 0, 0, 0},                    // top-left corner
      {w - 1, 0, sw - 1, 0},           // top-right corner
      {0, h - 1, 0, sh - 1},           // bottom-left corner
      {w - 1, h - 1, sw - 1, sh - 1},  // bottom-right corner
      {1, 1, 1, 1},
      {w - 2, h - 2, sw - 2, sh - 2},
      // The client texture (client 2,2 - 57,50) repeats from the client's corner.
      {2, 2, 2, 2},
      {2 + 55, 2, 2, 2},
      {2 + 55 + 3, 2 + 4, 2 + 3, 2 + 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScreenPixel(panel, c.x, c.y),
              SkinPixel(kPicture, kPanelRect.left + c.sx, kPanelRect.top + c.sy))
        << c.x << "," << c.y;
  }
}

TEST_F(PanelLabelTest, WithoutTheSkinThePanelIsButtonFaceInAShadowFrame) {
  TskSkinPanel* panel = MakePanel(true);
  EXPECT_NE(ScreenPixel(panel, 0, 0), GetSysColor(COLOR_BTNSHADOW));
  delete skin_data;  // the control forgets it and every picture of it
  skin_data = nullptr;
  EXPECT_EQ(panel->SkinData(), nullptr);
  EXPECT_EQ(panel->DefinitionIndex(), -1);
  EXPECT_EQ(ScreenPixel(panel, 0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(ScreenPixel(panel, 10, 10), GetSysColor(COLOR_BTNFACE));
}

TEST_F(PanelLabelTest, ASectionNameDifferingInLetterCaseFindsNothing) {
  TskSkinPanel* panel = MakePanel(false);
  panel->SetSkinDataName("Panel");
  panel->SetSkinData(skin_data);
  EXPECT_EQ(panel->DefinitionIndex(), -1);
  EXPECT_EQ(ScreenPixel(panel, 0, 0), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(PanelLabelTest, TheLabelTakesTheSkinHeightOnlyWhenItUsesTheSkinSize) {
  TskSkinPanel* panel = MakePanel(true);
  TskSkinLabel* stretched = MakeLabel(panel, false);
  EXPECT_EQ(stretched->BoundsRect(), (TRect{2, 2, 122, 55}));  // 120 x 53 in the client area
  auto* sized = new TskSkinLabel(&form);
  sized->SetBounds(0, 100, 183, 39);
  sized->SetParent(&form);
  sized->SetSkinData(skin_data);
  EXPECT_EQ(sized->Height(), kLabelRect.Height());
  EXPECT_EQ(sized->Width(), 183);
  sized->SetSkinData(nullptr);
  sized->SetBounds(0, 100, 183, 39);
  EXPECT_EQ(sized->Height(), 39);
}

TEST_F(PanelLabelTest, TheStretchedLabelKeepsTheSkinCornersAndItsCaption) {
  TskSkinPanel* panel = MakePanel(true);
  TskSkinLabel* label = MakeLabel(panel, false);
  const int w = label->Width(), h = label->Height();
  const int sw = kLabelRect.Width(), sh = kLabelRect.Height();
  EXPECT_EQ(ScreenPixel(label, 0, 0), SkinPixel(kPicture, kLabelRect.left, kLabelRect.top));
  EXPECT_EQ(ScreenPixel(label, w - 1, h - 1),
            SkinPixel(kPicture, kLabelRect.left + sw - 1, kLabelRect.top + sh - 1));
  // The caption is drawn in the skin's font colour (black) in the middle of the label.
  int ink = 0;
  label->Repaint();
  HDC dc = GetDC(label->Handle());
  for (int x = 20; x < w - 20; ++x) {
    for (int y = h / 2 - 6; y < h / 2 + 6; ++y) ink += GetPixel(dc, x, y) == RGB(0, 0, 0);
  }
  ReleaseDC(label->Handle(), dc);
  EXPECT_GT(ink, 10);
}

TEST_F(PanelLabelTest, AMoveWithoutASizeChangeStillMovesASkinnedControl) {
  auto* label = new TskSkinLabel(&form);
  label->SetBounds(10, 200, 60, 40);
  label->SetParent(&form);
  label->SetSkinData(skin_data);
  const TRect sized = label->BoundsRect();
  label->SetBounds(30, 250, sized.Width(), sized.Height());
  EXPECT_EQ(label->BoundsRect(), sized.Offset(20, 50));
  RECT rc;
  GetWindowRect(label->Handle(), &rc);
  MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&rc), 2);
  EXPECT_EQ(rc.left, 30);
  EXPECT_EQ(rc.top, 250);
}

TEST_F(PanelLabelTest, AnAutoSizedLabelFollowsItsTextUnlessAlignedAcross) {
  auto* label = new TskSkinLabel(&form);
  label->SetBounds(10, 200, 40, 21);
  label->SetParent(&form);
  label->SetSkinData(skin_data);
  label->SetAutoSize(true);
  label->SetCaption("a much longer caption than forty pixels");
  const int grown = label->Width();
  EXPECT_GT(grown, 100);
  label->SetCaption("short");
  EXPECT_LT(label->Width(), grown);
  label->SetAlign(TAlign::alTop);
  const int across = label->Width();
  label->SetCaption("a much longer caption than forty pixels, and then some more");
  EXPECT_EQ(label->Width(), across);
}

TEST_F(PanelLabelTest, ASkinChangeWhileShownGoesToTheDefaultLookAndBack) {
  TskSkinPanel* panel = MakePanel(true);
  const COLORREF skinned = ScreenPixel(panel, 0, 0);
  // Before the change nothing may be drawn from the pictures being replaced.
  SendMessageW(form.Handle(), SKN_BEFORECHANGE, reinterpret_cast<WPARAM>(skin_data),
               kSkinMessageTag);
  EXPECT_EQ(panel->DefinitionIndex(), -1);
  SendMessageW(form.Handle(), SKN_CHANGE, reinterpret_cast<WPARAM>(skin_data), kSkinMessageTag);
  EXPECT_NE(panel->DefinitionIndex(), -1);
  EXPECT_EQ(ScreenPixel(panel, 0, 0), skinned);
  // Loading the package again announces it through the window, which relays it.
  skin_data->LoadPackage(skin_list->Skins().Item(0).StoredSkin());
  EXPECT_NE(panel->DefinitionIndex(), -1);
  EXPECT_EQ(ScreenPixel(panel, 0, 0), skinned);
  // A message from a skin data the panel does not draw from changes nothing.
  SendMessageW(form.Handle(), SKN_BEFORECHANGE, 12345, kSkinMessageTag);
  EXPECT_NE(panel->DefinitionIndex(), -1);
}

TEST_F(PanelLabelTest, AFailedSkinLoadLeavesTheDefaultLook) {
  TskSkinPanel* panel = MakePanel(true);
  TskCompressedStoredSkin broken(nullptr);
  broken.SetCompressedData({'n', 'o', 't', ' ', 'z', 'l', 'i', 'b'});
  EXPECT_ANY_THROW(skin_data->LoadPackage(broken));
  EXPECT_TRUE(skin_data->Empty());
  EXPECT_EQ(panel->DefinitionIndex(), -1);
  EXPECT_EQ(ScreenPixel(panel, 0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(ScreenPixel(panel, 20, 20), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
}  // namespace vl
