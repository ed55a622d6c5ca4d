#pragma once
// Time as the program reads it, behind a seam so that tests can fix the clock.

#include <cstdint>

namespace vl {

struct TLocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int day_of_week = 0;  // 0 is Sunday
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  friend bool operator==(const TLocalTime&, const TLocalTime&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since the system started, wrapping at 32 bits.
  virtual std::uint32_t TickCount() const = 0;
  virtual TLocalTime Now() const = 0;
};

// The real clock (GetTickCount and GetLocalTime); defined in the Windows build only.
const Clock& SystemClock();

}  // namespace vl
