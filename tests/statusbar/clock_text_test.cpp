#include "statusbar/clock_text.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TLocaleNames EnglishNames() {
  TLocaleNames n;
  n.month_names = {"January", "February", "March",     "April",   "May",      "June",
                   "July",    "August",   "September", "October", "November", "December"};
  n.short_month_names = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  n.day_names = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  n.short_day_names = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  n.am = "AM";
  n.pm = "PM";
  return n;
}

TClockFormats UnitedStates() {
  return {"M/d/yyyy", "h:mm:ss tt", EnglishNames()};
}
TClockFormats Germany() {
  return {"dd.MM.yyyy", "HH:mm:ss", EnglishNames()};
}

TLocalTime At(int hour, int minute, int second, int ms = 0) {
  return {2026, 12, 9, 3, hour, minute, second, ms};
}

TEST(ClockText, RegionalFormats) {
  struct Case {
    TClockFormats formats;
    TLocalTime t;
    const char* text;
  } cases[] = {
      {UnitedStates(), At(14, 5, 7), "12/9/2026 2:05:07 PM"},
      {UnitedStates(), At(0, 0, 1), "12/9/2026 12:00:01 AM"},
      {UnitedStates(), At(12, 0, 0), "12/9/2026 12:00:00 PM"},
      {Germany(), At(14, 5, 7), "09.12.2026 14:05:07"},
      {Germany(), {2026, 3, 1, 0, 9, 30, 0}, "01.03.2026 09:30:00"},
      // Midnight shows the date alone for the whole second.
      {UnitedStates(), At(0, 0, 0), "12/9/2026"},
      {Germany(), At(0, 0, 0, 999), "09.12.2026"},
      {{"yyyy/M/d", "H:mm:ss", EnglishNames()}, At(23, 59, 59), "2026/12/9 23:59:59"},
  };
  for (const auto& c : cases) EXPECT_EQ(ClockText(c.t, "", c.formats), c.text);
}

TEST(ClockText, OwnFormatReplacesTheRegionalOnes) {
  struct Case {
    const char* format;
    TLocalTime t;
    const char* text;
  } cases[] = {
      {"dddd, MMMM dd", At(8, 0, 0), "Wednesday, December 09"},
      {"ddd d MMM yy", At(8, 0, 0), "Wed 9 Dec 26"},
      {"HH:mm 'o''clock' t", At(8, 4, 0), "08:04 o'clock A"},
      {"'d M y' d", At(0, 0, 0), "d M y 9"},
      {"hh:mm:ss", At(0, 0, 0), "12:00:00"},  // no date, even at midnight
      {"'unclosed", At(1, 2, 3), "unclosed"},
      {"y", {2005, 1, 1, 6, 0, 0, 0}, "5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClockText(c.t, c.format, UnitedStates()), c.text) << c.format;
  }
}

TEST(ClockText, TickReportsOnlyChanges) {
  TClockText clock;
  TClockFormats us = UnitedStates();
  EXPECT_EQ(clock.Tick(At(10, 0, 0, 100), "", us), "12/9/2026 10:00:00 AM");
  // The timer runs twice a second: the second tick within the same second draws nothing.
  EXPECT_EQ(clock.Tick(At(10, 0, 0, 600), "", us), std::nullopt);
  EXPECT_EQ(clock.Tick(At(10, 0, 1, 100), "", us), "12/9/2026 10:00:01 AM");
  // Without seconds in the picture the text changes once a minute.
  EXPECT_EQ(clock.Tick(At(10, 0, 1, 600), "HH:mm", us), "10:00");
  EXPECT_EQ(clock.Tick(At(10, 0, 59, 600), "HH:mm", us), std::nullopt);
  // New regional settings take effect on the next tick.
  EXPECT_EQ(clock.Tick(At(10, 1, 0, 100), "", Germany()), "09.12.2026 10:01:00");
  EXPECT_EQ(clock.Text(), "09.12.2026 10:01:00");
}

}  // namespace
}  // namespace vl
