#pragma once
// A window timer of the user-interface thread, on a hidden window of its own so that it needs
// no control and its ticks enter C++ through the same trampoline as every other message. The
// window is made the first time the timer runs, so an object may hold idle timers for nothing.
//
// The one way the program keeps a timer: a TTimer member held by value, given its interval and
// its job when it is made, started and stopped with SetEnabled.

#include <functional>
#include <memory>

#include "framework/component.h"

namespace vl {

class TTimerWindow;

class TTimer : public TComponent {
 public:
  // Starts enabled, with an interval of one second and no job.
  explicit TTimer(TComponent* owner);
  // Starts stopped, with its interval and its job.
  TTimer(TComponent* owner, unsigned milliseconds, std::function<void()> on_timer);
  ~TTimer() override;

  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // May free the timer itself; the tick then touches nothing of it afterwards.
  std::function<void()> OnTimer;

 private:
  friend class TTimerWindow;
  void Update();
  void Tick();

  unsigned interval_ = 1000;
  bool enabled_ = true;
  std::unique_ptr<TTimerWindow> window_;
};

}  // namespace vl
