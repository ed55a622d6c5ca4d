// The skinned menu bar under Wine: its size and pictures against the carried skin, the pointer,
// the clicks and the keyboard operations, with a menu host of the test's own that records what
// the bar asks of it and answers as the window's frame does.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

#include "framework/menu_win.h"
#include "skin/controls/menu_host.h"
#include "skin/controls/menu_session_win.h"
#include "skin/controls/skin_menu_bar_win.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"
#include "skin/paint/effects.h"
#include "skin/paint/fitting.h"
#include "support/carried_skin_fixture.h"
#include "support/pump_win.h"

namespace vl {
namespace {

using testing::MovePointerTo;
using testing::PumpFor;
using testing::PumpUntil;

// A frame stand-in: a real menu session over a chain that only records what it is asked to
// show, and that tells the session when it ends, as the window does.
class FakeHost : public TComponent, public TskMenuHost, private TskMenuChain {
 public:
  explicit FakeHost(TComponent* owner) : TComponent(owner), session_(*this) {
    session_.OnPopupOpen = [this] { ++opened; };
    session_.OnBarEnter = [this] { ++entered; };
    session_.OnBarExit = [this] { ++left; };
  }
  struct Show {
    TskSkinData* skin;
    bool up;
    std::vector<TMenuItem*> items;
    TRect anchor;
  };

  TskMenuSession& MenuSession() override { return session_; }
  TskSkinData* MenusSkinData() const override { return nullptr; }
  void SetBar(TskSkinMainMenuBar* bar) { session_.SetBar(bar); }
  bool Visible() const override { return visible_; }
  bool SkinOpen() const { return session_.PopupOpen(); }
  bool MenuMode() const { return session_.BarSelected(); }
  void CloseMenus() { session_.End(); }
  void LeaveMenuMode() { session_.LeaveBar(); }
  // Esc on the open popup in menu mode, through the session's key handling.
  void EscapeInMenuMode() {
    MSG msg{};
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_ESCAPE;
    session_.FilterMessage(msg);
  }

  std::vector<Show> shows;
  int opened = 0, entered = 0, left = 0;

 private:
  void ShowChain(TWinControl* asker, TskSkinData* skin_data, bool popup_up,
                 const std::vector<TMenuItem*>& items, const TRect& anchor,
                 std::function<void()>) override {
    EXPECT_EQ(asker, nullptr);
    EXPECT_FALSE(visible_) << "a chain was still open";
    shows.push_back({skin_data, popup_up, items, anchor});
    visible_ = !items.empty();
  }
  void CloseFrom(int) override { visible_ = false; }
  void CloseAll() override {
    if (!visible_) return;
    visible_ = false;
    session_.ChainEnded();
  }
  int LevelCount() const override { return visible_ ? 1 : 0; }
  bool KeyDown(WPARAM key) override {
    if (key != VK_ESCAPE || !visible_) return false;
    visible_ = false;
    return true;
  }
  bool TopmostActiveHasChildren() const override { return false; }

  TskMenuSession session_;
  bool visible_ = false;
};

// A skin whose item looks are plain colours: normal, hot and down down the left column, three
// animation frames beside the normal look, and the bar's background below them.
constexpr Pixel kNormal = MakePixel(200, 200, 200);
constexpr Pixel kHot = MakePixel(40, 120, 220);
constexpr Pixel kDown = MakePixel(20, 60, 110);
constexpr Pixel kFrames[] = {MakePixel(255, 0, 0), MakePixel(0, 255, 0), MakePixel(0, 0, 255)};

Bytes EffectsPackage() {
  PixelBitmap p(160, 82, MakePixel(250, 250, 250));
  auto fill = [&p](TRect r, Pixel c) {
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) p.At(x, y) = c;
    }
  };
  fill({0, 0, 40, 20}, kNormal);
  fill({0, 20, 40, 40}, kHot);
  fill({0, 40, 40, 60}, kDown);
  for (int k = 0; k < 3; ++k) fill({40 + 40 * k, 0, 80 + 40 * k, 20}, kFrames[k]);
  const std::string item =
      "activepictureindex=0\r\nskinrect=0,0,40,20\r\nactiveskinrect=0,20,40,40\r\n"
      "downrect=0,40,40,60\r\ntextrect=4,3,36,20\r\nitemleftoffset=5\r\nitemrightoffset=5\r\n";
  const std::string bar =
      "pictureindex=0\r\nskinrect=0,60,40,82\r\nitemsrect=2,1,38,21\r\nmenubaritem=";
  SkinPackageContents c;
  c.picture = {PixelBitmap(4, 4), 24, {}};
  c.active_pictures = {{p, 24, {}}};
  c.text =
      "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\npicture=main.bmp\r\nactivepicturescount=1\r\n"
      "[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=2\r\n0=morphitem:mainmenubaritem\r\n"
      "1=animitem:mainmenubaritem\r\n[SKINCONTROLS]\r\ncount=2\r\n0=morphbar:mainmenubar\r\n"
      "1=animbar:mainmenubar\r\n[morphitem]\r\n" +
      item + "morphing=1\r\nmorphkind=mkdefault\r\n[animitem]\r\n" + item +
      "animateskinrect=40,0,160,20\r\nframecount=3\r\nanimateinterval=60\r\n[morphbar]\r\n" + bar +
      "morphitem\r\n[animbar]\r\n" + bar + "animitem\r\n";
  return DeflateZlib(WriteInnerPackage(c));
}

class MenuBarTest : public testing::CarriedSkinFixture {
 protected:
  MenuBarTest() : menu(&form) {
    file = new TMenuItem(&form, &menu, "&File");
    open = new TMenuItem(&form, file, "&Open");
    new TMenuItem(&form, file, "E&xit");
    config = new TMenuItem(&form, &menu, "&Config");
    new TMenuItem(&form, config, "&Settings");
    help = new TMenuItem(&form, &menu, "&Help");
    new TMenuItem(&form, help, "&About");
    run = new TMenuItem(&form, &menu, "&Run");
    run->OnClick = [this] { ++runs; };
    run->Hint = L"Runs at once";
    ParkPointer();
  }

  TskSkinMainMenuBar* MakeBar(bool with_host, bool skinned = true, TskSkinData* skin = nullptr,
                              const char* section = "mainmenubar") {
    if (with_host) host = new FakeHost(&form);
    bar = new TskSkinMainMenuBar(&form);
    if (host) host->SetBar(bar);
    bar->SetSkinDataName(section);
    if (skinned) bar->SetSkinData(skin ? skin : skin_data);
    bar->SetMainMenu(&menu);
    bar->SetParent(&form);
    Settle();
    return bar;
  }
  POINT ParkPointer() {
    POINT corner{890, 490};
    ClientToScreen(form.Handle(), &corner);
    SetCursorPos(corner.x, corner.y);
    return corner;
  }
  // The pointer parked away from the bar, and moves that still report an earlier position over it
  // pumped through, so that nothing is lit when a test begins.
  void Settle() {
    MovePointerTo(ParkPointer());
    PumpFor(60);
  }
  // The real pointer over the point of the bar, then the move the platform would send.
  void PointAt(int x, int y) {
    POINT pt{x, y};
    ClientToScreen(bar->Handle(), &pt);
    MovePointerTo(pt);
    SendMessageW(bar->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }
  void PointAtItem(int index) {
    const TRect r = bar->Items()[std::size_t(index)]->Rect();
    PointAt(r.left + 4, r.top + 4);
  }
  void ClickItem(int index) {
    PointAtItem(index);
    const TRect r = bar->Items()[std::size_t(index)]->Rect();
    testing::Click(bar->Handle(), r.left + 4, r.top + 4);
  }
  TRect ScreenRect(const TRect& r) {
    POINT p[2] = {{r.left, r.top}, {r.right, r.bottom}};
    MapWindowPoints(bar->Handle(), nullptr, p, 2);
    return {p[0].x, p[0].y, p[1].x, p[1].y};
  }
  const TskSkinMainMenuBarItem& Item(int index) { return *bar->Items()[std::size_t(index)]; }
  PixelBitmap Capture() {
    TBitmap bitmap(bar->Width(), bar->Height());
    SendMessageW(bar->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap.DC()), PRF_CLIENT);
    GdiFlush();
    return bitmap.ToPixels();
  }
  static int TextWidth(const wchar_t* text) {
    TBitmap measure(1, 1);
    measure.Canvas().SetFont(TFont("Arial", 14));
    return measure.Canvas().TextWidth(text);
  }

  TskSkinData* EffectsSkin() {
    auto* data = new TskSkinData(&form, TopLevelFormNotifier());
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(EffectsPackage());
    data->LoadPackage(stored);
    EXPECT_FALSE(data->Empty());
    return data;
  }
  // The colour of the first item at a point left of its caption.
  Pixel FirstItemLook() { return Capture().At(Item(0).Rect().left + 1, Item(0).Rect().top + 10); }

  TMainMenu menu;
  TMenuItem *file, *open, *config, *help, *run;
  FakeHost* host = nullptr;
  TskSkinMainMenuBar* bar = nullptr;
  int runs = 0;
};

TEST_F(MenuBarTest, TheCarriedSkinSizesTheBarAndPlacesItemsEdgeToEdge) {
  MakeBar(true);
  EXPECT_EQ(bar->Height(), 22);
  EXPECT_EQ(bar->Width(), form.ClientWidth());
  ASSERT_EQ(bar->Items().size(), 4u);
  EXPECT_EQ(Item(0).Rect(), (TRect{2, 1, 2 + TextWidth(L"File") + 11, 21}));
  for (int i = 1; i < 4; ++i) {
    EXPECT_EQ(Item(i).Rect().left, Item(i - 1).Rect().right) << i;
    EXPECT_EQ(Item(i).Rect().Height(), 20) << i;
  }
  EXPECT_FALSE(bar->Overflow());
}

TEST_F(MenuBarTest, BarAndItemPicturesInTheNormalHotAndDownStates) {
  MakeBar(true);
  const PixelBitmap& items_picture = *skin_data->ActivePicture(3);
  const PixelBitmap& bar_picture = *skin_data->ActivePicture(4);
  const PixelBitmap bar_expected =
      PaintThreePartHorz(bar_picture, {67, 106, 117, 128}, 2, 3, false, bar->Width());
  struct Step {
    const char* what;
    std::function<void()> act;
    TRect source;
    bool stretch;
  } steps[] = {
      {"normal", [] {}, {2, 59, 53, 79}, false},
      {"hot", [&] { PointAtItem(0); }, {2, 81, 53, 101}, true},
      {"down", [&] { ClickItem(0); }, {2, 103, 53, 123}, true},
  };
  for (const auto& s : steps) {
    s.act();
    const PixelBitmap shot = Capture();
    const TRect r = Item(0).Rect();
    const PixelBitmap expected =
        PaintThreePartHorz(items_picture, s.source, 5, 5, s.stretch, r.Width());
    // Outside the caption's rectangle the item is the skin's picture, widened.
    for (int y = 0; y < r.Height(); ++y) {
      for (int x = 0; x < r.Width(); ++x) {
        if (x >= 4 && x < r.Width() - 5 && y >= 3) continue;
        ASSERT_EQ(shot.At(r.left + x, r.top + y), expected.At(x, y))
            << s.what << " at " << x << "," << y;
      }
    }
    // The caption is drawn in black inside it.
    bool black = false;
    for (int y = 3; y < 20; ++y) {
      for (int x = 4; x < r.Width() - 5; ++x) black |= shot.At(r.left + x, r.top + y) == 0;
    }
    EXPECT_TRUE(black) << s.what;
    for (int y = 0; y < 22; ++y) {
      for (int x : {0, 1, bar->Width() - 3, bar->Width() - 1}) {
        ASSERT_EQ(shot.At(x, y), bar_expected.At(x, y)) << s.what << " bar at " << x << "," << y;
      }
    }
  }
}

TEST_F(MenuBarTest, HoverLightsOneItemAndLeavingTheBarPutsItOut) {
  MakeBar(true);
  std::vector<TMenuItem*> entered, left;
  bar->OnItemMouseEnter = [&](TMenuItem* m) { entered.push_back(m); };
  bar->OnItemMouseLeave = [&](TMenuItem* m) { left.push_back(m); };
  PointAtItem(1);
  EXPECT_TRUE(Item(1).Hot());
  EXPECT_TRUE(bar->PointerTracking());
  PointAtItem(3);
  EXPECT_FALSE(Item(1).Hot());
  EXPECT_TRUE(Item(3).Hot());
  EXPECT_EQ(bar->Hint(), L"Runs at once");
  Settle();
  EXPECT_FALSE(Item(3).Hot());
  EXPECT_FALSE(bar->PointerTracking());
  // Every entry is left again, and only the two items pointed at were entered (a late report of
  // an earlier pointer position may enter one of them twice).
  ASSERT_FALSE(entered.empty());
  EXPECT_EQ(entered.front(), config);
  EXPECT_EQ(entered.back(), run);
  EXPECT_EQ(left, entered);
  for (TMenuItem* m : entered) EXPECT_TRUE(m == config || m == run);
  EXPECT_TRUE(host->shows.empty());
}

TEST_F(MenuBarTest, AClickOpensTheItemsMenuUnderItAndMovingAlongSwitchesMenus) {
  MakeBar(true);
  ClickItem(0);
  ASSERT_EQ(host->shows.size(), 1u);
  EXPECT_EQ(host->shows[0].skin, skin_data);
  EXPECT_FALSE(host->shows[0].up);
  EXPECT_EQ(host->shows[0].items, file->VisibleItems());
  EXPECT_EQ(host->shows[0].anchor, ScreenRect(Item(0).Rect()));
  EXPECT_EQ(host->opened, 1);
  EXPECT_TRUE(host->MenuMode() && host->SkinOpen());
  EXPECT_TRUE(Item(0).Down());
  EXPECT_TRUE(bar->SelectionKept());

  // No click: the pointer alone moves the open menu to the next item.
  PointAtItem(1);
  ASSERT_GE(host->shows.size(), 2u);
  for (const auto& shown : host->shows) {
    EXPECT_TRUE(shown.items == file->VisibleItems() || shown.items == config->VisibleItems());
  }
  EXPECT_EQ(host->shows.back().items, config->VisibleItems());
  EXPECT_EQ(host->shows.back().anchor, ScreenRect(Item(1).Rect()));
  EXPECT_FALSE(Item(0).Down());
  EXPECT_TRUE(Item(1).Down());
  EXPECT_TRUE(host->MenuMode() && host->SkinOpen() && host->Visible());

  // Off the bar the open item keeps its selection.
  Settle();
  EXPECT_TRUE(Item(1).Down());
  EXPECT_EQ(bar->HoveredIndex(), 1);

  // A command chosen in the menu ends menu mode: nothing stays drawn down or lit.
  host->CloseMenus();
  EXPECT_FALSE(Item(1).Down() || Item(1).Hot());
  EXPECT_FALSE(bar->SelectionKept());
  EXPECT_EQ(bar->HoveredIndex(), -1);
}

// On a short work area the open menu lies over the bar. The pointer over the menu belongs to
// the menu, even where the bar's next item is underneath it.
TEST_F(MenuBarTest, APopupOverTheBarKeepsThePointerFromTheItemsBelow) {
  MakeBar(true);
  ClickItem(0);
  ASSERT_EQ(host->shows.size(), 1u);
  const TRect config_rect = ScreenRect(Item(1).Rect());
  HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"",
                               WS_POPUP | SS_NOTIFY, config_rect.left - 20, config_rect.top - 20,
                               120, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(cover, nullptr);
  ShowWindow(cover, SW_SHOWNA);
  MovePointerTo({config_rect.left + 4, config_rect.top + 4});
  PumpFor(200);
  EXPECT_EQ(host->shows.size(), 1u);
  EXPECT_TRUE(Item(0).Down());
  EXPECT_FALSE(Item(1).Down() || Item(1).Hot());
  DestroyWindow(cover);
  // Off the cover, the bar has the pointer again and moving along switches menus as before.
  PointAtItem(1);
  EXPECT_TRUE(Item(1).Down());
}

TEST_F(MenuBarTest, EscapeInMenuModeLeavesTheItemSelectedAndUp) {
  MakeBar(true);
  ClickItem(2);
  host->EscapeInMenuMode();
  EXPECT_FALSE(Item(2).Down());
  EXPECT_TRUE(Item(2).Hot());
  // Enter opens it again from the keyboard.
  EXPECT_TRUE(bar->OpenSelectedItem());
  ASSERT_EQ(host->shows.size(), 2u);
  EXPECT_EQ(host->shows[1].items, help->VisibleItems());
  EXPECT_TRUE(Item(2).Down());
}

TEST_F(MenuBarTest, AnItemWithoutChildrenRunsAtOnceAndEndsMenuMode) {
  MakeBar(true);
  ClickItem(0);
  ClickItem(3);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(host->shows.size(), 1u);
  EXPECT_FALSE(host->MenuMode() || host->SkinOpen() || host->Visible());
  EXPECT_FALSE(Item(0).Down());
  // A disabled item neither lights nor runs, and its accelerator does nothing.
  run->SetEnabled(false);
  bar->SetMainMenu(&menu);
  ClickItem(3);
  EXPECT_FALSE(Item(3).Hot());
  EXPECT_FALSE(bar->OpenByAccelerator(L'r'));
  EXPECT_EQ(runs, 1);
}

TEST_F(MenuBarTest, ATooNarrowBarHidesItemsBehindAStripThatListsThem) {
  MakeBar(true);
  bar->SetAlign(TAlign::alNone);
  bar->PopupToUp = true;
  const int width = Item(1).Rect().right + 5 + 3 + 2;
  bar->SetBounds(0, 0, width, 22);
  testing::Pump();
  ASSERT_TRUE(bar->Overflow());
  EXPECT_TRUE(Item(1).Fits());
  EXPECT_FALSE(Item(2).Fits() || Item(2).Enabled() || Item(3).Fits());
  const TRect strip = bar->OverflowStripRect();
  EXPECT_EQ(strip, (TRect{width - 3 - 5, 1, width - 3, 21}));
  // The arrow in the skin's marker colour, hot while the pointer is over it.
  auto strip_has = [&](COLORREF color) {
    const PixelBitmap shot = Capture();
    for (int y = strip.top; y < strip.bottom; ++y) {
      for (int x = strip.left; x < strip.right; ++x) {
        if (shot.At(x, y) == ColorToPixel(color)) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(strip_has(9988421));
  PointAt(strip.left + 2, 10);
  EXPECT_TRUE(bar->OverflowMarkerHot());
  EXPECT_TRUE(strip_has(4170232));
  testing::Click(bar->Handle(), strip.left + 2, 10);
  ASSERT_EQ(host->shows.size(), 1u);
  EXPECT_EQ(host->shows[0].items, (std::vector<TMenuItem*>{help, run}));
  EXPECT_EQ(host->shows[0].anchor, ScreenRect(strip));
  EXPECT_FALSE(host->shows[0].up);
  // Wide again: the hidden items come back with their own states.
  bar->SetBounds(0, 0, 600, 22);
  EXPECT_FALSE(bar->Overflow());
  EXPECT_TRUE(Item(2).Fits() && Item(2).Enabled());
}

TEST_F(MenuBarTest, TheKeyboardOperationsAndWhatTheyReportHandled) {
  MakeBar(true);
  EXPECT_FALSE(bar->OpenSelectedItem());  // nothing selected yet
  bar->EnterMenuModeFromKeyboard();
  EXPECT_TRUE(Item(0).Hot());
  EXPECT_EQ(host->entered, 1);
  EXPECT_TRUE(host->shows.empty());
  bar->SelectNextItem();
  EXPECT_TRUE(Item(1).Hot());
  EXPECT_FALSE(Item(0).Hot());
  bar->SelectPreviousItem();
  bar->SelectPreviousItem();
  EXPECT_TRUE(Item(3).Hot());  // wrapped to the last
  bar->SelectNextItem();
  EXPECT_TRUE(Item(0).Hot());
  EXPECT_TRUE(bar->OpenSelectedItem());
  ASSERT_EQ(host->shows.size(), 1u);
  EXPECT_EQ(host->shows[0].items, file->VisibleItems());
  // Right while the menu is open moves the open menu along.
  bar->SelectNextItem();
  ASSERT_EQ(host->shows.size(), 2u);
  EXPECT_EQ(host->shows[1].items, config->VisibleItems());
  EXPECT_TRUE(Item(1).Down());
  EXPECT_FALSE(Item(0).Down());
  // An accelerator opens its item, in either case; one that no item has is not handled.
  EXPECT_TRUE(bar->OpenByAccelerator(L'H'));
  ASSERT_EQ(host->shows.size(), 3u);
  EXPECT_EQ(host->shows[2].items, help->VisibleItems());
  EXPECT_FALSE(bar->OpenByAccelerator(L'q'));
  EXPECT_EQ(host->shows.size(), 3u);
  host->LeaveMenuMode();
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(Item(i).Hot() || Item(i).Down()) << i;
  EXPECT_TRUE(bar->OpenByAccelerator(L'r'));
  EXPECT_EQ(runs, 1);
}

TEST_F(MenuBarTest, WithoutAHostItemsLightButNothingOpensAndNoKeyIsHandled) {
  MakeBar(false);
  ASSERT_EQ(bar->SkinForm(), nullptr);
  PointAtItem(0);
  EXPECT_TRUE(Item(0).Hot());
  ClickItem(0);
  ClickItem(3);
  EXPECT_FALSE(Item(0).Down());
  EXPECT_EQ(runs, 0);
  EXPECT_FALSE(bar->OpenByAccelerator(L'f'));
  EXPECT_FALSE(bar->OpenSelectedItem());
  bar->EnterMenuModeFromKeyboard();
  EXPECT_FALSE(bar->SelectionKept());
}

// Without a host nothing opens on a press, so only the press's hold on its item is seen.
TEST_F(MenuBarTest, APressHoldsItsItemUntilTheButtonComesUp) {
  MakeBar(false);
  const TRect first = Item(0).Rect();
  const LPARAM on_first = MAKELPARAM(first.left + 4, first.top + 4);
  PointAtItem(0);
  SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, on_first);
  PointAtItem(1);
  EXPECT_FALSE(Item(0).Hot() || Item(1).Hot());
  EXPECT_EQ(bar->HoveredIndex(), -1);
  PointAtItem(0);
  EXPECT_TRUE(Item(0).Hot());
  SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, on_first);
  PointAtItem(1);
  EXPECT_TRUE(Item(1).Hot());
  EXPECT_FALSE(Item(0).Hot());
  EXPECT_EQ(bar->HoveredIndex(), 1);
}

TEST_F(MenuBarTest, ASkinChangeFreesTheItemsAndRebuildsThemAfterwards) {
  MakeBar(true);
  ClickItem(0);
  RelaySkinChange(form, skin_data, SKN_BEFORECHANGE);
  EXPECT_TRUE(bar->Items().empty());
  RelaySkinChange(form, skin_data, SKN_CHANGE);
  ASSERT_EQ(bar->Items().size(), 4u);
  EXPECT_FALSE(Item(0).Down());
  EXPECT_EQ(bar->Height(), 22);
}

TEST_F(MenuBarTest, WithoutASkinTheDefaultLookUsesDefaultHeight) {
  MakeBar(true, false);
  bar->SetDefaultHeight(30);
  EXPECT_EQ(bar->Height(), 30);
  EXPECT_EQ(bar->ItemsArea(), (TRect{2, 2, bar->Width() - 2, 28}));
  EXPECT_EQ(Item(0).Rect(), (TRect{2, 2, 2 + TextWidth(L"File") + 12, 28}));
  PointAtItem(0);
  const PixelBitmap shot = Capture();
  EXPECT_EQ(shot.At(2, 2), ColorToPixel(8388608));   // the hot frame
  EXPECT_EQ(shot.At(3, 3), ColorToPixel(13811126));  // and its fill
  EXPECT_EQ(shot.At(0, 0), ColorToPixel(ColorToRGB(clBtnFace)));
}

TEST_F(MenuBarTest, AMorphingItemBlendsToItsHotLookAndBack) {
  MakeBar(true, true, EffectsSkin(), "morphbar");
  ASSERT_EQ(bar->Height(), 22);
  PointAtItem(0);
  EXPECT_TRUE(bar->Morphing());
  PumpUntil([&] { return Item(0).MorphFactor() > 0.3; });
  const double factor = Item(0).MorphFactor();
  ASSERT_LT(factor, 1.0);
  TskEffectBmp want(PixelBitmap(4, 4, kNormal));
  want.Morph(TskEffectBmp(PixelBitmap(4, 4, kHot)), TskMorphKind::mkDefault, factor);
  EXPECT_EQ(FirstItemLook(), want.Picture().At(1, 1));
  PumpUntil([&] { return !bar->Morphing(); });
  EXPECT_EQ(Item(0).MorphFactor(), 1.0);
  EXPECT_EQ(FirstItemLook(), kHot);
  Settle();
  PumpUntil([&] { return !bar->Morphing(); });
  EXPECT_EQ(Item(0).MorphFactor(), 0.0);
  EXPECT_EQ(FirstItemLook(), kNormal);
  // Effects switched off: the hot look at once.
  bar->SkinData()->EnableSkinEffects = false;
  PointAtItem(0);
  EXPECT_FALSE(bar->Morphing());
  EXPECT_EQ(FirstItemLook(), kHot);
}

TEST_F(MenuBarTest, AMorphStepsInExactFifthsBothWays) {
  MakeBar(true, true, EffectsSkin(), "morphbar");
  std::vector<double> seen;
  const auto record = [&] {
    const double factor = Item(0).MorphFactor();
    if (seen.empty() || seen.back() != factor) seen.push_back(factor);
    return !bar->Morphing();
  };
  PointAtItem(0);
  PumpUntil(record);
  Settle();
  PumpUntil(record);
  ASSERT_GE(seen.size(), 3u);
  EXPECT_NE(std::find(seen.begin(), seen.end(), 1.0), seen.end());
  EXPECT_EQ(seen.back(), 0.0);
  // Every blend shown is one of the fifths: repeated steps of 0.2 never drift off them.
  for (double factor : seen) EXPECT_EQ(factor, std::round(factor * 5) / 5) << factor;
}

TEST_F(MenuBarTest, AnAnimatedItemPlaysItsFramesAndDropsThemOnLeaving) {
  MakeBar(true, true, EffectsSkin(), "animbar");
  std::vector<Pixel> seen;
  auto record = [&] {
    const Pixel p = FirstItemLook();
    if (seen.empty() || seen.back() != p) seen.push_back(p);
    return !bar->Animating();
  };
  PointAtItem(0);
  EXPECT_TRUE(bar->Animating());
  PumpUntil(record);
  EXPECT_EQ(Item(0).AnimationFrame(), 3);
  // The frames come in order (the first may have passed before the first look) and the hot
  // look stays once they have played.
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen.back(), kHot);
  int last = -1;
  for (std::size_t i = 0; i + 1 < seen.size(); ++i) {
    const int k = int(std::find(std::begin(kFrames), std::end(kFrames), seen[i]) - kFrames);
    if (seen[i] == kHot && i == 0) continue;
    ASSERT_LT(k, 3) << i;
    EXPECT_GT(k, last) << i;
    last = k;
  }
  EXPECT_GE(last, 0);
  Settle();
  EXPECT_EQ(Item(0).AnimationFrame(), 0);
  EXPECT_EQ(FirstItemLook(), kNormal);
  ClickItem(0);
  EXPECT_EQ(FirstItemLook(), kDown);
}

}  // namespace
}  // namespace vl
