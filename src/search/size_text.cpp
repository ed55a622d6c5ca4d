#include "search/size_text.h"

namespace vl {

std::string FormatFileSize(std::int64_t size, char decimal_separator) {
  int shift = 10;
  std::string_view unit = " KB";
  if (size > (std::int64_t(1) << 30)) {
    shift = 30;
    unit = " GB";
  } else if (size > (std::int64_t(1) << 20)) {
    shift = 20;
    unit = " MB";
  }
  // Whole units and hundredths from the exact binary fraction, rounded half away from zero:
  // a floating-point division could land just below a half and round the wrong way.
  std::uint64_t magnitude = size < 0 ? 0 - std::uint64_t(size) : std::uint64_t(size);
  std::uint64_t whole = magnitude >> shift;
  std::uint64_t rest = magnitude & ((std::uint64_t(1) << shift) - 1);
  std::uint64_t hundredths = (rest * 100 + (std::uint64_t(1) << (shift - 1))) >> shift;
  if (hundredths == 100) {
    ++whole;
    hundredths = 0;
  }
  std::string text = size < 0 && (whole != 0 || hundredths != 0) ? "-" : "";
  text += std::to_string(whole);
  text += decimal_separator;
  text += char('0' + hundredths / 10);
  text += char('0' + hundredths % 10);
  text += unit;
  return text;
}

}  // namespace vl
