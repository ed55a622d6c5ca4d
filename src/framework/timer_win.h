#pragma once
// A window timer of the user-interface thread, on a hidden window of its own so that it needs
// no control and its ticks enter C++ through the same trampoline as every other message.

#include <functional>
#include <memory>

#include "framework/component.h"

namespace vl {

class TTimerWindow;

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
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
