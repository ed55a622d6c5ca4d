// The main window's skinned menus, driven as a user drives them: the bar's items by click and by
// the keyboard (F10, the arrows, Enter, Esc), moving along the bar while a menu is open, a click
// elsewhere closing the menu and still acting, and typing reaching the keyword box after every
// way of closing a menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_unit_win.h"
#include "skin/controls/skin_menu_win.h"
#include "skin/controls/skin_popup_window_win.h"
#include "support/gui_test_win.h"
#include "support/temp_dir.h"

namespace vl {
namespace {

using testing::Pump;

const std::string kAskClear = "Sure to clear the cache\xEF\xBC\x9F";

class MainWindowMenusTest : public testing::SeamsFixture {
 protected:
  MainWindowMenusTest() {
    SetCursorPos(5, 5);
    dir.Write("vl.vl", "C:\\a.txt\r\n");
    form = std::make_unique<TFrmMain>(nullptr, dir.Str());
    form->Show();
    SetForegroundWindow(form->Handle());
    form->edtName->SetFocus();
    Pump();
  }
  ~MainWindowMenusTest() override {
    SetCursorPos(5, 5);
    form->Release();
  }

  TskSkinMainMenuBar& Bar() const { return *form->skSkinMainMenuBar1; }
  TskSkinForm& Frame() const { return *form->skfrm; }
  TPoint ItemCentre(int index) const {
    const TRect r = Bar().Items()[std::size_t(index)]->Rect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void ClickItem(int index) {
    const TPoint p = ItemCentre(index);
    POINT screen{p.x, p.y};
    ClientToScreen(Bar().Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    const LPARAM at = MAKELPARAM(p.x, p.y);
    SendMessageW(Bar().Handle(), WM_MOUSEMOVE, 0, at);
    SendMessageW(Bar().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Bar().Handle(), WM_LBUTTONUP, 0, at);
    Pump();
  }
  void Key(WPARAM key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0);
    Pump();
  }
  // The first level's window rectangle, or an empty one.
  TRect FirstLevel() const {
    TskSkinMenu& menu = Frame().SkinMenu();
    if (!menu.Visible()) return {};
    RECT r{};
    GetWindowRect(menu.Level(0)->Handle(), &r);
    return FromRECT(r);
  }
  // Types a character into the keyword box the way the keyboard does.
  void Type(char ch) {
    PostMessageW(GetFocus(), WM_KEYDOWN, WPARAM(ch), 0);
    PostMessageW(GetFocus(), WM_KEYUP, WPARAM(ch), 0);
    Pump();
  }
  bool TypingReachesTheKeywordBox() {
    form->edtName->SetText("");
    form->edtName->SetFocus();
    Type('A');
    return form->edtName->Text() == "a";
  }

  testing::TempDir dir;
  std::unique_ptr<TFrmMain> form;
};

TEST_F(MainWindowMenusTest, ClickingFileOpensItsMenuBelowTheItemAndEnterRunsTheLitItem) {
  ClickItem(0);
  ASSERT_TRUE(Frame().MenuSession().Visible());
  POINT corner{Bar().Items()[0]->Rect().left, Bar().Items()[0]->Rect().bottom};
  ClientToScreen(Bar().Handle(), &corner);
  EXPECT_EQ(FirstLevel().left, corner.x);
  EXPECT_EQ(FirstLevel().top, corner.y);
  EXPECT_EQ(FirstLevel().Height(), 3 * 22 + 4);
  EXPECT_TRUE(Bar().Items()[0]->Down());
  // "Open directory" is lit; Down lights "Remove file index", Enter runs it once the menu is gone.
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_FALSE(Frame().MenuSession().Visible());
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].text, kAskClear);
  EXPECT_FALSE(Bar().Items()[0]->Down());
  EXPECT_FALSE(Frame().MenuSession().BarSelected());
  EXPECT_TRUE(TypingReachesTheKeywordBox());
}

TEST_F(MainWindowMenusTest, F10TheArrowsAndEscDriveTheBar) {
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  EXPECT_TRUE(Frame().MenuSession().BarSelected());
  EXPECT_TRUE(Bar().Items()[0]->Hot());
  EXPECT_FALSE(Frame().MenuSession().Visible());
  Key(VK_RIGHT);
  EXPECT_TRUE(Bar().Items()[1]->Hot());
  Key(VK_DOWN);
  ASSERT_TRUE(Frame().MenuSession().Visible());
  EXPECT_TRUE(Bar().Items()[1]->Down());
  // Right with a menu open moves to the next menu.
  Key(VK_RIGHT);
  EXPECT_TRUE(Frame().MenuSession().Visible());
  EXPECT_TRUE(Bar().Items()[2]->Down());
  // Esc closes the menu and keeps menu mode on the item; a second Esc leaves menu mode.
  Key(VK_ESCAPE);
  EXPECT_FALSE(Frame().MenuSession().Visible());
  EXPECT_TRUE(Frame().MenuSession().BarSelected());
  EXPECT_EQ(form->edtName->Text(), "");
  Key(VK_ESCAPE);
  EXPECT_FALSE(Frame().MenuSession().BarSelected());
  EXPECT_FALSE(Bar().Items()[2]->Hot());
  EXPECT_TRUE(TypingReachesTheKeywordBox());
}

TEST_F(MainWindowMenusTest, MovingAlongTheBarWhileAMenuIsOpenSwitchesMenus) {
  ClickItem(0);
  ASSERT_TRUE(Frame().MenuSession().Visible());
  const TRect file_menu = FirstLevel();
  const TPoint p = ItemCentre(1);
  POINT screen{p.x, p.y};
  ClientToScreen(Bar().Handle(), &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageW(Bar().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
  // The bar polls the pointer; give it a few ticks.
  testing::PumpUntil([&] { return Bar().Items()[1]->Down(); }, 600);
  EXPECT_TRUE(Bar().Items()[1]->Down());
  EXPECT_FALSE(Bar().Items()[0]->Down());
  ASSERT_TRUE(Frame().MenuSession().Visible());
  EXPECT_GT(FirstLevel().left, file_menu.left);
  Key(VK_ESCAPE);
  Key(VK_ESCAPE);
  EXPECT_TRUE(TypingReachesTheKeywordBox());
}

TEST_F(MainWindowMenusTest, AClickElsewhereClosesTheMenuAndStillActs) {
  ClickItem(0);
  ASSERT_TRUE(Frame().MenuSession().Visible());
  // A press in the keyword box: the window hears of it first and closes the menu.
  SendMessageW(form->Handle(), WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(200, 40));
  EXPECT_FALSE(Frame().MenuSession().Visible());
  EXPECT_FALSE(Frame().MenuSession().BarSelected());
  EXPECT_FALSE(Bar().Items()[0]->Down());
  EXPECT_TRUE(TypingReachesTheKeywordBox());
}

TEST_F(MainWindowMenusTest, WhileAMenuIsOpenNoKeyReachesTheKeywordBox) {
  ClickItem(1);
  ASSERT_TRUE(Frame().MenuSession().Visible());
  Type('A');
  Type('B');
  EXPECT_EQ(form->edtName->Text(), "");
  Key(VK_ESCAPE);
  Key(VK_ESCAPE);
  EXPECT_FALSE(Frame().MenuSession().BarSelected());
  EXPECT_TRUE(TypingReachesTheKeywordBox());
}

TEST_F(MainWindowMenusTest, GreyedItemsCannotBeLitOrRun) {
  // As while a rebuild runs.
  form->mniRefresh->SetEnabled(false);
  form->mniIndex->SetEnabled(false);
  ClickItem(0);
  ASSERT_TRUE(Frame().MenuSession().Visible());
  // "Open directory" is the only enabled item: Down finds nothing else and Enter runs it.
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_TRUE(dialogs.questions.empty());
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].file, "explorer.exe");
}

// Opens the File menu while the walk is between its two roots, and runs what the keyboard reaches.
class MenuDuringWalk : public IndexProgress {
 public:
  std::function<void()> between_roots;
  void SetTotalParts(int) override {}
  void SetPartsComplete(int complete) override {
    if (complete == 1 && between_roots) between_roots();
  }
};

TEST_F(MainWindowMenusTest, MenusOpenedDuringARebuildStartedFromTheMenuWork) {
  dir.Write("r1\\a.txt", "");
  dir.Write("r2\\b.txt", "");
  dir.Write("data\\list.txt", dir.Str() + "r1\\\r\n" + dir.Str() + "r2\\\r\n");
  MenuDuringWalk probe;
  form->SetProgressBar(&probe);
  bool greyed_while_open = false;
  probe.between_roots = [&] {
    ClickItem(0);
    greyed_while_open = Frame().MenuSession().Visible() && !form->mniIndex->Enabled();
    // Only "Open directory" can be lit: Down stays on it and Enter runs it.
    Key(VK_DOWN);
    Key(VK_RETURN);
  };
  // Rebuild the index file: the third item.
  ClickItem(0);
  Key(VK_DOWN);
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_TRUE(greyed_while_open);
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].file, "explorer.exe");
  // The walk went on to the end and wrote both roots.
  const std::string index = dir.Read("vl.vl");
  EXPECT_NE(index.find("r1\\a.txt"), std::string::npos);
  EXPECT_NE(index.find("r2\\b.txt"), std::string::npos);
  EXPECT_TRUE(form->mniIndex->Enabled());
  EXPECT_FALSE(Frame().MenuSession().Visible());
  EXPECT_TRUE(TypingReachesTheKeywordBox());
}

}  // namespace
}  // namespace vl
