#include "skin/controls/header_caption.h"

namespace vl {

std::wstring ShortenedCaption(std::wstring_view text, int limit, const TTextWidth& width) {
  if (width(text) <= limit) return std::wstring(text);
  std::wstring head(text);
  while (!head.empty()) {
    head.pop_back();
    std::wstring shortened = head + L"...";
    if (width(shortened) <= limit) return shortened;
  }
  return L"...";
}

int CaptionLeft(int left, int right, int text_width, TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify:
      return right - text_width;
    case TAlignment::taCenter:
      return left + (right - left - text_width) / 2;
    case TAlignment::taLeftJustify:
      break;
  }
  return left;
}

}  // namespace vl
