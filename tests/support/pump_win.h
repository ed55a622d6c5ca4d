#pragma once
// Waiting for the message loop in window tests: until something holds, or for a while.

#include <windows.h>

#include "framework/application_win.h"
#include "framework/timer_win.h"

namespace vl::testing {

// Pumps messages until `done` holds or `ms` milliseconds have passed; returns whether it holds.
// Timer ticks wait for an idle queue, so a busy machine delays them: the limits are generous.
template <class Done>
bool PumpUntil(Done done, DWORD ms = 3000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= ms) return false;
    Application().ProcessMessages();
    Sleep(2);
  }
  return true;
}

// Pumps messages for `ms` milliseconds, for what must not happen in that time.
inline void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

// Runs the program's own message loop until `done` holds or `ms` milliseconds have passed;
// returns whether it holds. Unlike PumpUntil it also runs what the loop waits for besides
// messages (the live index's passes over the disk).
template <class Done>
bool RunLoopUntil(Done done, DWORD ms = 5000) {
  const DWORD start = GetTickCount();
  bool held = false;
  TTimer check(nullptr, 5, [&] {
    held = done();
    if (held || GetTickCount() - start >= ms) Application().Terminate();
  });
  check.SetEnabled(true);
  Application().Run();
  Application().ResetTerminated();
  return held;
}

// Puts the real pointer at a screen point and holds it there. Under load the platform reports
// a warp late, and a late report of an earlier warp can put the pointer back for a moment; the
// pointer counts as there once it has stayed for 100 ms.
inline void MovePointerTo(POINT pt) {
  SetCursorPos(pt.x, pt.y);
  DWORD since = GetTickCount();
  PumpUntil([&] {
    POINT at{};
    if (!GetCursorPos(&at) || at.x != pt.x || at.y != pt.y) {
      SetCursorPos(pt.x, pt.y);
      since = GetTickCount();
    }
    return GetTickCount() - since >= 100;
  });
}

}  // namespace vl::testing
