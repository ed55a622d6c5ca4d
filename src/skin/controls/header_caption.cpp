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

std::vector<TRect> SortMarkRows(const TRect& room, bool descending) {
  constexpr int kHeight = (kSortMarkWidth + 1) / 2;
  if (room.Width() < kSortMarkWidth || room.Height() < kHeight) return {};
  const int centre = room.right - kSortMarkWidth / 2 - 1;
  const int top = room.top + (room.Height() - kHeight) / 2;
  std::vector<TRect> rows;
  for (int k = 0; k < kHeight; ++k) {
    const int half = descending ? kHeight - 1 - k : k;
    rows.push_back({centre - half, top + k, centre + half + 1, top + k + 1});
  }
  return rows;
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
