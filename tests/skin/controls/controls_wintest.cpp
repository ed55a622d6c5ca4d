// The skinned controls in their default look, driven with messages: the button's clicks and
// looks, the list and the editor without scroll bars, the list's own header, the panel's frame
// and client area.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/form_win.h"
#include "skin/controls/skin_button_win.h"
#include "skin/controls/skin_label_win.h"
#include "skin/controls/skin_listview_win.h"
#include "skin/controls/skin_memo_win.h"
#include "skin/controls/skin_panel_win.h"
#include "skin/data/skin_data.h"
#include "support/gui_test_win.h"

namespace vl {
namespace {

class SkinControlsTest : public testing::SeamsFixture {
 protected:
  SkinControlsTest() : form(nullptr) {
    form.SetClientSize(500, 400);
    form.Show();
  }
  ~SkinControlsTest() override { form.Release(); }

  TskSkinButton* MakeButton() {
    auto* button = new TskSkinButton(&form);
    button->SetBounds(10, 10, 57, 55);
    button->SetParent(&form);
    button->OnClick = [this] { ++clicks; };
    return button;
  }
  COLORREF PixelOf(TWinControl* control, int x, int y) {
    control->Repaint();
    HDC dc = GetDC(control->Handle());
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(control->Handle(), dc);
    return c;
  }

  TForm form;
  int clicks = 0;
};

TEST_F(SkinControlsTest, AMouseClickCountsOnlyWhenReleasedOverTheButton) {
  TskSkinButton* button = MakeButton();
  const HWND h = button->Handle();
  SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(button->Look(), TButtonLook::kHot);
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(button->Focused());
  EXPECT_EQ(button->Look(), TButtonLook::kPressed);
  EXPECT_EQ(PixelOf(button, 0, 0), RGB(0, 0, 128));
  EXPECT_EQ(PixelOf(button, 30, 3), RGB(133, 147, 181));

  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 5));
  EXPECT_EQ(button->Look(), TButtonLook::kHot);  // focused, but no longer pressed
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
  EXPECT_EQ(clicks, 0);

  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 5));
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(6, 6));
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->Down());
}

TEST_F(SkinControlsTest, SpaceClicksOnReleaseAndEnterClicksAtOnce) {
  TskSkinButton* button = MakeButton();
  button->SetFocus();
  const HWND h = button->Handle();
  SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(button->Look(), TButtonLook::kPressed);
  EXPECT_EQ(clicks, 0);
  SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 1);
  SendMessageW(h, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(clicks, 2);
  // A Space released without having been pressed here does not click.
  SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 2);
}

TEST_F(SkinControlsTest, ADisabledButtonLooksPlainAndIgnoresTheMouse) {
  TskSkinButton* button = MakeButton();
  EXPECT_EQ(PixelOf(button, 0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(button, 30, 3), ColorToRGB(clBtnFace));
  button->SetEnabled(false);
  testing::Click(button->Handle());
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(PixelOf(button, 30, 3), ColorToRGB(clBtnFace));
}

TEST_F(SkinControlsTest, APanelFramesItselfAndAlignsChildrenInsideTheFrame) {
  auto* panel = new TskSkinPanel(&form);
  panel->SetBounds(0, 0, 300, 57);
  panel->SetAlign(TAlign::alTop);
  panel->SetParent(&form);
  auto* label = new TskSkinLabel(&form);
  label->SetCaption("KeyWords:");
  label->SetAlign(TAlign::alClient);
  label->SetParent(panel);
  EXPECT_EQ(panel->AlignRect(), (TRect{1, 1, 499, 56}));
  EXPECT_EQ(label->BoundsRect(), (TRect{1, 1, 499, 56}));
  EXPECT_EQ(PixelOf(panel, 0, 0), ColorToRGB(clBtnShadow));
  panel->SetBorderStyle(TskBorderStyle::bvNone);
  EXPECT_EQ(label->BoundsRect(), (TRect{0, 0, 500, 57}));
}

TEST_F(SkinControlsTest, APanelRepaintsItsFrameWheneverItsSizeChanges) {
  auto* panel = new TskSkinPanel(&form);
  panel->SetBounds(0, 0, 300, 57);
  panel->SetParent(&form);
  const HWND h = panel->Handle();
  UpdateWindow(h);
  // Read what is on screen after the platform's own repaint, without asking for one.
  auto on_screen = [h](int x, int y) {
    UpdateWindow(h);
    HDC dc = GetDC(h);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(h, dc);
    return c;
  };
  struct Step {
    int width;
    int old_edge;  // the right frame column before the change
  } steps[] = {{400, 299}, {200, 399}, {350, 199}};
  for (const auto& s : steps) {
    panel->SetWidth(s.width);
    EXPECT_EQ(on_screen(s.width - 1, 30), ColorToRGB(clBtnShadow)) << s.width;
    if (s.old_edge < s.width - 1) {
      EXPECT_EQ(on_screen(s.old_edge, 30), ColorToRGB(clBtnFace)) << s.width;
    }
  }
}

TEST_F(SkinControlsTest, TheListShowsNoScrollBarAndScrollsWithWheelAndKeys) {
  auto* list = new TskSkinListView(&form);
  list->AddColumn("FileName", 180);
  list->SetAlign(TAlign::alClient);
  list->SetParent(&form);
  list->OnData = [](int row, std::vector<std::string>& texts) {
    texts = {"row " + std::to_string(row)};
  };
  list->SetItemCount(1000);
  testing::Pump();
  const HWND h = list->Handle();
  RECT window, client;
  GetWindowRect(h, &window);
  GetClientRect(h, &client);
  EXPECT_EQ(client.right, window.right - window.left);
  EXPECT_EQ(client.bottom, window.bottom - window.top);
  EXPECT_EQ(GetWindowLongW(h, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);

  SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), MAKELPARAM(10, 10));
  const int after_wheel = list->TopIndex();
  EXPECT_GT(after_wheel, 0);
  list->SetFocus();
  list->SetItemIndex(0);
  SendMessageW(h, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_GT(list->ItemIndex(), 0);
  SendMessageW(h, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(list->ItemIndex(), 999);
  EXPECT_GT(list->TopIndex(), 900);
  EXPECT_EQ(GetWindowLongW(h, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
  GetClientRect(h, &client);
  EXPECT_EQ(client.right, window.right - window.left);
}

TEST_F(SkinControlsTest, TheListDrawsItsHeaderFlatAndPressedAndSpansTheWholeList) {
  auto* list = new TskSkinListView(&form);
  list->AddColumn("FileName", 180);
  list->AddColumn("FilePath", 200);
  list->SetAlign(TAlign::alClient);
  list->SetParent(&form);
  testing::Pump();
  const HWND header = list->Header().Handle();
  ASSERT_EQ(header, ListView_GetHeader(list->Handle()));
  RECT rc;
  GetClientRect(header, &rc);
  EXPECT_EQ(rc.right, list->ClientWidth() + 25);
  const int mid = rc.bottom / 2;
  auto pixel = [header](int x, int y) {
    UpdateWindow(header);
    HDC dc = GetDC(header);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(header, dc);
    return c;
  };
  const COLORREF face = ColorToRGB(clBtnFace);
  const COLORREF shadow = ColorToRGB(clBtnShadow);
  struct Probe {
    int x, y;
    COLORREF normal, pressed;  // while the first section is held down
  } probes[] = {
      {0, mid, shadow, RGB(0, 0, 128)},
      {2, 2, face, RGB(133, 147, 181)},
      {179, mid, shadow, RGB(0, 0, 128)},
      {180, mid, shadow, shadow},
      {182, 2, face, face},
      {379, mid, shadow, shadow},
      {380, 0, shadow, shadow},
      {440, mid, face, face},
      {440, rc.bottom - 1, shadow, shadow},
  };
  for (const auto& p : probes) EXPECT_EQ(pixel(p.x, p.y), p.normal) << p.x << "," << p.y;

  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(90, mid));
  EXPECT_EQ(list->Header().PressedSection(), 0);
  for (const auto& p : probes) EXPECT_EQ(pixel(p.x, p.y), p.pressed) << p.x << "," << p.y;
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(300, mid));
  EXPECT_EQ(list->Header().PressedSection(), -1);
  for (const auto& p : probes) EXPECT_EQ(pixel(p.x, p.y), p.normal) << p.x << "," << p.y;

  // On a divider the header resizes the column and no section looks pressed.
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(180, mid));
  EXPECT_EQ(list->Header().PressedSection(), -1);
  SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, mid));
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(150, mid));
  EXPECT_EQ(list->ColumnWidth(0), 150);
  EXPECT_EQ(pixel(149, mid), shadow);
  EXPECT_EQ(pixel(151, 2), face);

  // Scrolled sideways and back, the header still ends 25 pixels past the list's right edge.
  list->AddColumn("FileType", 400);
  list->SetItemCount(3);
  for (int dx : {40, 40, 40, -120}) {
    ListView_Scroll(list->Handle(), dx, 0);
    RECT at;
    GetWindowRect(header, &at);
    MapWindowPoints(nullptr, list->Handle(), reinterpret_cast<POINT*>(&at), 2);
    EXPECT_EQ(at.right, list->ClientWidth() + 25) << dx;
  }
}

TEST_F(SkinControlsTest, TheEditorHasItsOwnFrameNoScrollBarAndScrollsALineANotch) {
  auto* memo = new TskSkinMemo(&form);
  memo->SetBounds(0, 0, 183, 100);
  memo->SetParent(&form);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\r\n";
  memo->SetText(text);
  EXPECT_EQ(memo->Text(), text);
  const HWND h = memo->Handle();
  RECT client;
  GetClientRect(h, &client);
  EXPECT_EQ(client.right, 183);
  EXPECT_EQ(client.bottom, 100);
  EXPECT_EQ(memo->TextRect(), (TRect{3, 2, 179, 98}));

  SendMessageW(h, EM_SETSEL, 0, 0);
  SendMessageW(h, EM_SCROLLCARET, 0, 0);
  SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-3 * WHEEL_DELTA)), 0);
  EXPECT_EQ(memo->FirstVisibleLine(), 1);
  SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
  EXPECT_EQ(memo->FirstVisibleLine(), 2);
  SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(memo->FirstVisibleLine(), 1);

  memo->Repaint();
  EXPECT_EQ(PixelOf(memo, 0, 50), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(memo, 1, 50), ColorToRGB(clBtnFace));
}

class SilentNotifier : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned) override {}
};

TEST_F(SkinControlsTest, ControlsForgetASkinDataObjectThatIsDestroyed) {
  SilentNotifier notifier;
  auto* skin = new TskSkinData(nullptr, notifier);
  auto* panel = new TskSkinPanel(&form);
  auto* list = new TskSkinListView(&form);
  auto* memo = new TskSkinMemo(&form);
  TskSkinnable* holders[] = {panel, list, memo};
  for (TskSkinnable* h : holders) h->SetSkinData(skin);
  EXPECT_EQ(panel->SkinDataName(), "panel");
  EXPECT_EQ(list->SkinDataName(), "listview");
  EXPECT_EQ(memo->SkinDataName(), "memo");
  delete skin;
  for (TskSkinnable* h : holders) EXPECT_EQ(h->SkinData(), nullptr);
}

}  // namespace
}  // namespace vl
