// Skinned popup menus on the screen: size and pixels against the carried skin, the default look,
// keys arriving through the application hook, the pointer (polling, a click between polls, the
// sub-menu wait and click), marker scrolling, a click outside, and the order in which a chosen
// command, the chain's closing and the asking control's messages happen.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "framework/canvas_win.h"
#include "framework/menu_win.h"
#include "framework/text_win.h"
#include "skin/controls/skin_menu_win.h"
#include "skin/controls/skin_popup_menu_win.h"
#include "skin/controls/skin_popup_window_win.h"
#include "skin/data/skin_messages.h"
#include "support/carried_skin_fixture.h"
#include "support/test_menu_host_win.h"

namespace vl {
namespace {

// A control that records the skin messages it is sent and the presses it gets.
class Recorder : public TCustomControl {
 public:
  Recorder(TComponent* owner, std::vector<std::string>& log) : TCustomControl(owner), log_(log) {}

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (msg == SKN_CLOSEMENUS) log_.push_back("closemenus");
    if (msg == SKN_POPUPCOMMAND) log_.push_back("popupcommand");
    if (msg == WM_LBUTTONDOWN) log_.push_back("press");
    if (msg == WM_KEYDOWN) log_.push_back("key");
    if (msg == WM_MOUSEWHEEL) log_.push_back("wheel");
    if (msg == WM_CONTEXTMENU) log_.push_back("contextmenu");
    return TCustomControl::WndProc(msg, wparam, lparam);
  }
  void Paint(HDC) override {}

 private:
  std::vector<std::string>& log_;
};

class PopupMenuTest : public testing::CarriedSkinFixture {
 protected:
  PopupMenuTest() {
    host = new testing::TestMenuHost(form, skin_data);
    target = new Recorder(&form, log);
    target->SetBounds(600, 300, 200, 150);
    target->SetParent(&form);
    menu = new TskSkinPopupMenu(&form);
    open_item = Add("&Open directory");
    rebuild_item = Add("&Rebuild the index file");
    exit_item = Add("E&xit");
    ParkPointer();
    testing::Pump();
  }
  ~PopupMenuTest() override { host->CloseMenus(); }

  TMenuItem* Add(const char* caption, TMenuItem* parent = nullptr) {
    TMenuItem* item =
        parent ? new TMenuItem(menu, parent, caption) : new TMenuItem(menu, menu, caption);
    const std::string text = caption;
    item->OnClick = [this, text] {
      log.push_back("run " + text);
      visible_while_running = host->SkinMenu().Visible();
      levels_while_running = host->SkinMenu().LevelCount();
    };
    return item;
  }

  void ParkPointer() {
    POINT corner{890, 490};
    ClientToScreen(form.Handle(), &corner);
    SetCursorPos(corner.x, corner.y);
  }
  POINT FormPoint(int x, int y) {
    POINT p{x, y};
    ClientToScreen(form.Handle(), &p);
    return p;
  }
  void OpenAt(int x = 20, int y = 20) {
    const POINT p = FormPoint(x, y);
    menu->Popup(p.x, p.y);
  }
  TskSkinPopupWindow* Level(int n) { return host->SkinMenu().Level(n); }
  RECT WindowRect(int level) {
    RECT r{};
    GetWindowRect(Level(level)->Handle(), &r);
    return r;
  }
  // A key press as the keyboard delivers it: to the focused window, through the message loop.
  void Key(WPARAM key) {
    PostMessageW(form.Handle(), WM_KEYDOWN, key, 1);
    testing::Pump();
  }
  // The real pointer over a point of a popup, and held there until a poll has seen it.
  // A loaded machine may take longer than a few polls; `seen` says when the popup has reacted.
  void PointAt(int level, int x, int y, const std::function<bool()>& seen) {
    const RECT r = WindowRect(level);
    SetCursorPos(r.left + x, r.top + y);
    PumpUntil(seen);
  }
  TPoint ItemCentre(int level, int index) {
    const TRect r = Level(level)->Item(index).rect;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void PumpFor(DWORD ms) {
    const DWORD until = GetTickCount() + ms;
    while (GetTickCount() < until) {
      testing::Pump();
      Sleep(2);
    }
  }
  void PumpUntil(const std::function<bool()>& done, DWORD ms = 3000) {
    const DWORD until = GetTickCount() + ms;
    while (!done() && GetTickCount() < until) {
      testing::Pump();
      Sleep(2);
    }
  }
  COLORREF PopupPixel(int level, int x, int y) { return ScreenPixel(Level(level), x, y); }

  testing::TestMenuHost* host = nullptr;
  Recorder* target = nullptr;
  TskSkinPopupMenu* menu = nullptr;
  TMenuItem* open_item = nullptr;
  TMenuItem* rebuild_item = nullptr;
  TMenuItem* exit_item = nullptr;
  std::vector<std::string> log;
  bool visible_while_running = true;
  int levels_while_running = -1;
};

TEST_F(PopupMenuTest, CarriedSkinSizeFramePixelsAndFirstItemLit) {
  OpenAt();
  ASSERT_TRUE(host->SkinMenu().Visible());
  ASSERT_EQ(host->SkinMenu().LevelCount(), 1);
  EXPECT_EQ(host->opened, 1);

  TBitmap scratch(1, 1);
  scratch.Canvas().SetFont(TFont("Arial", 14));
  int widest = 0;
  for (const char* text : {"Open directory", "Rebuild the index file", "Exit"}) {
    widest = std::max(widest, scratch.Canvas().TextWidth(Utf8ToWide(text)));
  }
  const RECT r = WindowRect(0);
  EXPECT_EQ(r.right - r.left, widest + 70);
  EXPECT_EQ(r.bottom - r.top, 70);
  const POINT at = FormPoint(20, 20);
  EXPECT_EQ(r.left, at.x);
  EXPECT_EQ(r.top, at.y);

  TskSkinPopupWindow* popup = Level(0);
  EXPECT_TRUE(popup->Skinned());
  EXPECT_EQ(popup->ActiveIndex(), 0);
  EXPECT_TRUE(popup->Lit(0));
  EXPECT_EQ(popup->Item(0).rect, (TRect{2, 2, r.right - r.left - 2, 24}));
  EXPECT_EQ(popup->Item(2).rect.bottom, 68);
  // menuitems.bmp is picture 3, pw.bmp picture 2. The lit first item shows the hot look, the
  // second the normal one, both in the image column where no text or glyph lies.
  EXPECT_EQ(PopupPixel(0, 2 + 4, 2 + 11), SkinPixel(3, 2 + 4, 25 + 11));
  EXPECT_EQ(PopupPixel(0, 2 + 4, 24 + 11), SkinPixel(3, 2 + 4, 2 + 11));
  EXPECT_NE(SkinPixel(3, 2 + 4, 25 + 11), SkinPixel(3, 2 + 4, 2 + 11));
  EXPECT_EQ(PopupPixel(0, 1, 30), SkinPixel(2, 1, 30));
  // The right part of the frame keeps the picture's right edge.
  EXPECT_EQ(PopupPixel(0, r.right - r.left - 2, 30), SkinPixel(2, 91, 30));
  // The window takes the shape of the mask.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(popup->Handle(), region), ERROR);
  DeleteObject(region);
  // A topmost tool window that did not take activation.
  const LONG_PTR ex = GetWindowLongPtrW(popup->Handle(), GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_NE(GetActiveWindow(), popup->Handle());
  EXPECT_EQ(SendMessageW(popup->Handle(), WM_MOUSEACTIVATE, WPARAM(form.Handle()),
                         MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
}

TEST_F(PopupMenuTest, SeparatorsAndHeaders) {
  Add("-");
  TMenuItem* header = Add("-Tools-");
  header->SetEnabled(false);
  Add("&Last");
  OpenAt();
  TskSkinPopupWindow* popup = Level(0);
  // A lone hyphen is a divider 3 high (dividerrect); a disabled "-Tools-" a header item.
  EXPECT_EQ(popup->Item(3).rect.Height(), 3);
  EXPECT_TRUE(popup->Item(3).IsSeparator());
  EXPECT_EQ(popup->Item(4).rect.Height(), 22);
  EXPECT_TRUE(popup->Item(4).IsHeader());
  EXPECT_EQ(WindowRect(0).bottom - WindowRect(0).top, 5 * 22 + 3 + 4);
  // The divider from menuitems.bmp (picture 3) at 4,51; the header in the label section's look
  // (picture 4 at 98,10, 19 high), centred in the item.
  const TRect divider = popup->Item(3).rect;
  EXPECT_EQ(PopupPixel(0, divider.left + 1, divider.top + 1), SkinPixel(3, 4 + 1, 51 + 1));
  const TRect head = popup->Item(4).rect;
  EXPECT_EQ(PopupPixel(0, head.left + 1, head.top + 1 + 1), SkinPixel(4, 98 + 1, 10 + 1));
  // Up and Down pass over both.
  Key(VK_DOWN);
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(popup->ActiveIndex(), 5);
}

TEST_F(PopupMenuTest, MorphingItemsStepBetweenTheirLooks) {
  // The carried skin does not morph its items; this one does.
  for (const auto& object : skin_data->SkinObjects()) {
    if (auto* item = dynamic_cast<TskDataSkinMenuItem*>(object.get())) item->morphing = true;
  }
  OpenAt();
  TskSkinPopupWindow* popup = Level(0);
  PumpUntil([&] { return popup->Item(0).effect.morph.Value() == 1.0; });
  EXPECT_EQ(popup->Item(0).effect.morph.Value(), 1.0);
  EXPECT_EQ(PopupPixel(0, 2 + 4, 2 + 11), SkinPixel(3, 2 + 4, 25 + 11));
  Key(VK_DOWN);
  // Nothing has stepped yet: the new item still shows its normal look.
  EXPECT_LT(popup->Item(1).effect.morph.Value(), 1.0);
  PumpUntil([&] {
    return popup->Item(1).effect.morph.Value() == 1.0 && popup->Item(0).effect.morph.Value() == 0;
  });
  EXPECT_EQ(popup->Item(0).effect.morph.Value(), 0.0);
  EXPECT_EQ(PopupPixel(0, 2 + 4, 24 + 11), SkinPixel(3, 2 + 4, 25 + 11));
  EXPECT_EQ(PopupPixel(0, 2 + 4, 2 + 11), SkinPixel(3, 2 + 4, 2 + 11));
}

TEST_F(PopupMenuTest, EffectsStopOnceEveryItemHasArrived) {
  OpenAt();
  // The carried skin neither morphs nor animates its items: nothing steps.
  EXPECT_FALSE(Level(0)->EffectsRunning());
  host->CloseMenus();
  for (const auto& object : skin_data->SkinObjects()) {
    if (auto* item = dynamic_cast<TskDataSkinMenuItem*>(object.get())) item->morphing = true;
  }
  OpenAt();
  TskSkinPopupWindow* popup = Level(0);
  EXPECT_TRUE(popup->EffectsRunning());
  PumpUntil([&] { return !popup->EffectsRunning(); });
  EXPECT_FALSE(popup->EffectsRunning());
  EXPECT_EQ(popup->Item(0).effect.morph.Value(), 1.0);
  Key(VK_DOWN);
  EXPECT_TRUE(popup->EffectsRunning());
  PumpUntil([&] { return !popup->EffectsRunning(); });
  EXPECT_FALSE(popup->EffectsRunning());
  EXPECT_EQ(popup->Item(0).effect.morph.Value(), 0.0);
  EXPECT_EQ(popup->Item(1).effect.morph.Value(), 1.0);
}

TEST_F(PopupMenuTest, DefaultLookWithoutSkin) {
  host->SetMenusSkinData(nullptr);
  OpenAt();
  ASSERT_TRUE(Level(0));
  EXPECT_FALSE(Level(0)->Skinned());
  const RECT r = WindowRect(0);
  EXPECT_EQ(r.bottom - r.top, 3 * 20 + 4);
  // The lit item: the highlight colour inside its frame; the next one: the glyph column.
  EXPECT_EQ(PopupPixel(0, 10, 12), COLORREF(13811126));
  EXPECT_EQ(PopupPixel(0, 2, 2), COLORREF(8388608));
  EXPECT_EQ(PopupPixel(0, 10, 32), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(PopupPixel(0, 0, 40), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(PopupMenuTest, KeysMoveRunAndCloseThroughTheHook) {
  OpenAt();
  TskSkinPopupWindow* popup = Level(0);
  struct Step {
    WPARAM key;
    int active;
  };
  const Step steps[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_DOWN, 0}, {VK_UP, 2}, {VK_UP, 1}};
  for (const Step& s : steps) {
    Key(s.key);
    EXPECT_EQ(popup->ActiveIndex(), s.active) << "key " << s.key;
  }
  EXPECT_EQ(host->keys_taken, 5);
  Key(VK_RETURN);
  EXPECT_EQ(log, (std::vector<std::string>{"run &Rebuild the index file"}));
  // The command ran after the chain had closed and the popup was gone.
  EXPECT_FALSE(visible_while_running);
  EXPECT_EQ(levels_while_running, 0);
  EXPECT_EQ(host->closed, 1);
  EXPECT_FALSE(Application().HasMessageHook(host));
}

TEST_F(PopupMenuTest, EscapeClosesAndClosingAgainDoesNothing) {
  OpenAt();
  Key(VK_ESCAPE);
  EXPECT_FALSE(host->SkinMenu().Visible());
  EXPECT_EQ(host->SkinMenu().Level(0), nullptr);
  EXPECT_EQ(host->closed, 1);
  EXPECT_FALSE(Application().HasMessageHook(host));
  int close_events = 0;
  host->SkinMenu().OnceClose = [&] { ++close_events; };
  host->SkinMenu().CloseAll();
  host->SkinMenu().CloseFrom(0);
  testing::Pump();
  EXPECT_EQ(close_events, 0);
  EXPECT_EQ(host->closed, 1);
  host->SkinMenu().OnceClose = nullptr;
  EXPECT_TRUE(log.empty());
}

TEST_F(PopupMenuTest, AcceleratorsRunOnlyEnabledItems) {
  exit_item->SetEnabled(false);
  OpenAt();
  Key('X');
  EXPECT_TRUE(host->SkinMenu().Visible());
  EXPECT_EQ(Level(0)->ActiveIndex(), 0);
  Key('R');
  EXPECT_FALSE(host->SkinMenu().Visible());
  EXPECT_EQ(log, (std::vector<std::string>{"run &Rebuild the index file"}));
}

TEST_F(PopupMenuTest, DisabledItemsAreSkippedAndNothingEnabledIsSafe) {
  rebuild_item->SetEnabled(false);
  OpenAt();
  Key(VK_DOWN);
  EXPECT_EQ(Level(0)->ActiveIndex(), 2);
  host->CloseMenus();

  open_item->SetEnabled(false);
  exit_item->SetEnabled(false);
  OpenAt();
  ASSERT_TRUE(host->SkinMenu().Visible());
  EXPECT_EQ(Level(0)->ActiveIndex(), -1);
  for (WPARAM key : {WPARAM(VK_DOWN), WPARAM(VK_UP), WPARAM(VK_RETURN), WPARAM(VK_RIGHT)}) {
    Key(key);
    EXPECT_EQ(Level(0)->ActiveIndex(), -1);
  }
  EXPECT_TRUE(host->SkinMenu().Visible());
  EXPECT_TRUE(log.empty());
  Key(VK_ESCAPE);
  EXPECT_FALSE(host->SkinMenu().Visible());
}

TEST_F(PopupMenuTest, NothingOpensWithoutAVisibleItem) {
  for (TMenuItem* item : {open_item, rebuild_item, exit_item}) item->SetVisible(false);
  OpenAt();
  EXPECT_FALSE(host->SkinMenu().Visible());
  EXPECT_EQ(host->opened, 0);
  EXPECT_FALSE(Application().HasMessageHook(host));
}

TEST_F(PopupMenuTest, PointerHighlightsAndAClickBetweenPollsRunsTheItemUnderIt) {
  OpenAt();
  const TPoint second = ItemCentre(0, 1);
  PointAt(0, second.x, second.y, [&] { return Level(0)->ActiveIndex() == 1; });
  EXPECT_EQ(Level(0)->ActiveIndex(), 1);
  // The release lands on the third item before any poll saw the pointer there.
  const TPoint third = ItemCentre(0, 2);
  SendMessageW(Level(0)->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(third.x, third.y));
  testing::Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"run E&xit"}));
  EXPECT_FALSE(host->SkinMenu().Visible());
}

TEST_F(PopupMenuTest, PointerAndKeysShareOneHighlight) {
  Add("-");
  Add("&Last");
  OpenAt();
  TskSkinPopupWindow* popup = Level(0);
  // Each step moves the pointer over an item (without moving it off the popup) or presses a
  // key; the pointer's item takes the highlight back from the keys even when the pointer has
  // not left it, and a separator under the pointer lights nothing.
  struct Step {
    int hover;  // the item the pointer moves over, or -1 for a key
    WPARAM key;
    int active;
  };
  const Step steps[] = {{1, 0, 1},        {-1, VK_DOWN, 2}, {1, 0, 1}, {3, 0, -1},
                        {-1, VK_DOWN, 0}, {3, 0, -1},       {4, 0, 4}, {-1, VK_UP, 2}};
  int n = 0;
  for (const Step& s : steps) {
    if (s.hover >= 0) {
      const TPoint at = ItemCentre(0, s.hover);
      popup->HoverAt({at.x + n % 2, at.y});
    } else {
      Key(s.key);
    }
    EXPECT_EQ(popup->ActiveIndex(), s.active) << "step " << n;
    for (int i = 0; i < popup->ItemCount(); ++i) {
      EXPECT_EQ(popup->Lit(i), i == s.active) << "step " << n << " item " << i;
    }
    ++n;
  }
  EXPECT_TRUE(log.empty());
}

TEST_F(PopupMenuTest, SubMenuByWaitAndByClick) {
  TMenuItem* parent = Add("&Config");
  Add("&Settings", parent);
  Add("&Skin", parent);
  OpenAt();
  const TPoint item = ItemCentre(0, 3);
  PointAt(0, item.x, item.y, [&] { return Level(0)->ActiveIndex() == 3; });
  EXPECT_EQ(Level(0)->ActiveIndex(), 3);
  EXPECT_TRUE(host->SkinMenu().Waiting());
  EXPECT_EQ(host->SkinMenu().LevelCount(), 1);
  PumpUntil([&] { return host->SkinMenu().LevelCount() == 2; });
  ASSERT_EQ(host->SkinMenu().LevelCount(), 2);
  EXPECT_TRUE(Level(0)->Item(3).down);
  // Beside the parent item, its first item level with the parent item.
  const TRect parent_rect = Level(0)->ItemScreenRect(3);
  const RECT sub = WindowRect(1);
  EXPECT_EQ(sub.left, parent_rect.right + 1);
  EXPECT_EQ(sub.top + Level(1)->ItemsRect().top, parent_rect.top);
  // The sub-menu's keys: Down moves inside it, Left closes it alone.
  Key(VK_DOWN);
  EXPECT_EQ(Level(1)->ActiveIndex(), 1);
  Key(VK_LEFT);
  EXPECT_EQ(host->SkinMenu().LevelCount(), 1);
  EXPECT_FALSE(Level(0)->Item(3).down);
  // A click opens it at once; Enter in it runs its item.
  SendMessageW(Level(0)->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(item.x, item.y));
  EXPECT_EQ(host->SkinMenu().LevelCount(), 2);
  Key(VK_RETURN);
  EXPECT_EQ(log, (std::vector<std::string>{"run &Config", "run &Config", "run &Settings"}));
  EXPECT_FALSE(host->SkinMenu().Visible());
}

TEST_F(PopupMenuTest, SubMenuWaitEndsWithItsLevelOrItsItem) {
  TMenuItem* parent = Add("&Config");
  Add("&Settings", parent);
  OpenAt();
  TskSkinPopupWindow* popup = Level(0);
  popup->HoverAt(ItemCentre(0, 3));
  EXPECT_TRUE(host->SkinMenu().Waiting());
  popup->HoverAt(ItemCentre(0, 1));
  EXPECT_FALSE(host->SkinMenu().Waiting());
  popup->HoverAt(ItemCentre(0, 3));
  EXPECT_TRUE(host->SkinMenu().Waiting());
  Key(VK_ESCAPE);
  EXPECT_FALSE(host->SkinMenu().Waiting());
  PumpFor(650);
  EXPECT_EQ(host->SkinMenu().LevelCount(), 0);
  EXPECT_TRUE(log.empty());
}

TEST_F(PopupMenuTest, MarkersScrollAndStopWhenThePointerLeaves) {
  for (int i = 0; i < 7; ++i) Add(("Item &" + std::to_string(i)).c_str());
  host->SkinMenu().MaxMenuItemsInWindow = 4;
  OpenAt();
  TskSkinPopupWindow* popup = Level(0);
  ASSERT_TRUE(popup->Overflowing());
  EXPECT_TRUE(popup->Limited());
  EXPECT_EQ(popup->VisibleCount(), 4);
  const TRect down = popup->DownMarker();
  PointAt(0, (down.left + down.right) / 2, (down.top + down.bottom) / 2,
          [&] { return popup->ScrollCode() == 2; });
  EXPECT_EQ(popup->ScrollCode(), 2);
  PumpUntil([&] { return popup->FirstVisible() >= 2; });
  EXPECT_GE(popup->FirstVisible(), 2);
  // Off the popup altogether: the scrolling stops where it is.
  ParkPointer();
  PumpUntil([&] { return popup->ScrollCode() == 0; });
  EXPECT_EQ(popup->ScrollCode(), 0);
  const int stopped_at = popup->FirstVisible();
  PumpFor(300);
  EXPECT_EQ(popup->FirstVisible(), stopped_at);
  // Up from the first item wraps to the last one and shows the last page.
  host->CloseMenus();
  OpenAt();
  Key(VK_UP);
  EXPECT_EQ(Level(0)->ActiveIndex(), 9);
  EXPECT_EQ(Level(0)->FirstVisible(), 6);
  Key(VK_DOWN);
  EXPECT_EQ(Level(0)->ActiveIndex(), 0);
  EXPECT_EQ(Level(0)->FirstVisible(), 0);
}

TEST_F(PopupMenuTest, TallMenuTakesTheWorkAreaHeightFromItsTop) {
  for (int i = 0; i < 60; ++i) Add(("Entry " + std::to_string(i)).c_str());
  OpenAt(300, 200);
  TskSkinPopupWindow* popup = Level(0);
  ASSERT_TRUE(popup->Overflowing());
  EXPECT_FALSE(popup->Limited());
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const RECT r = WindowRect(0);
  EXPECT_EQ(r.top, work.top);
  EXPECT_EQ(r.bottom - r.top, work.bottom - work.top);
}

TEST_F(PopupMenuTest, ClickOutsideClosesTheChainAndStillActs) {
  OpenAt();
  PostMessageW(target->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  testing::Pump();
  EXPECT_FALSE(host->SkinMenu().Visible());
  EXPECT_EQ(host->closed, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"press"}));
}

TEST_F(PopupMenuTest, KeysTheWheelAndContextMenusDoNotLeakWhileOpen) {
  OpenAt();
  PostMessageW(target->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  PostMessageW(target->Handle(), WM_KEYDOWN, 'A', 1);
  PostMessageW(target->Handle(), WM_CONTEXTMENU, WPARAM(target->Handle()), -1);
  testing::Pump();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(host->keys_taken, 1);
  EXPECT_TRUE(host->SkinMenu().Visible());
  host->CloseMenus();
  // Once the chain is closed they reach the control again.
  PostMessageW(target->Handle(), WM_KEYDOWN, 'A', 1);
  testing::Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"key"}));
}

TEST_F(PopupMenuTest, AskerHearsTheCloseThenTheCommand) {
  menu->PopupForControl(*target, FormPoint(20, 20).x, FormPoint(20, 20).y);
  ASSERT_TRUE(host->SkinMenu().Visible());
  EXPECT_EQ(host->SkinMenu().Asker(), target);
  Key(VK_RETURN);
  EXPECT_EQ(log, (std::vector<std::string>{"closemenus", "run &Open directory", "popupcommand"}));
}

TEST_F(PopupMenuTest, AskerFreedBeforeItsCommandRuns) {
  menu->PopupForControl(*target, FormPoint(20, 20).x, FormPoint(20, 20).y);
  exit_item->OnClick = [this] {
    delete target;
    target = nullptr;
    log.push_back("exit");
  };
  Key('X');
  EXPECT_EQ(target, nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"closemenus", "exit"}));

  // Freed while the chain is open: it is forgotten, and the chain closes without it.
  auto* other = new Recorder(&form, log);
  other->SetParent(&form);
  menu->PopupForControl(*other, FormPoint(20, 20).x, FormPoint(20, 20).y);
  delete other;
  EXPECT_EQ(host->SkinMenu().Asker(), nullptr);
  Key(VK_ESCAPE);
  EXPECT_FALSE(host->SkinMenu().Visible());
}

TEST_F(PopupMenuTest, OpeningAgainClosesTheVisibleChainFirst) {
  int menu_closes = 0;
  menu->OnMenuClose = [&] { ++menu_closes; };
  OpenAt();
  OpenAt(100, 100);
  EXPECT_EQ(menu_closes, 1);
  EXPECT_EQ(host->closed, 1);
  EXPECT_EQ(host->opened, 2);
  EXPECT_EQ(host->SkinMenu().LevelCount(), 1);
  EXPECT_EQ(menu->PopupPoint(), (TPoint{FormPoint(100, 100).x, FormPoint(100, 100).y}));
  // A menu freed while it shows takes its chain with it.
  delete menu;
  menu = nullptr;
  EXPECT_FALSE(host->SkinMenu().Visible());
  EXPECT_EQ(menu_closes, 2);
}

TEST_F(PopupMenuTest, PopupUnderARectangleOpensUpwards) {
  const POINT p = FormPoint(100, 400);
  menu->PopupUnder({p.x, p.y, p.x + 30, p.y + 20}, true);
  const RECT r = WindowRect(0);
  EXPECT_EQ(r.bottom, p.y);
  EXPECT_EQ(r.left, p.x);
}

}  // namespace
}  // namespace vl
