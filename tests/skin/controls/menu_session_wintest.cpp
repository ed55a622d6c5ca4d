// The menu session's states and events over a chain and a bar that only record: every way into
// and out of each of the four states, the events each one fires, and whether the key hook stays.
#include "skin/controls/menu_session_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/menu_win.h"
#include "skin/controls/menu_host.h"

namespace vl {
namespace {

class Recorder {
 public:
  void Add(const char* event) { text += text.empty() ? event : std::string(" ") + event; }
  std::string text;
};

// A chain that shows what it is given and, like the window, tells the session when it ends.
class FakeChain : public TskMenuChain {
 public:
  TskMenuSession* session = nullptr;
  void ShowChain(TWinControl*, TskSkinData*, bool, const std::vector<TMenuItem*>& items,
                 const TRect&, std::function<void()>) override {
    visible_ = !items.empty();
  }
  void CloseFrom(int) override { visible_ = false; }
  void CloseAll() override {
    if (!visible_) return;
    visible_ = false;
    session->ChainEnded();
  }
  bool Visible() const override { return visible_; }
  int LevelCount() const override { return visible_ ? 1 : 0; }
  bool KeyDown(WPARAM key) override {
    if (key == VK_ESCAPE) visible_ = false;
    return visible_;
  }
  bool TopmostActiveHasChildren() const override { return false; }

 private:
  bool visible_ = false;
};

class FakeBar : public TskMenuBarLink {
 public:
  explicit FakeBar(Recorder& log) : log_(log) {}
  TskMenuSession* session = nullptr;
  bool OpenByAccelerator(wchar_t) override { return false; }
  bool HasAccelerator(wchar_t) const override { return false; }
  void SelectNextItem() override {}
  void SelectPreviousItem() override {}
  bool OpenSelectedItem() override { return false; }
  void EnterMenuModeFromKeyboard() override {
    log_.Add("bar:select");
    session->SelectBar();
  }
  void PopupClosedInMenuMode() override { log_.Add("bar:up"); }
  void LeaveMenuMode() override { log_.Add("bar:clear"); }
  TMenu* BarMenu() const override { return nullptr; }
  TMenuItem* OpenItem() const override { return nullptr; }

 private:
  Recorder& log_;
};

enum class Step {
  kOpenPopup,
  kOpenNothing,
  kOpenFromBar,
  kOpenNothingFromBar,
  kSelectBar,
  kLeaveBar,
  kChainEnds,
  kEnd,
  kEsc,
  kToggle
};

struct Row {
  TskMenuState from;
  Step step;
  TskMenuState to;
  const char* events;
  bool hook;
};

using S = TskMenuState;

TEST(MenuSession, EveryWayThroughTheFourStates) {
  const Row rows[] = {
      {S::kClosed, Step::kOpenPopup, S::kPopupOpen, "open", true},
      // A chain that could not open leaves nothing behind, and its open is answered by a close.
      {S::kClosed, Step::kOpenNothing, S::kClosed, "open end close", false},
      {S::kClosed, Step::kOpenFromBar, S::kPopupFromBar, "open enter", true},
      {S::kClosed, Step::kOpenNothingFromBar, S::kBarSelected, "open enter close", true},
      {S::kClosed, Step::kSelectBar, S::kBarSelected, "enter", true},
      {S::kClosed, Step::kEnd, S::kClosed, "", false},
      {S::kClosed, Step::kToggle, S::kBarSelected, "bar:select enter", true},
      {S::kBarSelected, Step::kEsc, S::kClosed, "bar:clear exit", false},
      {S::kBarSelected, Step::kToggle, S::kClosed, "bar:clear exit", false},
      {S::kBarSelected, Step::kEnd, S::kClosed, "bar:clear exit", false},
      {S::kBarSelected, Step::kOpenFromBar, S::kPopupFromBar, "open", true},
      {S::kPopupOpen, Step::kChainEnds, S::kClosed, "end close", false},
      {S::kPopupOpen, Step::kEsc, S::kClosed, "end close", false},
      {S::kPopupOpen, Step::kEnd, S::kClosed, "end close", false},
      {S::kPopupOpen, Step::kOpenPopup, S::kPopupOpen, "end close open", true},
      {S::kPopupOpen, Step::kOpenFromBar, S::kPopupFromBar, "end close open enter", true},
      // Esc on the last level of a bar's menu leaves the bar selected with its item drawn up.
      {S::kPopupFromBar, Step::kEsc, S::kBarSelected, "close bar:up", true},
      {S::kPopupFromBar, Step::kChainEnds, S::kClosed, "end close bar:clear exit", false},
      {S::kPopupFromBar, Step::kEnd, S::kClosed, "end close bar:clear exit", false},
      {S::kPopupFromBar, Step::kLeaveBar, S::kClosed, "bar:clear close exit", false},
      {S::kPopupFromBar, Step::kToggle, S::kClosed, "bar:clear close exit", false},
      {S::kPopupFromBar, Step::kOpenPopup, S::kPopupOpen, "end close bar:clear exit open", true},
  };
  TPopupMenu menu(nullptr);
  auto* item = new TMenuItem(&menu, &menu, "Item");
  const std::vector<TMenuItem*> items{item};
  const std::vector<TMenuItem*> none;
  for (const Row& row : rows) {
    Recorder log;
    FakeChain chain;
    FakeBar bar(log);
    TskMenuSession session(chain);
    chain.session = bar.session = &session;
    session.SetBar(&bar);
    session.OnPopupOpen = [&] { log.Add("open"); };
    session.OnPopupClose = [&] { log.Add("close"); };
    session.OnBarEnter = [&] { log.Add("enter"); };
    session.OnBarExit = [&] { log.Add("exit"); };
    session.OnChainEnd = [&] { log.Add("end"); };
    if (row.from == S::kBarSelected) session.SelectBar();
    if (row.from == S::kPopupOpen) session.OpenPopup(nullptr, nullptr, false, items, {});
    if (row.from == S::kPopupFromBar) session.OpenFromBar(nullptr, false, items, {});
    ASSERT_EQ(session.State(), row.from);
    log.text.clear();

    MSG esc{};
    esc.message = WM_KEYDOWN;
    esc.wParam = VK_ESCAPE;
    switch (row.step) {
      case Step::kOpenPopup:
        session.OpenPopup(nullptr, nullptr, false, items, {});
        break;
      case Step::kOpenNothing:
        session.OpenPopup(nullptr, nullptr, false, none, {});
        break;
      case Step::kOpenFromBar:
        session.OpenFromBar(nullptr, false, items, {});
        break;
      case Step::kOpenNothingFromBar:
        session.OpenFromBar(nullptr, false, none, {});
        break;
      case Step::kSelectBar:
        session.SelectBar();
        break;
      case Step::kLeaveBar:
        session.LeaveBar();
        break;
      case Step::kChainEnds:
        chain.CloseAll();
        break;
      case Step::kEnd:
        session.End();
        break;
      case Step::kEsc:
        EXPECT_TRUE(session.FilterMessage(esc));
        break;
      case Step::kToggle:
        session.ToggleBarFromKeyboard();
        break;
    }
    const std::string what =
        "from state " + std::to_string(int(row.from)) + ", step " + std::to_string(int(row.step));
    EXPECT_EQ(session.State(), row.to) << what;
    EXPECT_EQ(log.text, row.events) << what;
    EXPECT_EQ(session.HookInstalled(), row.hook) << what;
    EXPECT_EQ(session.PopupOpen(), chain.Visible()) << what;
  }
}

TEST(MenuSession, TheHookDropsTheWheelAndContextMenusAndTakesEveryKeyOnlyWhileOpen) {
  Recorder log;
  FakeChain chain;
  TskMenuSession session(chain);
  chain.session = &session;
  TPopupMenu menu(nullptr);
  const std::vector<TMenuItem*> items{new TMenuItem(&menu, &menu, "Item")};
  struct {
    UINT message;
    WPARAM wparam;
    bool taken;
  } const rows[] = {
      {WM_MOUSEWHEEL, 0, true}, {WM_CONTEXTMENU, 0, true}, {WM_KEYUP, VK_APPS, true},
      {WM_KEYDOWN, 'A', true},  {WM_CHAR, 'a', false},     {WM_LBUTTONDOWN, 0, false},
  };
  EXPECT_FALSE(session.HookInstalled());
  session.OpenPopup(nullptr, nullptr, false, items, {});
  ASSERT_TRUE(session.HookInstalled());
  for (const auto& row : rows) {
    MSG msg{};
    msg.message = row.message;
    msg.wParam = row.wparam;
    EXPECT_EQ(session.FilterMessage(msg), row.taken) << row.message;
  }
  session.End();
  EXPECT_FALSE(session.HookInstalled());
}

}  // namespace
}  // namespace vl
