#pragma once
// The clock pane's text: the date and time formatted by the system's picture strings
// ("M/d/yyyy", "h:mm:ss tt", "dddd, MMMM dd"), with the names and pictures as parameters so the
// rules can be checked with any regional settings.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "framework/clock.h"

namespace vl {

struct TLocaleNames {
  std::array<std::string, 12> month_names;
  std::array<std::string, 12> short_month_names;
  std::array<std::string, 7> day_names;  // Sunday first, as TLocalTime counts
  std::array<std::string, 7> short_day_names;
  std::string am;
  std::string pm;
};

// The regional settings the clock reads on every tick.
struct TClockFormats {
  std::string short_date;
  std::string long_time;
  TLocaleNames names;
};

// Formats by a picture of the system's date and time language: d dd ddd dddd, M MM MMM MMMM,
// y yy yyyy, h hh H HH, m mm, s ss, t tt, text in single quotes ('' for a quote); every other
// character stands for itself.
std::string FormatDateTime(std::string_view picture, const TLocalTime& t,
                           const TLocaleNames& names);

// With no format of its own: the short date, then a space and the long time unless the time
// is exactly midnight (to the second).
std::string ClockText(const TLocalTime& t, std::string_view format, const TClockFormats& formats);

// Remembers the text last shown, so the pane redraws only when its text changes.
class TClockText {
 public:
  // The new text when it differs from the one shown, else nothing.
  std::optional<std::string> Tick(const TLocalTime& t, std::string_view format,
                                  const TClockFormats& formats);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  bool shown_ = false;
};

}  // namespace vl
