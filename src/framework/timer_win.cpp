#include "framework/timer_win.h"

#include "framework/control_win.h"

namespace vl {

class TTimerWindow final : public TWinControl {
 public:
  explicit TTimerWindow(TTimer& timer) : TWinControl(nullptr), timer_(timer) {}

 protected:
  void CreateParams(TCreateParams& params) override {
    params.style = WS_POPUP;
    params.parent_window = HWND_MESSAGE;
  }
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (msg == WM_TIMER) {
      timer_.Tick();
      return 0;
    }
    return TWinControl::WndProc(msg, wparam, lparam);
  }

 private:
  TTimer& timer_;
};

TTimer::TTimer(TComponent* owner) : TComponent(owner), window_(new TTimerWindow(*this)) {
  window_->SetVisible(false);
  window_->HandleNeeded();
  Update();
}

TTimer::~TTimer() {
  if (window_->HandleAllocated()) KillTimer(window_->Handle(), 1);
}

void TTimer::SetInterval(unsigned milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  Update();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void TTimer::Update() {
  HWND window = window_->Handle();
  KillTimer(window, 1);
  if (enabled_ && interval_ > 0) SetTimer(window, 1, interval_, nullptr);
}

void TTimer::Tick() {
  if (!enabled_ || !OnTimer) return;
  // The handler may free this timer; it runs from a copy, so freeing the timer cannot destroy
  // the handler while it runs, and nothing of the timer is touched once it returns.
  const std::function<void()> handler = OnTimer;
  handler();
}

}  // namespace vl
