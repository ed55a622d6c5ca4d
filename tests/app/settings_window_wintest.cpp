// The settings window driven through its real controls: what it offers without a root list,
// saving and reloading byte for byte, and what hiding and showing do to unsaved edits.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/unit_set.h"
#include "app/unit_set_win.h"
#include "framework/errors.h"
#include "skin/paint/paint_win.h"
#include "support/gui_test_win.h"
#include "support/temp_dir.h"

namespace vl {
namespace {

using testing::Click;

class SettingsWindowTest : public testing::SeamsFixture {
 protected:
  SettingsWindowTest() {
    dir.Write("data\\.keep", "");
    form = std::make_unique<TFrmSet>(nullptr, dir.Str());
  }
  ~SettingsWindowTest() override { form->Release(); }

  testing::TempDir dir;
  std::unique_ptr<TFrmSet> form;
};

TEST_F(SettingsWindowTest, IsCreatedHiddenWithItsLayout) {
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(form->ClientWidth(), 420);
  EXPECT_EQ(form->ClientHeight(), 305);
  EXPECT_EQ(form->pnl1->BoundsRect(), (TRect{0, 0, 185, 305}));
  // With the carried skin the label and the buttons take the skin's heights, 19 and 22.
  EXPECT_EQ(form->lbl1->BoundsRect(), (TRect{1, 1, 184, 20}));
  EXPECT_EQ(form->mmoList->BoundsRect(), (TRect{1, 40, 184, 304}));
  EXPECT_EQ(form->btnSave->BoundsRect(), (TRect{272, 32, 347, 54}));
  EXPECT_EQ(form->btnclose->BoundsRect(), (TRect{272, 112, 347, 134}));
  // Its own copy of the carried skin, loaded as it was created.
  EXPECT_FALSE(form->skSkinData1->Empty());
  EXPECT_EQ(form->mmoList->SkinData(), form->skSkinData1);
}

TEST_F(SettingsWindowTest, HasTheSkinnedFrameAroundItsClientArea) {
  form->Show();
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 428);
  EXPECT_EQ(r.bottom - r.top, 336);
  EXPECT_EQ(form->ClientWidth(), 420);
  EXPECT_EQ(form->ClientHeight(), 305);
  EXPECT_TRUE(form->skSkinForm1->SkinLoaded());
  // Close, maximize, minimize and the system menu; no roll-up or tray button.
  EXPECT_NE(form->skSkinForm1->FindButton(TStdCommand::cmClose), nullptr);
  EXPECT_NE(form->skSkinForm1->FindButton(TStdCommand::cmSysMenu), nullptr);
  EXPECT_EQ(form->skSkinForm1->FindButton(TStdCommand::cmRollUp), nullptr);
  EXPECT_EQ(form->skSkinForm1->FindButton(TStdCommand::cmMinimizeToTray), nullptr);
  const LPARAM caption = MAKELPARAM(r.left + 200, r.top + 12);
  EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, caption), HTCAPTION);
}

TEST_F(SettingsWindowTest, MinimizesToABarAndComesBackOnADoubleClick) {
  form->Show();
  RECT before;
  GetWindowRect(form->Handle(), &before);
  form->skSkinForm1->SetWindowState(TskWindowState::wsMinimized);
  RECT r;
  GetWindowRect(form->Handle(), &r);
  const TRect work = WorkAreaOf(form->Handle(), false);
  EXPECT_EQ(FromRECT(r), RectOfSize(work.left, work.bottom - 31, 200, 31));
  SendMessageW(form->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(r.left + 100, r.top + 12));
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(FromRECT(r), FromRECT(before));
  EXPECT_EQ(form->ClientHeight(), 305);
}

TEST_F(SettingsWindowTest, PanelsFollowALiveResize) {
  form->Show();
  SendMessageW(form->Handle(), WM_ENTERSIZEMOVE, 0, 0);
  form->SetBounds(form->Left(), form->Top(), 528, 436);
  // The window's own size handling runs during the loop, so the aligned panel follows at once.
  EXPECT_EQ(form->ClientHeight(), 405);
  EXPECT_EQ(form->pnl1->Height(), 405);
  SendMessageW(form->Handle(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(form->pnl1->Height(), 405);
}

TEST_F(SettingsWindowTest, TheCloseButtonHidesTheWindow) {
  form->Show();
  TskSkinStdButtonObject* close = form->skSkinForm1->FindButton(TStdCommand::cmClose);
  ASSERT_NE(close, nullptr);
  RECT r;
  GetWindowRect(form->Handle(), &r);
  const int x = (close->rect.left + close->rect.right) / 2;
  const int y = (close->rect.top + close->rect.bottom) / 2;
  const LPARAM at = MAKELPARAM(r.left + x, r.top + y);
  ASSERT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, at), 19);
  SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, 19, at);
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x - 4, y - 27));
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(Application().Terminated());
}

TEST_F(SettingsWindowTest, WithoutARootListEveryPresentDriveIsOffered) {
  form->Show();
  const std::string offered = form->mmoList->Text();
  EXPECT_EQ(offered, DrivesText(GetLogicalDrives()));
  EXPECT_NE(offered.find("C:\\\r\n"), std::string::npos);

  Click(form->btnSave->Handle());
  EXPECT_EQ(dir.Read("data\\list.txt"), offered);
  EXPECT_EQ(dialogs.informs, std::vector<std::string>{"Successfully saved\xEF\xBC\x81"});
}

TEST_F(SettingsWindowTest, SavesTheEditorTextByteForByteAndReloadsWithCrLf) {
  form->Show();
  form->mmoList->SetText("C:\\\r\nD:\\Data\\");
  Click(form->btnSave->Handle());
  EXPECT_EQ(dir.Read("data\\list.txt"), "C:\\\r\nD:\\Data\\");

  form->Hide();
  dir.Write("data\\list.txt", std::string("X:\\\nY:\\\rZ:\\\n\0W:\\", 16));
  form->Show();
  EXPECT_EQ(form->mmoList->Text(), "X:\\\r\nY:\\\r\nZ:\\\r\n");
}

TEST_F(SettingsWindowTest, EditsSurviveShowingAgainButNotHidingAndShowing) {
  dir.Write("data\\list.txt", "C:\\\r\n");
  form->Show();
  form->mmoList->SetText("edited");
  form->Show();
  EXPECT_EQ(form->mmoList->Text(), "edited");

  Click(form->btnclose->Handle());
  EXPECT_FALSE(form->Visible());
  form->Show();
  EXPECT_EQ(form->mmoList->Text(), "C:\\\r\n");

  form->mmoList->SetText("edited again");
  form->Perform(WM_CLOSE);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(Application().Terminated());
  EXPECT_EQ(dir.Read("data\\list.txt"), "C:\\\r\n");
}

TEST_F(SettingsWindowTest, AFailedSaveShowsTheErrorBoxAndKeepsTheText) {
  form->Show();
  form->mmoList->SetText("C:\\");
  std::filesystem::remove_all(dir.Path() / "data");
  Click(form->btnSave->Handle());
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0].rfind("Cannot create file \"", 0), 0u) << dialogs.errors[0];
  EXPECT_TRUE(dialogs.informs.empty());
  EXPECT_EQ(form->mmoList->Text(), "C:\\");
}

// The editor takes any root list a user can keep whole, and a Save after one more typed root
// writes the list plus that root. Lines long enough to make wrapping slow turn it off.
TEST_F(SettingsWindowTest, HoldsEveryRootListWholeAndSavesItWithWhatIsTyped) {
  std::string many;
  while (many.size() < 40000) many += "J:\\roots\\folder\\abcdefghijk\\\r\n";
  struct Case {
    std::string list;
    bool wrapped;
  } cases[] = {
      {many, true},
      {"C:\\\r\n" + std::string(2000, 'a') + "\r\nD:\\\r\n", true},
      {"C:\\\r\n" + std::string(32767, 'a') + "\r\nD:\\\r\n", false},
      {"C:\\\r\n", true},
  };
  for (const Case& c : cases) {
    dir.Write("data\\list.txt", c.list);
    form->Show();
    const HWND edit = form->mmoList->Handle();
    // Compared as a whole: the lists are too long to print.
    EXPECT_TRUE(form->mmoList->Text() == c.list) << c.list.size();
    EXPECT_EQ(form->mmoList->WordWrap(), c.wrapped) << c.list.size();
    EXPECT_EQ((GetWindowLongW(edit, GWL_STYLE) & ES_AUTOHSCROLL) == 0, c.wrapped);
    EXPECT_GE(DWORD(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0)), DWORD(0x7FFFFFFE));
    const auto end = WPARAM(GetWindowTextLengthW(edit));
    SendMessageW(edit, EM_SETSEL, end, LPARAM(end));
    SendMessageW(edit, WM_CHAR, 'x', 0);
    Click(form->btnSave->Handle());
    EXPECT_TRUE(dir.Read("data\\list.txt") == c.list + "x") << c.list.size();
    form->Hide();
  }
}

// A list the editor could not take within seconds is not shown at all: nothing else shown in
// its place could be saved over it.
TEST_F(SettingsWindowTest, ARootListTooLargeForTheEditorStaysClosedAndUntouched) {
  const std::string lists[] = {
      "C:\\\r\n" + std::string(kLongestEditorLine + 1, 'a') + "\r\n",
      std::string(kLargestEditorText / 2, '\n') + "C:\\",
  };
  for (const std::string& list : lists) {
    dir.Write("data\\list.txt", list);
    std::string error;
    try {
      form->Show();
    } catch (const FileError& e) {
      error = e.what();
    }
    EXPECT_EQ(error, "Cannot open file \"" + dir.Str() +
                         "data\\list.txt\". It is too large for "
                         "this editor (more than 2 MB, or a line longer than any folder path). It "
                         "is left as it is; edit it in a text editor");
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(dir.Read("data\\list.txt") == list) << list.size();
  }
}

using testing::VisiblePopups;

void PostKey(HWND window, WPARAM key, bool system = false) {
  PostMessageW(window, system ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 0);
  PostMessageW(window, system ? WM_SYSKEYUP : WM_KEYUP, key, 0);
  testing::Pump();
}

TEST_F(SettingsWindowTest, TheMemoMenuStaysWhileTheMenuKeyOrShiftF10ArePressedOverIt) {
  form->Show();
  SetForegroundWindow(form->Handle());
  form->mmoList->SetText("C:\\");
  form->mmoList->SetFocus();
  const HWND memo = form->mmoList->Handle();
  // From the keyboard: at the memo's centre.
  SendMessageW(memo, WM_CONTEXTMENU, WPARAM(memo), LPARAM(-1));
  testing::Pump();
  ASSERT_TRUE(form->skSkinForm1->MenuSession().Visible());
  const std::vector<HWND> first = VisiblePopups();
  ASSERT_EQ(first.size(), 1u);
  RECT popup, field;
  GetWindowRect(first[0], &popup);
  GetWindowRect(memo, &field);
  EXPECT_EQ(popup.left, (field.left + field.right) / 2);
  EXPECT_EQ(popup.top, (field.top + field.bottom) / 2);

  // The menu key, and F10 with Shift held: no second menu replaces the open one.
  PostKey(memo, VK_APPS);
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  PostKey(memo, VK_F10, true);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(VisiblePopups(), first);
  EXPECT_TRUE(form->skSkinForm1->MenuSession().Visible());

  PostKey(memo, VK_ESCAPE);
  EXPECT_FALSE(form->skSkinForm1->MenuSession().Visible());
  EXPECT_FALSE(form->skSkinForm1->MenuSession().HookInstalled());
  // Typing reaches the memo again.
  SendMessageW(memo, EM_SETSEL, 3, 3);
  PostMessageW(memo, WM_KEYDOWN, 'D', 0);
  testing::Pump();
  EXPECT_EQ(form->mmoList->Text(), "C:\\d");
}

TEST_F(SettingsWindowTest, TheMemoMenuRunsSelectAllAfterItHasClosed) {
  form->Show();
  SetForegroundWindow(form->Handle());
  form->mmoList->SetText("C:\\\r\nD:\\");
  SendMessageW(form->mmoList->Handle(), EM_SETSEL, 0, 0);
  form->mmoList->SetFocus();
  SendMessageW(form->mmoList->Handle(), WM_CONTEXTMENU, WPARAM(form->mmoList->Handle()),
               LPARAM(-1));
  testing::Pump();
  ASSERT_TRUE(form->skSkinForm1->MenuSession().Visible());
  // With nothing selected the first lit item is Paste (text on the clipboard) or Select All;
  // Down lands on Select All from either.
  PostKey(form->mmoList->Handle(), VK_DOWN);
  PostKey(form->mmoList->Handle(), VK_RETURN);
  EXPECT_FALSE(form->skSkinForm1->MenuSession().Visible());
  DWORD start = 1, end = 0;
  SendMessageW(form->mmoList->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, DWORD(GetWindowTextLengthW(form->mmoList->Handle())));
}

}  // namespace
}  // namespace vl
