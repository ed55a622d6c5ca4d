#include <windows.h>

#include "framework/clock.h"

namespace vl {
namespace {

class SystemClockImpl final : public Clock {
 public:
  std::uint32_t TickCount() const override { return GetTickCount(); }

  TLocalTime Now() const override {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return TLocalTime{st.wYear, st.wMonth,  st.wDay,    st.wDayOfWeek,
                      st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
  }
};

}  // namespace

const Clock& SystemClock() {
  static const SystemClockImpl clock;
  return clock;
}

}  // namespace vl
