// The framework's window layer under Wine: exceptions stop at the trampoline, forms align and
// close as they should, timers tick, the list asks for its rows, edits report keys and changes,
// and the clipboard carries ANSI text whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "framework/edit_win.h"
#include "framework/errors.h"
#include "framework/form_win.h"
#include "framework/listview_win.h"
#include "framework/timer_win.h"
#include "support/gui_test_win.h"

namespace vl {
namespace {

using testing::Pump;

constexpr UINT kThrow = WM_APP + 1;

class Thrower : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int after = 0;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (msg == kThrow) throw Error("Cannot open file \"x\". Access is denied");
    if (msg == kThrow + 1) return ++after;
    return TCustomControl::WndProc(msg, wparam, lparam);
  }
  void Paint(HDC) override {}
};

class TestForm : public TForm {
 public:
  explicit TestForm(bool allow) : TForm(nullptr), allow_(allow) {}
  int asked = 0;
  int destroyed = 0;

 protected:
  void FormCloseQuery(bool& can_close) override {
    ++asked;
    can_close = allow_;
  }
  void FormDestroy() override { ++destroyed; }

 private:
  bool allow_;
};

class FrameworkTest : public testing::SeamsFixture {};

TEST_F(FrameworkTest, AnExceptionInAWindowProcedureReachesTheErrorBoxAndNoFurther) {
  TestForm form(true);
  auto* control = new Thrower(&form);
  control->SetParent(&form);
  EXPECT_EQ(SendMessageW(control->Handle(), kThrow, 0, 0), 0);
  EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Cannot open file \"x\". Access is denied"});
  EXPECT_EQ(SendMessageW(control->Handle(), kThrow + 1, 0, 0), 1);
  form.Release();
}

// Messages find their control by window; a window that is gone must find none, or a later
// window given the same handle would reach an object that no longer owns it.
TEST_F(FrameworkTest, AWindowLeadsToItsControlOnlyWhileItHasIt) {
  TestForm form(true);
  auto* own = new Thrower(&form);
  own->SetParent(&form);
  auto* list = new TListView(&form);  // a system class, subclassed
  list->SetParent(&form);
  const HWND form_window = form.Handle(), own_window = own->Handle(), list_window = list->Handle();
  EXPECT_EQ(TWinControl::FromHandle(form_window), &form);
  EXPECT_EQ(TWinControl::FromHandle(own_window), own);
  EXPECT_EQ(TWinControl::FromHandle(list_window), list);

  own->DestroyHandle();
  EXPECT_EQ(TWinControl::FromHandle(own_window), nullptr);
  EXPECT_EQ(TWinControl::FromHandle(list_window), list);
  own->HandleNeeded();
  EXPECT_EQ(TWinControl::FromHandle(own->Handle()), own);

  // The form's window takes its children's with it; their objects stay.
  const HWND own_again = own->Handle();
  form.DestroyHandle();
  for (HWND gone : {form_window, own_again, list_window}) {
    EXPECT_FALSE(IsWindow(gone));
    EXPECT_EQ(TWinControl::FromHandle(gone), nullptr);
  }
  EXPECT_FALSE(list->HandleAllocated());
  form.Release();
}

TEST_F(FrameworkTest, ClosingAskesTheFormAndOnlyTheMainFormEndsTheApplication) {
  TestForm refusing(false);
  refusing.Show();
  refusing.Perform(WM_CLOSE);
  EXPECT_EQ(refusing.asked, 1);
  EXPECT_TRUE(refusing.Visible());

  TestForm other(true);
  other.Show();
  other.Close();
  EXPECT_FALSE(other.Visible());
  EXPECT_FALSE(Application().Terminated());

  Application().SetMainForm(&other);
  other.Close();
  EXPECT_TRUE(Application().Terminated());
  Application().SetMainForm(nullptr);

  other.Release();
  refusing.Release();
  EXPECT_EQ(other.destroyed, 1);
}

// Shrinks the desktop's work area, as a task bar does, for the life of the object.
class WorkAreaShrunk {
 public:
  explicit WorkAreaShrunk(int bottom_band) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &saved_, 0);
    RECT smaller = saved_;
    smaller.bottom -= bottom_band;
    SystemParametersInfoW(SPI_SETWORKAREA, 0, &smaller, 0);
  }
  ~WorkAreaShrunk() { SystemParametersInfoW(SPI_SETWORKAREA, 0, &saved_, 0); }
  WorkAreaShrunk(const WorkAreaShrunk&) = delete;
  WorkAreaShrunk& operator=(const WorkAreaShrunk&) = delete;

 private:
  RECT saved_{};
};

TEST_F(FrameworkTest, AFormCentredOnTheScreenIgnoresTheTaskBar) {
  WorkAreaShrunk task_bar(120);
  RECT area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  ASSERT_EQ(area.bottom, GetSystemMetrics(SM_CYSCREEN) - 120);
  TestForm form(true);
  form.SetBounds(0, 0, 300, 200);
  form.SetPosition(TPosition::poScreenCenter);
  form.Show();
  EXPECT_EQ(form.Left(), (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
  EXPECT_EQ(form.Top(), (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);

  TestForm second(true);
  second.SetBounds(0, 0, 200, 120);
  second.SetPosition(TPosition::poMainFormCenter);
  Application().SetMainForm(&form);
  second.Show();
  Application().SetMainForm(nullptr);
  EXPECT_EQ(second.Left(), form.Left() + 50);
  EXPECT_EQ(second.Top(), form.Top() + 40);
  second.Release();
  form.Release();
}

TEST_F(FrameworkTest, ChildrenFollowTheirParentsSize) {
  TestForm form(true);
  form.SetClientSize(300, 200);
  auto* top = new Thrower(&form);
  top->SetBounds(0, 0, 10, 40);
  top->SetAlign(TAlign::alTop);
  top->SetParent(&form);
  auto* rest = new Thrower(&form);
  rest->SetAlign(TAlign::alClient);
  rest->SetParent(&form);
  EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 300, 40}));
  EXPECT_EQ(rest->BoundsRect(), (TRect{0, 40, 300, 200}));

  form.SetClientSize(400, 250);
  EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 400, 40}));
  EXPECT_EQ(rest->BoundsRect(), (TRect{0, 40, 400, 250}));
  top->SetVisible(false);
  EXPECT_EQ(rest->BoundsRect(), (TRect{0, 0, 400, 250}));
  form.Release();
}

TEST_F(FrameworkTest, ATimerTicksThroughTheMessageLoopUntilDisabled) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(20);
  timer.OnTimer = [&] {
    if (++ticks == 3) timer.SetEnabled(false);
  };
  const DWORD until = GetTickCount() + 3000;
  while (timer.Enabled() && GetTickCount() < until) {
    Pump();
    Sleep(5);
  }
  EXPECT_EQ(ticks, 3);
  Sleep(60);
  Pump();
  EXPECT_EQ(ticks, 3);
}

TEST_F(FrameworkTest, ATimerFreedInItsOwnTickLetsTheTickFinishWithItsHandlerWhole) {
  // The handler holds the only reference to a sentinel that records when it is destroyed.
  struct Sentinel {
    bool* alive;
    ~Sentinel() { *alive = false; }
  };
  bool alive = true;
  bool alive_after_free = false;
  int ticks = 0;
  auto sentinel = std::make_shared<Sentinel>();
  sentinel->alive = &alive;
  auto* timer = new TTimer(nullptr);
  timer->SetInterval(10);
  timer->OnTimer = [&timer, &ticks, &alive, &alive_after_free, sentinel] {
    ++ticks;
    delete timer;
    timer = nullptr;
    alive_after_free = alive;
  };
  sentinel.reset();
  const DWORD until = GetTickCount() + 3000;
  while (timer && GetTickCount() < until) {
    Pump();
    Sleep(5);
  }
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(alive_after_free);
  EXPECT_FALSE(alive);
  Sleep(30);
  Pump();
  EXPECT_EQ(ticks, 1);
}

TEST_F(FrameworkTest, TheOwnerDataListAsksForTheRowsItShows) {
  TestForm form(true);
  form.SetClientSize(400, 300);
  auto* list = new TListView(&form);
  list->AddColumn("Name", 100);
  list->AddColumn("Folder", 100);
  list->SetAlign(TAlign::alClient);
  list->SetParent(&form);
  int requests = 0;
  list->OnData = [&](int row, std::vector<std::string>& texts) {
    ++requests;
    texts = {"row" + std::to_string(row), "caf\xE9"};
  };
  list->SetItemCount(100000);
  EXPECT_EQ(list->ItemText(54321, 0), "row54321");
  EXPECT_EQ(list->ItemText(7, 1), "caf\xE9");
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetItemIndex(99999);
  EXPECT_EQ(list->ItemIndex(), 99999);
  EXPECT_GT(list->TopIndex(), 99000);
  EXPECT_GE(requests, 2);
  form.Release();
}

// A row's texts are made once for all its columns while the list paints (one size lookup a row
// for the result list), and afresh for every request outside a paint.
TEST_F(FrameworkTest, APaintAsksForEachRowOnce) {
  TestForm form(true);
  form.SetClientSize(400, 300);
  auto* list = new TListView(&form);
  for (const char* caption : {"Name", "Folder", "Type", "Size"}) list->AddColumn(caption, 90);
  list->SetAlign(TAlign::alClient);
  list->SetParent(&form);
  std::map<int, int> asked;
  list->OnData = [&](int row, std::vector<std::string>& texts) {
    ++asked[row];
    texts = {"name" + std::to_string(row), "folder", "type", "size"};
  };
  list->SetItemCount(1000);
  form.Show();
  Pump();
  asked.clear();
  list->Repaint();
  ASSERT_FALSE(asked.empty());
  for (const auto& [row, times] : asked) EXPECT_EQ(times, 1) << "row " << row;
  asked.clear();
  EXPECT_EQ(list->ItemText(3, 0), "name3");
  EXPECT_EQ(list->ItemText(3, 3), "size");
  EXPECT_EQ(asked[3], 2);
  form.Release();
}

TEST_F(FrameworkTest, AnEditReportsEveryChangeAndEveryCharacter) {
  TestForm form(true);
  auto* edit = new TEdit(&form);
  edit->SetBounds(0, 0, 200, 30);
  edit->SetParent(&form);
  int changes = 0;
  std::string keys;
  edit->OnChange = [&] { ++changes; };
  edit->OnKeyPress = [&](char& key) {
    keys += key;
    if (key == 'x') key = 0;
  };
  testing::TypeChars(edit->Handle(), "abx\r");
  EXPECT_EQ(edit->Text(), "ab");
  EXPECT_EQ(keys, "abx\r");
  EXPECT_EQ(changes, 2);
  edit->SetText("caf\xE9");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(edit->Text(), "caf\xE9");
  form.Release();
}

// Hidden and shown again, a window starts on its first control; only a window that merely lost
// the activation to another gets its focused control back.
TEST_F(FrameworkTest, AShownAgainWindowStartsOnItsFirstControl) {
  TestForm form(true);
  auto* first = new TEdit(&form);
  first->SetBounds(0, 0, 100, 24);
  first->SetParent(&form);
  auto* second = new TEdit(&form);
  second->SetBounds(0, 30, 100, 24);
  second->SetParent(&form);
  form.Show();
  SetFocus(second->Handle());
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  SetForegroundWindow(form.Handle());
  Pump();
  EXPECT_EQ(GetFocus(), second->Handle());

  form.Hide();
  Pump();
  form.Show();
  Pump();
  EXPECT_EQ(GetFocus(), first->Handle());
  DestroyWindow(other);
  form.Release();
}

TEST_F(FrameworkTest, TheClipboardCarriesALongAnsiTextWholeAndReportsWhenItIsHeld) {
  const std::string text = "C:\\" + std::string(300, 'p') + "\\caf\xE9.txt";
  SystemShell().CopyText(nullptr, text);
  EXPECT_EQ(testing::ClipboardText(), text);
  // The same bytes read in this program's code page (1252), for programs that paste UTF-16.
  EXPECT_EQ(testing::ClipboardWideText(), L"C:\\" + std::wstring(300, L'p') + L"\\caf\u00E9.txt");

  TestForm holder(true);
  ASSERT_TRUE(OpenClipboard(holder.Handle()));
  EXPECT_THROW(
      {
        try {
          SystemShell().CopyText(nullptr, "other");
        } catch (const Error& e) {
          EXPECT_STREQ(e.what(), "Cannot open clipboard");
          throw;
        }
      },
      Error);
  CloseClipboard();
  EXPECT_EQ(testing::ClipboardText(), text);
  holder.Release();
}

}  // namespace
}  // namespace vl
