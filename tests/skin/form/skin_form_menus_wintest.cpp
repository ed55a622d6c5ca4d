// The skinned frame's menus with the carried skin: the system menu's items for each window
// state, its three openers, the application hook that keeps keys and the wheel away from the
// focused control while a menu is open (and only then), menu mode with a linked menu bar, and
// the closing of menus before the window acts on a press, a move or a change of activation.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/edit_win.h"
#include "skin/controls/skin_menu_win.h"
#include "skin/data/carried_skin_win.h"
#include "skin/form/skin_form_win.h"
#include "support/framed_form_win.h"
#include "support/gui_test_win.h"

namespace vl {
namespace {

using testing::Pump;

// Records what the frame asks of its menu bar.
class FakeBar : public TskMenuBarLink {
 public:
  std::vector<std::string> calls;
  bool open_selected_result = false;
  wchar_t accelerator = L'f';

  bool OpenByAccelerator(wchar_t key) override {
    calls.push_back(std::string("accelerator ") + char(key));
    return key == accelerator;
  }
  bool HasAccelerator(wchar_t key) const override { return key == accelerator; }
  void SelectNextItem() override { calls.push_back("next"); }
  void SelectPreviousItem() override { calls.push_back("previous"); }
  bool OpenSelectedItem() override {
    calls.push_back("open selected");
    return open_selected_result;
  }
  void EnterMenuModeFromKeyboard() override { calls.push_back("enter"); }
  void PopupClosedInMenuMode() override { calls.push_back("popup closed"); }
  void LeaveMenuMode() override { calls.push_back("leave"); }
  TMenu* BarMenu() const override { return nullptr; }
  TMenuItem* OpenItem() const override { return nullptr; }
};

class SkinFormMenusTest : public testing::FramedFormTest {
 protected:
  SkinFormMenusTest() {
    UseCarriedSkin();
    form.SetCaption("Vorlisk");
    form.SetClientSize(420, 305);
    edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 10, 200, 22);
    ShowFramed();
    SetForegroundWindow(form.Handle());
    edit->SetFocus();
    Pump();
  }
  ~SkinFormMenusTest() override { frame->SetMainMenuBar(nullptr); }

  std::vector<std::wstring> Captions(const std::vector<TMenuItem*>& items) {
    std::vector<std::wstring> out;
    for (TMenuItem* item : items) out.push_back(item->ShownCaption());
    return out;
  }
  static std::vector<HWND> Popups() { return testing::VisiblePopups(); }
  void Key(UINT msg, WPARAM key) {
    PostMessageW(GetFocus() ? GetFocus() : H(), msg, key, msg == WM_SYSKEYDOWN ? (1 << 29) : 0);
    Pump();
  }
  void RightClickCaption(TPoint screen) {
    SendMessageW(H(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
    Pump();
  }
  TPoint CaptionPoint() const { return {Bounds().left + 150, Bounds().top + 12}; }
  std::wstring EditText() const {
    wchar_t text[64] = {};
    GetWindowTextW(edit->Handle(), text, 64);
    return text;
  }
  void TypeA() {
    Key(WM_KEYDOWN, 'A');
    Key(WM_KEYUP, 'A');
  }

  TEdit* edit = nullptr;
};

TEST_F(SkinFormMenusTest, TheSystemMenuListsTheCommandsOfTheWindowsState) {
  std::vector<TMenuItem*> items = frame->SystemMenuItems();
  EXPECT_EQ(Captions(items), (std::vector<std::wstring>{L"Minimize", L"Maximize", L"-", L"Close"}));
  EXPECT_EQ(items.back()->Name(), "BSF_CLOSE");
  EXPECT_EQ(items.back()->ShortCutText(), L"Alt+F4");
  EXPECT_EQ(items[0]->Accelerator(), L'n');

  frame->SetWindowState(TskWindowState::wsMaximized);
  items = frame->SystemMenuItems();
  EXPECT_EQ(Captions(items), (std::vector<std::wstring>{L"Minimize", L"Restore", L"-", L"Close"}));
  EXPECT_EQ(items[1]->Name(), "BSF_RESTORE");
  items[1]->Click();
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsNormal);

  // The items run the window commands.
  items = frame->SystemMenuItems();
  items[1]->Click();
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsMaximized);
  frame->SetWindowState(TskWindowState::wsNormal);
  items = frame->SystemMenuItems();
  items[0]->Click();
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsMinimized);
  frame->SetWindowState(TskWindowState::wsNormal);
  // Close takes the window's own close path: a window that is not the main one hides.
  frame->SystemMenuItems().back()->Click();
  EXPECT_FALSE(IsWindowVisible(H()));
}

TEST_F(SkinFormMenusTest, ARightClickOnTheCaptionOpensTheMenuAtThePointerAndEscClosesIt) {
  const TPoint at = CaptionPoint();
  RightClickCaption(at);
  ASSERT_TRUE(frame->MenuSession().Visible());
  EXPECT_TRUE(frame->MenuSession().PopupOpen());
  EXPECT_TRUE(frame->MenuSession().HookInstalled());
  const std::vector<HWND> popups = Popups();
  ASSERT_EQ(popups.size(), 1u);
  RECT r;
  GetWindowRect(popups[0], &r);
  EXPECT_EQ(r.left, at.x);
  EXPECT_EQ(r.top, at.y);
  // Keys go to the menu, not to the edit with the focus.
  TypeA();
  EXPECT_EQ(EditText(), L"");
  Key(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_FALSE(frame->MenuSession().Visible());
  EXPECT_FALSE(frame->MenuSession().PopupOpen());
  EXPECT_FALSE(frame->MenuSession().HookInstalled());
  TypeA();
  EXPECT_EQ(EditText(), L"a");
}

TEST_F(SkinFormMenusTest, AltSpaceOpensTheMenuUnderTheSystemMenuButton) {
  Key(WM_SYSKEYDOWN, VK_MENU);
  Key(WM_SYSKEYDOWN, VK_SPACE);
  ASSERT_TRUE(frame->MenuSession().Visible());
  const TRect button =
      frame->FindButton(TStdCommand::cmSysMenu)->rect.Offset(Bounds().left, Bounds().top);
  const std::vector<HWND> popups = Popups();
  ASSERT_EQ(popups.size(), 1u);
  RECT r;
  GetWindowRect(popups[0], &r);
  EXPECT_EQ(r.left, button.left);
  EXPECT_EQ(r.top, button.bottom);
  // The releases of Space and Alt are the short-cut's own: the menu stays open after them.
  Key(WM_SYSKEYUP, VK_SPACE);
  Key(WM_KEYUP, VK_MENU);
  EXPECT_TRUE(frame->MenuSession().Visible());
  Key(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_FALSE(frame->MenuSession().HookInstalled());
}

TEST_F(SkinFormMenusTest, ARightClickThenAltSpaceLeavesNoHookBehind) {
  RightClickCaption(CaptionPoint());
  ASSERT_TRUE(frame->MenuSession().Visible());
  Key(WM_SYSKEYDOWN, VK_SPACE);
  EXPECT_TRUE(frame->MenuSession().Visible());
  EXPECT_EQ(Popups().size(), 1u);
  Key(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_FALSE(frame->MenuSession().Visible());
  EXPECT_FALSE(frame->MenuSession().HookInstalled());
  TypeA();
  EXPECT_EQ(EditText(), L"a");
}

TEST_F(SkinFormMenusTest, TheWheelIsDroppedWhileAMenuIsOpenAndAltF4StillPasses) {
  int wheels = 0;
  Application().InstallMessageHook(&wheels, [&](MSG& msg) {
    wheels += msg.message == WM_MOUSEWHEEL;
    return false;
  });
  RightClickCaption(CaptionPoint());
  PostMessageW(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  Pump();
  EXPECT_EQ(wheels, 0);  // the frame's hook, the newest, took it
  // System key-downs pass the hook: Alt+F4 reaches the window (which asks to close).
  bool asked = false;
  frame->OnShortCut = [&](const MSG& msg) {
    asked = asked || (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4);
    return false;
  };
  Key(WM_SYSKEYDOWN, VK_F4);
  EXPECT_TRUE(asked);
  frame->OnShortCut = nullptr;
  frame->MenuSession().End();
  EXPECT_FALSE(frame->MenuSession().HookInstalled());
  PostMessageW(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  Pump();
  EXPECT_EQ(wheels, 1);
  Application().RemoveMessageHook(&wheels);
}

TEST_F(SkinFormMenusTest, TheSystemMenuButtonStaysDownWhileItsMenuIsOpen) {
  TskSkinStdButtonObject* button = frame->FindButton(TStdCommand::cmSysMenu);
  const TRect b = Bounds();
  const TPoint centre{b.left + (button->rect.left + button->rect.right) / 2,
                      b.top + (button->rect.top + button->rect.bottom) / 2};
  SetCursorPos(centre.x, centre.y);
  const LPARAM at = MAKELPARAM(centre.x, centre.y);
  const int hit = int(SendMessageW(H(), WM_NCHITTEST, 0, at));
  SendMessageW(H(), WM_NCLBUTTONDOWN, WPARAM(hit), at);
  ASSERT_TRUE(frame->MenuSession().Visible());
  EXPECT_TRUE(button->down);
  POINT client{centre.x, centre.y};
  ScreenToClient(H(), &client);
  SendMessageW(H(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  EXPECT_TRUE(button->down);
  EXPECT_TRUE(frame->MenuSession().Visible());
  frame->MenuSession().End();
  EXPECT_FALSE(button->down);
  SetCursorPos(5, 5);
}

TEST_F(SkinFormMenusTest, APressOrAChangeOfActivationClosesTheMenuFirst) {
  const UINT closers[] = {WM_LBUTTONDOWN, WM_NCLBUTTONDOWN, WM_CANCELMODE,
                          WM_ACTIVATE,    WM_NCACTIVATE,    WM_MOVE};
  for (UINT msg : closers) {
    frame->ShowSystemMenuAt(CaptionPoint());
    ASSERT_TRUE(frame->MenuSession().Visible()) << msg;
    SendMessageW(H(), msg, msg == WM_NCLBUTTONDOWN ? HTCLIENT : 0, 0);
    EXPECT_FALSE(frame->MenuSession().Visible()) << msg;
    EXPECT_FALSE(frame->MenuSession().PopupOpen()) << msg;
    EXPECT_FALSE(frame->MenuSession().HookInstalled()) << msg;
  }
  // A child being made is no reason to close.
  frame->ShowSystemMenuAt(CaptionPoint());
  SendMessageW(H(), WM_PARENTNOTIFY, WM_CREATE, 0);
  EXPECT_TRUE(frame->MenuSession().Visible());
  SendMessageW(H(), WM_PARENTNOTIFY, WM_LBUTTONDOWN, 0);
  EXPECT_FALSE(frame->MenuSession().Visible());
}

TEST_F(SkinFormMenusTest, ASkinChangeClosesTheOpenMenuFirst) {
  frame->ShowSystemMenuAt(CaptionPoint());
  ASSERT_TRUE(frame->MenuSession().Visible());
  skin_data->LoadPackage(skin_list->Skins().Item(0).StoredSkin());
  EXPECT_TRUE(frame->SkinLoaded());
  EXPECT_FALSE(frame->MenuSession().Visible());
  EXPECT_FALSE(frame->MenuSession().HookInstalled());
  EXPECT_TRUE(Popups().empty());
  TypeA();
  EXPECT_EQ(EditText(), L"a");
}

TEST_F(SkinFormMenusTest, AltOrF10ChangesNothingWithoutALinkedMenuBar) {
  SendMessageW(H(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  EXPECT_FALSE(frame->MenuSession().BarSelected());
  EXPECT_FALSE(frame->MenuSession().HookInstalled());
  TypeA();
  EXPECT_EQ(EditText(), L"a");
}

TEST_F(SkinFormMenusTest, MenuModeDrivesTheLinkedBarAndEscLeavesIt) {
  FakeBar bar;
  frame->SetMainMenuBar(&bar);
  int entered = 0, left = 0;
  frame->OnMainMenuEnter = [&] { ++entered; };
  frame->OnMainMenuExit = [&] { ++left; };
  SendMessageW(H(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  EXPECT_EQ(bar.calls, std::vector<std::string>{"enter"});
  // The bar answers by entering menu mode through the host, as a real bar does.
  frame->MenuSession().SelectBar();
  EXPECT_TRUE(frame->MenuSession().BarSelected());
  EXPECT_EQ(entered, 1);
  bar.calls.clear();
  Key(WM_KEYDOWN, VK_RIGHT);
  Key(WM_KEYDOWN, VK_LEFT);
  Key(WM_KEYDOWN, VK_RETURN);
  Key(WM_KEYDOWN, 'F');
  EXPECT_EQ(bar.calls,
            (std::vector<std::string>{"next", "previous", "open selected", "accelerator f"}));
  EXPECT_EQ(EditText(), L"");
  bar.calls.clear();
  Key(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_FALSE(frame->MenuSession().BarSelected());
  EXPECT_EQ(left, 1);
  EXPECT_FALSE(frame->MenuSession().HookInstalled());
  EXPECT_EQ(bar.calls, std::vector<std::string>{"leave"});
  TypeA();
  EXPECT_EQ(EditText(), L"a");
}

TEST_F(SkinFormMenusTest, AltLetterOfABarItemIsTakenWithItsReleases) {
  FakeBar bar;
  frame->SetMainMenuBar(&bar);
  Key(WM_SYSKEYDOWN, 'F');
  EXPECT_EQ(bar.calls, std::vector<std::string>{"accelerator f"});
  bar.calls.clear();
  // Not an accelerator of the bar: nothing is taken.
  Key(WM_SYSKEYDOWN, 'Q');
  EXPECT_TRUE(bar.calls.empty());
}

}  // namespace
}  // namespace vl
