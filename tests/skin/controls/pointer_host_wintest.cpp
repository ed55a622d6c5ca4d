// The pointer host with objects that record what they are told.
#include "skin/controls/pointer_host_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/pump_win.h"

namespace vl {
namespace {

using testing::PumpUntil;

// Three objects; object i needs `work[i]` more effect steps.
class Objects : public TskPointerObjects {
 public:
  std::vector<std::string> told;
  std::vector<int> work{0, 0, 0};
  int polls = 0;
  int ObjectCount() const override { return 3; }
  void ObjectEnter(int index) override { told.push_back("enter " + std::to_string(index)); }
  void ObjectLeave(int index) override { told.push_back("leave " + std::to_string(index)); }
  void ObjectPress(int index, TskMouseButton button) override {
    told.push_back("press " + std::to_string(index) + " with " + std::to_string(int(button)));
  }
  void ObjectRelease(int index, TskMouseButton button) override {
    told.push_back("release " + std::to_string(index) + " with " + std::to_string(int(button)));
  }
  void PollPointer() override { ++polls; }
  TskEffectStep StepObject(TskEffectTimer timer, int index) override {
    if (timer != TskEffectTimer::kMorph || work[std::size_t(index)] == 0) return {};
    --work[std::size_t(index)];
    return {true, true};
  }
  void RepaintObject(int index) override { told.push_back("repaint " + std::to_string(index)); }
  void EffectStopped(TskEffectTimer) override { told.push_back("stopped"); }
};

TEST(TskPointerHost, HoverTellsTheObjectLeftBeforeTheOneEntered) {
  Objects objects;
  TskPointerHost host(objects);
  host.Hover(1);
  host.Hover(1);
  host.Hover(2);
  host.Hover(-1);
  EXPECT_EQ(objects.told, (std::vector<std::string>{"enter 1", "leave 1", "enter 2", "leave 2"}));
  EXPECT_EQ(host.Hovered(), -1);
  EXPECT_EQ(host.PreviousHovered(), 2);
  // A press hovers its object without an enter: the press is what the object hears.
  host.Press(0, TskMouseButton::kLeft);
  EXPECT_EQ(host.Hovered(), 0);
  EXPECT_EQ(host.PreviousHovered(), -1);
  EXPECT_EQ(host.Captured(), 0);
  // Forgetting clears everything without a word.
  host.Forget();
  EXPECT_EQ(host.Hovered(), -1);
  EXPECT_EQ(host.Captured(), -1);
  EXPECT_EQ(objects.told.back(), "press 0 with 1");
  EXPECT_EQ(objects.told.size(), 5u);
}

TEST(TskPointerHost, APointerCountsAsMovedOnlyAwayFromWhereItWasSeenLast) {
  Objects objects;
  TskPointerHost host(objects);
  struct Step {
    bool forget;
    TPoint at;
    bool moved;
  } steps[] = {
      {false, {5, 5}, true},  {false, {5, 5}, false}, {false, {6, 5}, true},
      {false, {6, 5}, false}, {true, {6, 5}, true},   {false, {6, 5}, false},
  };
  for (const Step& s : steps) {
    if (s.forget) host.ForgetPointer();
    EXPECT_EQ(host.PointerMoved(s.at), s.moved) << s.at.x << "," << s.at.y;
  }
}

TEST(TskPointerHost, ACaptureWithAWindowTakesThePointerAndGivesItBack) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  Objects objects;
  TskPointerHost host(objects);
  host.Capture(1, window);
  EXPECT_EQ(GetCapture(), window);
  EXPECT_EQ(host.EndCapture(), 1);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(host.EndCapture(), -1);
  DestroyWindow(window);
}

TEST(TskPointerHost, APressTellsItsObjectAndOnlyThatObjectHearsTheRelease) {
  Objects objects;
  TskPointerHost host(objects);
  EXPECT_EQ(host.Release(TskMouseButton::kLeft), -1);
  host.Press(2, TskMouseButton::kLeft);
  EXPECT_EQ(host.Captured(), 2);
  host.Hover(0);
  EXPECT_EQ(host.Release(TskMouseButton::kRight), 2);
  EXPECT_EQ(host.Captured(), -1);
  EXPECT_EQ(host.Release(TskMouseButton::kLeft), -1);
  // The press hovered its object, so the pointer moving on leaves it.
  EXPECT_EQ(objects.told,
            (std::vector<std::string>{"press 2 with 1", "leave 2", "enter 0", "release 2 with 2"}));
}

TEST(TskPointerHost, AnEffectTimerRepaintsWhatChangedAndStopsOnATickWithNothingToDo) {
  Objects objects;
  TskPointerHost host(objects);
  objects.work = {2, 0, 1};
  host.StartEffect(TskEffectTimer::kMorph, 5);
  ASSERT_TRUE(PumpUntil([&] { return !host.EffectRunning(TskEffectTimer::kMorph); }));
  EXPECT_EQ(objects.told,
            (std::vector<std::string>{"repaint 0", "repaint 2", "repaint 0", "stopped"}));
  EXPECT_FALSE(host.EffectRunning(TskEffectTimer::kAnimation));
}

TEST(TskPointerHost, PollsThePointerUntilStopped) {
  Objects objects;
  TskPointerHost host(objects);
  EXPECT_FALSE(host.Polling());
  host.StartPolling();
  EXPECT_TRUE(host.Polling());
  ASSERT_TRUE(PumpUntil([&] { return objects.polls >= 2; }));
  host.StopPolling();
  const int polls = objects.polls;
  testing::PumpFor(3 * TskPointerHost::kPollMilliseconds);
  EXPECT_EQ(objects.polls, polls);
}

}  // namespace
}  // namespace vl
