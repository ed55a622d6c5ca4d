// The panel and the label drawn from the carried skin: their sizes under the skin's size rules,
// the frame pieces and client texture against the skin picture, the client area the children
// share, and the default look whenever the skin is not there.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/skin_label_win.h"
#include "skin/controls/skin_panel_win.h"
#include "support/carried_skin_fixture.h"

namespace vl {
namespace {

// The carried skin's `panel` and `label` sections, both in picture 4.
constexpr int kPicture = 4;
constexpr TRect kPanelRect{141, 4, 200, 56};
constexpr TRect kLabelRect{98, 10, 134, 29};

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
};

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
