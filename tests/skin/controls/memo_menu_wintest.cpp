// The memo's own skinned context menu: its items' enabled states worked out as it opens, where
// it opens for the pointer and for the keyboard, its commands, read-only mode, a menu with
// nothing enabled, and a second opening while the first menu shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/menu_win.h"
#include "framework/text_win.h"
#include "skin/controls/skin_memo_win.h"
#include "skin/controls/skin_menu_win.h"
#include "skin/controls/skin_popup_menu_win.h"
#include "skin/controls/skin_popup_window_win.h"
#include "support/carried_skin_fixture.h"
#include "support/test_menu_host_win.h"

namespace vl {
namespace {

void SetClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  if (text) {
    const std::size_t size = std::strlen(text) + 1;
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(data), text, size);
    GlobalUnlock(data);
    SetClipboardData(CF_TEXT, data);
  }
  CloseClipboard();
}

class MemoMenuTest : public testing::CarriedSkinFixture {
 protected:
  MemoMenuTest() {
    host = new testing::TestMenuHost(form, skin_data);
    memo = new TskSkinMemo(&form);
    memo->SetBounds(100, 100, 300, 200);
    memo->SetParent(&form);
    memo->SetSkinData(skin_data);
    memo->SetText("C:\\\r\nD:\\");
    SendMessageW(memo->Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
    memo->SetFocus();
    POINT corner{890, 490};
    ClientToScreen(form.Handle(), &corner);
    SetCursorPos(corner.x, corner.y);
    testing::Pump();
  }
  ~MemoMenuTest() override { host->CloseMenus(); }

  POINT MemoPoint(int x, int y) {
    POINT p{x, y};
    ClientToScreen(memo->Handle(), &p);
    return p;
  }
  void OpenAt(int x, int y) {
    const POINT p = MemoPoint(x, y);
    SendMessageW(memo->Handle(), WM_CONTEXTMENU, WPARAM(memo->Handle()), MAKELPARAM(p.x, p.y));
  }
  TskSkinPopupWindow* Popup() { return host->SkinMenu().Level(0); }
  // The enabled states of Undo, Cut, Copy, Paste, Delete and Select All.
  std::vector<bool> States() {
    std::vector<bool> states;
    TskSkinPopupWindow* popup = Popup();
    if (!popup) return states;
    for (int i = 0; i < popup->ItemCount(); ++i) {
      const TMenuItem& item = popup->Item(i).MenuItem();
      if (!item.IsSeparator()) states.push_back(item.Enabled());
    }
    return states;
  }
  void Key(WPARAM key) {
    PostMessageW(memo->Handle(), WM_KEYDOWN, key, 1);
    testing::Pump();
  }
  std::string Text() {
    char buffer[256] = {};
    GetWindowTextA(memo->Handle(), buffer, sizeof buffer);
    return buffer;
  }

  testing::TestMenuHost* host = nullptr;
  TskSkinMemo* memo = nullptr;
};

TEST_F(MemoMenuTest, ItemsAndTheirEnabledStates) {
  struct Case {
    const char* name;
    bool read_only;
    const char* clipboard;
    int sel_start, sel_end;
    bool typed;
    std::vector<bool> expected;  // Undo, Cut, Copy, Paste, Delete, Select All
  };
  const Case cases[] = {
      {"nothing selected, clipboard text",
       false,
       "x",
       0,
       0,
       false,
       {false, false, false, true, false, true}},
      {"a selection", false, nullptr, 0, 2, false, {false, true, true, false, true, true}},
      {"everything selected",
       false,
       nullptr,
       0,
       -1,
       false,
       {false, true, true, false, true, false}},
      {"after typing", false, nullptr, 0, 0, true, {true, false, false, false, false, true}},
      {"read-only with a selection and clipboard text",
       true,
       "x",
       0,
       2,
       false,
       {false, false, true, false, false, true}},
  };
  for (const Case& c : cases) {
    memo->SetReadOnly(c.read_only);
    memo->SetText("C:\\\r\nD:\\");
    SendMessageW(memo->Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
    SetClipboard(c.clipboard);
    if (c.typed) SendMessageW(memo->Handle(), WM_CHAR, 'E', 1);
    SendMessageW(memo->Handle(), EM_SETSEL, WPARAM(c.sel_start), LPARAM(c.sel_end));
    OpenAt(10, 10);
    ASSERT_TRUE(Popup()) << c.name;
    EXPECT_EQ(States(), c.expected) << c.name;
    host->CloseMenus();
    testing::Pump();
  }
  OpenAt(10, 10);
  ASSERT_TRUE(Popup());
  ASSERT_EQ(Popup()->ItemCount(), 8);
  const char* captions[] = {"Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(Popup()->Item(i).MenuItem().Caption(), Utf8ToWide(captions[i])) << i;
  }
  EXPECT_EQ(host->SkinMenu().Asker(), memo);
}

TEST_F(MemoMenuTest, OpensAtThePointerOrAtTheCentreFromTheKeyboard) {
  OpenAt(30, 40);
  ASSERT_TRUE(Popup());
  RECT r;
  GetWindowRect(Popup()->Handle(), &r);
  const POINT at = MemoPoint(30, 40);
  EXPECT_EQ(r.left, at.x);
  EXPECT_EQ(r.top, at.y);
  host->CloseMenus();

  SendMessageW(memo->Handle(), WM_CONTEXTMENU, WPARAM(memo->Handle()), -1);
  ASSERT_TRUE(Popup());
  GetWindowRect(Popup()->Handle(), &r);
  const POINT centre = MemoPoint(150, 100);
  EXPECT_EQ(r.left, centre.x);
  EXPECT_EQ(r.top, centre.y);
  host->CloseMenus();

  // A point left of and above the screen is a real place, not the keyboard: the popup goes
  // there, held inside the work area.
  SendMessageW(memo->Handle(), WM_CONTEXTMENU, WPARAM(memo->Handle()), MAKELPARAM(-40, -30));
  ASSERT_TRUE(Popup());
  GetWindowRect(Popup()->Handle(), &r);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(r.left, work.left);
  EXPECT_EQ(r.top, work.top);
}

TEST_F(MemoMenuTest, CommandsRunAndTheMenuGoesAfterwards) {
  SetClipboard(nullptr);
  SendMessageW(memo->Handle(), EM_SETSEL, 0, 3);
  OpenAt(10, 10);
  // Undo is disabled, so Cut is lit first; Down goes to Copy.
  EXPECT_EQ(Popup()->ActiveIndex(), 2);
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_FALSE(host->SkinMenu().Visible());
  EXPECT_EQ(testing::ClipboardText(), "C:\\");
  EXPECT_EQ(memo->ContextPopup(), nullptr);

  OpenAt(10, 10);
  Key(VK_UP);  // from Cut up past Undo (disabled) to Select All
  Key(VK_RETURN);
  DWORD start = 1, end = 0;
  SendMessageW(memo->Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, DWORD(Text().size()));

  // Everything is selected and the clipboard holds text now: Cut, Copy, Paste, then Delete.
  OpenAt(10, 10);
  for (int i = 0; i < 3; ++i) Key(VK_DOWN);
  EXPECT_EQ(Popup()->ActiveIndex(), 5);
  Key(VK_RETURN);
  EXPECT_EQ(Text(), "");
}

TEST_F(MemoMenuTest, ReadOnlyMemoOffersNoEditingCommands) {
  memo->SetReadOnly(true);
  SetClipboard("pasted");
  SendMessageW(memo->Handle(), EM_SETSEL, 0, -1);
  OpenAt(10, 10);
  EXPECT_EQ(States(), (std::vector<bool>{false, false, true, false, false, false}));
  // Copy is the only item the keys or the pointer can reach.
  EXPECT_EQ(Popup()->ActiveIndex(), 3);
  Key(VK_DOWN);
  EXPECT_EQ(Popup()->ActiveIndex(), 3);
  const TRect cut = Popup()->Item(2).rect;
  SendMessageW(Popup()->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(cut.left + 30, cut.top + 5));
  testing::Pump();
  EXPECT_TRUE(host->SkinMenu().Visible());
  EXPECT_EQ(Text(), "C:\\\r\nD:\\");
}

TEST_F(MemoMenuTest, NothingEnabledIsSafe) {
  memo->SetText("");
  SendMessageW(memo->Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
  SetClipboard(nullptr);
  OpenAt(10, 10);
  ASSERT_TRUE(Popup());
  EXPECT_EQ(States(), (std::vector<bool>(6, false)));
  EXPECT_EQ(Popup()->ActiveIndex(), -1);
  for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_RIGHT), WPARAM(VK_DOWN), WPARAM('A')}) Key(key);
  EXPECT_TRUE(host->SkinMenu().Visible());
  EXPECT_EQ(Popup()->ActiveIndex(), -1);
  Key(VK_ESCAPE);
  EXPECT_FALSE(host->SkinMenu().Visible());
}

TEST_F(MemoMenuTest, OpeningAgainWhileShowingReplacesTheMenuSafely) {
  SendMessageW(memo->Handle(), EM_SETSEL, 0, 3);
  OpenAt(10, 10);
  TskSkinPopupMenu* first = memo->ContextPopup();
  ASSERT_TRUE(first);
  // Through the message loop the hook keeps the Apps key from reaching the memo at all.
  PostMessageW(memo->Handle(), WM_CONTEXTMENU, WPARAM(memo->Handle()), -1);
  testing::Pump();
  EXPECT_EQ(memo->ContextPopup(), first);
  // Sent directly, the memo closes the open chain before it frees the menu it shows.
  OpenAt(50, 50);
  ASSERT_TRUE(host->SkinMenu().Visible());
  EXPECT_NE(memo->ContextPopup(), nullptr);
  EXPECT_EQ(host->SkinMenu().LevelCount(), 1);
  Key(VK_RETURN);  // Cut
  EXPECT_EQ(Text(), "\r\nD:\\");
  EXPECT_EQ(memo->ContextPopup(), nullptr);
}

}  // namespace
}  // namespace vl
