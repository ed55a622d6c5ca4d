#include "statusbar/clock_text.h"

#include <algorithm>
#include <cstdio>

namespace vl {
namespace {

std::string Number(int v, int min_digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", min_digits, v);
  return buf;
}

const std::string& Pick(const auto& names, int index) {
  static const std::string kEmpty;
  if (index < 0 || std::size_t(index) >= names.size()) return kEmpty;
  return names[std::size_t(index)];
}

std::string DayToken(int count, const TLocalTime& t, const TLocaleNames& n) {
  if (count >= 4) return Pick(n.day_names, t.day_of_week);
  if (count == 3) return Pick(n.short_day_names, t.day_of_week);
  return Number(t.day, count);
}

std::string MonthToken(int count, const TLocalTime& t, const TLocaleNames& n) {
  if (count >= 4) return Pick(n.month_names, t.month - 1);
  if (count == 3) return Pick(n.short_month_names, t.month - 1);
  return Number(t.month, count);
}

std::string YearToken(int count, const TLocalTime& t) {
  if (count >= 3) return Number(t.year, 4);
  return Number(t.year % 100, count);
}

std::string MarkerToken(int count, const TLocalTime& t, const TLocaleNames& n) {
  const std::string& marker = t.hour < 12 ? n.am : n.pm;
  if (count >= 2 || marker.empty()) return marker;
  return marker.substr(0, 1);
}

int Hour12(int hour) {
  return hour % 12 == 0 ? 12 : hour % 12;
}

// The text of one run of `count` equal pattern letters, or nothing when `c` is not a letter of
// the picture language.
std::optional<std::string> Token(char c, int count, const TLocalTime& t, const TLocaleNames& n) {
  int two = std::min(count, 2);
  switch (c) {
    case 'd':
      return DayToken(count, t, n);
    case 'M':
      return MonthToken(count, t, n);
    case 'y':
      return YearToken(count, t);
    case 'h':
      return Number(Hour12(t.hour), two);
    case 'H':
      return Number(t.hour, two);
    case 'm':
      return Number(t.minute, two);
    case 's':
      return Number(t.second, two);
    case 't':
      return MarkerToken(count, t, n);
    default:
      return std::nullopt;
  }
}

// Appends the quoted text starting after the opening quote at `i`; returns the index after it.
std::size_t AppendQuoted(std::string_view picture, std::size_t i, std::string& out) {
  while (i < picture.size()) {
    if (picture[i] != '\'') {
      out += picture[i++];
      continue;
    }
    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
      out += '\'';
      i += 2;
      continue;
    }
    return i + 1;
  }
  return i;
}

}  // namespace

std::string FormatDateTime(std::string_view picture, const TLocalTime& t,
                           const TLocaleNames& names) {
  std::string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    char c = picture[i];
    if (c == '\'') {
      i = AppendQuoted(picture, i + 1, out);
      continue;
    }
    std::size_t run = i;
    while (run < picture.size() && picture[run] == c) ++run;
    if (auto text = Token(c, int(run - i), t, names)) {
      out += *text;
      i = run;
      continue;
    }
    out += c;
    ++i;
  }
  return out;
}

std::string ClockText(const TLocalTime& t, std::string_view format, const TClockFormats& formats) {
  if (!format.empty()) return FormatDateTime(format, t, formats.names);
  std::string text = FormatDateTime(formats.short_date, t, formats.names);
  if (t.hour == 0 && t.minute == 0 && t.second == 0) return text;
  return text + " " + FormatDateTime(formats.long_time, t, formats.names);
}

std::optional<std::string> TClockText::Tick(const TLocalTime& t, std::string_view format,
                                            const TClockFormats& formats) {
  std::string text = ClockText(t, format, formats);
  if (shown_ && text == text_) return std::nullopt;
  shown_ = true;
  text_ = std::move(text);
  return text_;
}

}  // namespace vl
