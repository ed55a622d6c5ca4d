#include "skin/controls/pointer_host_win.h"

namespace vl {

TskPointerHost::TskPointerHost(TskPointerObjects& objects)
    : objects_(objects),
      poll_timer_(nullptr, kPollMilliseconds, [this] { objects_.PollPointer(); }),
      morph_timer_(nullptr, 1, [this] { EffectTick(TskEffectTimer::kMorph); }),
      animation_timer_(nullptr, 1, [this] { EffectTick(TskEffectTimer::kAnimation); }) {}

void TskPointerHost::Hover(int index) {
  if (index == hovered_) return;
  const int old = hovered_;
  previous_ = old;
  hovered_ = index;
  if (old >= 0 && old < objects_.ObjectCount()) objects_.ObjectLeave(old);
  if (index >= 0) objects_.ObjectEnter(index);
}

void TskPointerHost::Press(int index, TskMouseButton button, HWND window) {
  if (index != hovered_) {
    previous_ = hovered_;
    hovered_ = index;
  }
  Capture(index, window);
  objects_.ObjectPress(index, button);
}

int TskPointerHost::Release(TskMouseButton button) {
  const int index = EndCapture();
  if (index >= 0 && index < objects_.ObjectCount()) objects_.ObjectRelease(index, button);
  return index;
}

void TskPointerHost::Capture(int index, HWND window) {
  captured_ = index;
  capture_window_ = window;
  if (window) SetCapture(window);
}

int TskPointerHost::EndCapture() {
  const int index = captured_;
  captured_ = -1;
  const HWND window = capture_window_;
  capture_window_ = nullptr;
  if (window && GetCapture() == window) {
    ending_capture_ = true;
    ReleaseCapture();
    ending_capture_ = false;
  }
  return index;
}

void TskPointerHost::DropCapture() {
  captured_ = -1;
  capture_window_ = nullptr;
}

void TskPointerHost::Forget() {
  hovered_ = previous_ = captured_ = -1;
  capture_window_ = nullptr;
}

bool TskPointerHost::PointerMoved(TPoint point) {
  if (last_pointer_ == point) return false;
  last_pointer_ = point;
  return true;
}

void TskPointerHost::ForgetHover() {
  previous_ = hovered_;
  hovered_ = -1;
}

void TskPointerHost::StartPolling() {
  poll_timer_.SetEnabled(true);
}

void TskPointerHost::StopPolling() {
  poll_timer_.SetEnabled(false);
}

void TskPointerHost::StartEffect(TskEffectTimer timer, unsigned milliseconds) {
  TTimer& t = Timer(timer);
  t.SetInterval(milliseconds > 0 ? milliseconds : 1);
  t.SetEnabled(true);
}

void TskPointerHost::StopEffect(TskEffectTimer timer) {
  Timer(timer).SetEnabled(false);
}

void TskPointerHost::StopEffects() {
  StopEffect(TskEffectTimer::kMorph);
  StopEffect(TskEffectTimer::kAnimation);
}

// Every object takes its step and the changed ones are repainted; the timer stops on a tick on
// which no object had anything left to do, so the last look of a run stays on screen for one
// full tick before whatever follows the run replaces it.
void TskPointerHost::EffectTick(TskEffectTimer timer) {
  bool working = false;
  for (int i = 0; i < objects_.ObjectCount(); ++i) {
    const TskEffectStep step = objects_.StepObject(timer, i);
    working = working || step.working;
    if (step.changed) objects_.RepaintObject(i);
  }
  if (working) return;
  StopEffect(timer);
  objects_.EffectStopped(timer);
}

}  // namespace vl
