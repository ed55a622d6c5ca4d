// The message loop's filters, short-cut handler and posted tasks under Wine: filters stack by
// owner and leave only when their owner removes them, a filter may remove itself while it runs,
// a short-cut that took a key also takes its release, and posted tasks run after the message
// that posted them, in order, even when one fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/edit_win.h"
#include "framework/errors.h"
#include "framework/form_win.h"
#include "framework/menu_win.h"
#include "support/gui_test_win.h"

namespace vl {
namespace {

using testing::Pump;

class KeyForm : public TForm {
 public:
  KeyForm() : TForm(nullptr) { HandleNeeded(); }
  std::vector<UINT> seen;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP) {
      seen.push_back(msg);
    }
    return TForm::WndProc(msg, wparam, lparam);
  }
};

class MessageLoopTest : public testing::SeamsFixture {};

class Panel : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint(HDC) override {}
};

void PostKey(HWND window, UINT msg, WPARAM key) {
  PostMessageW(window, msg, key, 1);
}

TEST_F(MessageLoopTest, TheNewestFilterDecidesAndOnlyItsOwnerRemovesIt) {
  KeyForm form;
  int first = 0, second = 0;
  int a = 0, b = 0;
  Application().InstallMessageHook(&a, [&](MSG& msg) {
    if (msg.message == WM_KEYDOWN) ++first;
    return msg.message == WM_KEYDOWN;
  });
  Application().InstallMessageHook(&b, [&](MSG& msg) {
    if (msg.message == WM_KEYDOWN) ++second;
    return msg.message == WM_KEYDOWN;
  });
  PostKey(form.Handle(), WM_KEYDOWN, 'A');
  Pump();
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 1);
  EXPECT_TRUE(form.seen.empty());

  // Removing a filter that is not the newest leaves the newest one working.
  Application().RemoveMessageHook(&a);
  PostKey(form.Handle(), WM_KEYDOWN, 'A');
  Pump();
  EXPECT_EQ(second, 2);
  EXPECT_FALSE(Application().HasMessageHook(&a));
  Application().RemoveMessageHook(&b);
  PostKey(form.Handle(), WM_KEYDOWN, 'A');
  Pump();
  EXPECT_EQ(second, 2);
  EXPECT_EQ(form.seen, std::vector<UINT>{WM_KEYDOWN});
}

TEST_F(MessageLoopTest, InstallingTwiceForOneOwnerKeepsOneFilter) {
  KeyForm form;
  int owner = 0, calls = 0;
  Application().InstallMessageHook(&owner, [&](MSG&) { return ++calls, false; });
  Application().InstallMessageHook(&owner, [&](MSG&) { return ++calls, false; });
  Application().RemoveMessageHook(&owner);
  PostKey(form.Handle(), WM_KEYDOWN, 'A');
  Pump();
  EXPECT_EQ(calls, 0);
  EXPECT_FALSE(Application().HasMessageHook(&owner));
}

TEST_F(MessageLoopTest, AFilterThatRemovesItselfFinishesItsCall) {
  KeyForm form;
  int owner = 0;
  std::string text = "kept alive";
  std::string seen;
  Application().InstallMessageHook(&owner, [&, text](MSG&) {
    Application().RemoveMessageHook(&owner);
    seen = text;  // the captured state is still there after the removal
    return true;
  });
  PostKey(form.Handle(), WM_KEYDOWN, 'A');
  PostKey(form.Handle(), WM_KEYDOWN, 'B');
  Pump();
  EXPECT_EQ(seen, "kept alive");
  EXPECT_FALSE(Application().HasMessageHook(&owner));
  EXPECT_EQ(form.seen.size(), 1u);  // the second key passed
}

TEST_F(MessageLoopTest, AShortCutTakesTheKeyAndItsRelease) {
  KeyForm form;
  std::vector<WPARAM> offered;
  form.ShortCutHandler = [&](const MSG& msg) {
    offered.push_back(msg.wParam);
    return msg.wParam == VK_F2;
  };
  PostKey(form.Handle(), WM_KEYDOWN, VK_F2);
  PostKey(form.Handle(), WM_KEYUP, VK_F2);
  PostKey(form.Handle(), WM_KEYDOWN, 'A');
  PostKey(form.Handle(), WM_KEYUP, 'A');
  Pump();
  EXPECT_EQ(offered, (std::vector<WPARAM>{VK_F2, 'A'}));
  EXPECT_EQ(form.seen, (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}));
  form.ShortCutHandler = nullptr;
}

TEST_F(MessageLoopTest, PostedTasksRunLaterInOrderAndAFailureStopsNoneOfTheOthers) {
  std::vector<int> ran;
  Application().Post([&] { ran.push_back(1); });
  Application().Post([&] {
    ran.push_back(2);
    Application().Post([&] { ran.push_back(4); });
    throw Error("task failed");
  });
  Application().Post([&] { ran.push_back(3); });
  EXPECT_TRUE(ran.empty());
  Pump();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0], "task failed");
}

TEST_F(MessageLoopTest, HiddenAndCheckedItemsAndShortCutSearch) {
  TMainMenu menu(nullptr);
  TMenuItem file(nullptr, &menu, "&File");
  TMenuItem open(nullptr, &file, "&Open");
  TMenuItem close(nullptr, &file, "&Close");
  TMenuItem hidden(nullptr, &menu, "&Hidden");
  close.ShortCut = {VK_F4, false, false, true};
  hidden.SetVisible(false);
  EXPECT_EQ(menu.VisibleItems(), std::vector<TMenuItem*>{&file});
  EXPECT_EQ(menu.FindShortCut({VK_F4, false, false, true}), &close);
  close.SetEnabled(false);
  EXPECT_EQ(menu.FindShortCut({VK_F4, false, false, true}), nullptr);
  EXPECT_EQ(menu.FindShortCut({}), nullptr);
  EXPECT_EQ(file.Accelerator(), L'f');
  EXPECT_EQ(file.ShownCaption(), L"File");
}

// The loop asks the focused control which keys it wants with the message itself, which puts a
// multi-line edit in dialog mode: it then answers Esc by asking its parent to close. A control is
// never closed that way, and an edit whose window goes with its parent's keeps its text.
TEST_F(MessageLoopTest, EscInAMultiLineEditLeavesItAndItsParentWhole) {
  KeyForm form;
  auto* panel = new Panel(&form);
  panel->SetBounds(0, 0, 200, 200);
  panel->SetParent(&form);
  auto* memo = new TMemo(&form);
  memo->SetBounds(0, 0, 180, 180);
  memo->SetParent(panel);
  memo->SetText("C:\\\r\nD:\\");
  form.Show();
  SetFocus(memo->Handle());
  PostKey(memo->Handle(), WM_KEYDOWN, VK_ESCAPE);
  PostKey(memo->Handle(), WM_KEYUP, VK_ESCAPE);
  Pump();
  EXPECT_TRUE(IsWindow(panel->Handle()));
  EXPECT_TRUE(IsWindow(memo->Handle()));
  EXPECT_EQ(memo->Text(), "C:\\\r\nD:\\");

  DestroyWindow(panel->Handle());
  EXPECT_FALSE(memo->HandleAllocated());
  EXPECT_EQ(memo->Text(), "C:\\\r\nD:\\");
  form.Release();
}

}  // namespace
}  // namespace vl
