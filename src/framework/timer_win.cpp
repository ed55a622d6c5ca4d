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
  Update();
}

TTimer::TTimer(TComponent* owner, unsigned milliseconds, std::function<void()> on_timer)
    : TComponent(owner),
      OnTimer(std::move(on_timer)),
      interval_(milliseconds),
      enabled_(false),
      window_(new TTimerWindow(*this)) {
  window_->SetVisible(false);
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
  if (!enabled_ || interval_ == 0) {
    if (window_->HandleAllocated()) KillTimer(window_->Handle(), 1);
    return;
  }
  window_->HandleNeeded();
  // A timer set again under the same id replaces the running one and starts its period anew.
  SetTimer(window_->Handle(), 1, interval_, nullptr);
}

void TTimer::Tick() {
  if (!enabled_ || !OnTimer) return;
  // The handler may free this timer; it runs from a copy, so freeing the timer cannot destroy
  // the handler while it runs, and nothing of the timer is touched once it returns.
  const std::function<void()> handler = OnTimer;
  handler();
}

}  // namespace vl
