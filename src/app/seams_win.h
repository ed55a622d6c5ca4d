#pragma once
// The application's seams as the windows hold them: each call goes to whatever the
// application has installed at that moment, so a test may install its fakes at any time.

#include "framework/application_win.h"

namespace vl {

class ApplicationDialogs final : public Dialogs {
 public:
  int Ask(NativeWindow owner, std::string_view text, unsigned flags) override {
    return Application().GetDialogs().Ask(owner, text, flags);
  }
  void Inform(std::string_view text) override { Application().GetDialogs().Inform(text); }
  void ShowError(std::string_view text) override { Application().GetDialogs().ShowError(text); }
};

class ApplicationClock final : public Clock {
 public:
  std::uint32_t TickCount() const override { return Application().GetClock().TickCount(); }
  TLocalTime Now() const override { return Application().GetClock().Now(); }
};

}  // namespace vl
