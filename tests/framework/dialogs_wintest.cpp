// The real message boxes, answered from a timer while they wait: the fixed texts arrive whole
// as UTF-16 (full-width marks included) whatever the ANSI code page, the captions are the
// application title or "Tips", and the error box adds its closing stop.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/application_win.h"

namespace vl {
namespace {

struct SeenBox {
  std::wstring caption;
  std::wstring text;
  bool found = false;
};

SeenBox g_seen;
int g_answer = IDOK;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(L"#32770", nullptr);
  if (!box) return;
  KillTimer(nullptr, timer);
  wchar_t buffer[512] = {};
  GetWindowTextW(box, buffer, 512);
  g_seen.caption = buffer;
  GetDlgItemTextW(box, 0xFFFF, buffer, 512);
  g_seen.text = buffer;
  g_seen.found = true;
  PostMessageW(box, WM_COMMAND, WPARAM(g_answer), 0);
}

class RealDialogsTest : public ::testing::Test {
 protected:
  RealDialogsTest() {
    Application().SetTitle("Vorlisk");
    Application().SetDialogs(nullptr);
    g_seen = {};
    g_answer = IDOK;
    SetTimer(nullptr, 0, 50, &AnswerBox);
  }
};

TEST_F(RealDialogsTest, TheInformationMessageShowsTheUtf8TextThroughTheWideCall) {
  Application().GetDialogs().Inform("Successfully saved\xEF\xBC\x81");
  ASSERT_TRUE(g_seen.found);
  EXPECT_EQ(g_seen.caption, L"Vorlisk");
  EXPECT_EQ(g_seen.text, L"Successfully saved\xFF01");
}

TEST_F(RealDialogsTest, TheQuestionBoxIsCaptionedTipsAndReturnsTheAnswer) {
  g_answer = IDCANCEL;
  const int answer = Application().GetDialogs().Ask(nullptr, "Sure to Quit\xEF\xBC\x9F",
                                                    mb::kOkCancel | mb::kIconQuestion);
  ASSERT_TRUE(g_seen.found);
  EXPECT_EQ(answer, IDCANCEL);
  EXPECT_EQ(g_seen.caption, L"Tips");
  EXPECT_EQ(g_seen.text, L"Sure to Quit\xFF1F");
}

TEST_F(RealDialogsTest, TheErrorBoxShowsTheAnsiTextWithItsStop) {
  Application().HandleException(std::runtime_error("Cannot open clipboard"));
  ASSERT_TRUE(g_seen.found);
  EXPECT_EQ(g_seen.caption, L"Vorlisk");
  EXPECT_EQ(g_seen.text, L"Cannot open clipboard.");
}

// The window that was active before a box, and the control focused in it, are so again after
// it, for every kind of box: typing goes on where it was without a click.
TEST_F(RealDialogsTest, EveryBoxGivesBackTheActiveWindowAndTheFocusedControl) {
  HWND window = CreateWindowExW(0, L"STATIC", L"before the box", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 200, 24,
                              window, nullptr, nullptr, nullptr);
  const std::function<void()> boxes[] = {
      [] { Application().GetDialogs().Inform("The file name cannot be empty\xEF\xBC\x81"); },
      [] { Application().GetDialogs().ShowError("Cannot open clipboard"); },
      [window] {
        Application().GetDialogs().Ask(window, "Sure to Quit\xEF\xBC\x9F", mb::kOkCancel);
      },
  };
  for (const auto& box : boxes) {
    SetForegroundWindow(window);
    SetFocus(edit);
    g_seen = {};
    // The fixture's timer answers the first box.
    if (&box != &boxes[0]) SetTimer(nullptr, 0, 50, &AnswerBox);
    box();
    ASSERT_TRUE(g_seen.found);
    EXPECT_EQ(GetActiveWindow(), window) << testing::PrintToString(g_seen.text);
    EXPECT_EQ(GetFocus(), edit) << testing::PrintToString(g_seen.text);
  }
  DestroyWindow(window);
}

}  // namespace
}  // namespace vl
