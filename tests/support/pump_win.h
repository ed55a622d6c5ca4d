#pragma once
// Waiting for the message loop in window tests: until something holds, or for a while.

#include <windows.h>

#include "framework/application_win.h"

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

}  // namespace vl::testing
