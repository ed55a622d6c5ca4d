#include "skin/controls/header_caption.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

// Every character 7 pixels wide, the dots of "..." 3 each.
int Width(std::wstring_view text) {
  int w = 0;
  for (wchar_t c : text) w += c == L'.' ? 3 : 7;
  return w;
}

TEST(ShortenedCaption, FitsWholeOrEndsInDotsOrIsDotsAlone) {
  struct Case {
    const wchar_t* text;
    int limit;
    const wchar_t* shown;
  } cases[] = {
      {L"FileName", 56, L"FileName"},  // exactly as wide as the room
      {L"FileName", 100, L"FileName"},
      {L"FileName", 55, L"FileNa..."},
      {L"FileName", 51, L"FileNa..."},  // exactly as wide as the room
      {L"FileName", 50, L"FileN..."},
      {L"FileName", 16, L"F..."},
      {L"FileName", 15, L"..."},
      {L"FileName", 0, L"..."},
      {L"", 0, L""},
      {L"a.b", 10, L"..."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShortenedCaption(c.text, c.limit, Width), c.shown) << c.text << " " << c.limit;
  }
}

TEST(CaptionLeft, LeftRightAndCentred) {
  struct Case {
    TAlignment alignment;
    int left;
  } cases[] = {
      {TAlignment::taLeftJustify, 5},
      {TAlignment::taRightJustify, 75},
      {TAlignment::taCenter, 40},
  };
  for (const auto& c : cases) EXPECT_EQ(CaptionLeft(5, 105, 30, c.alignment), c.left);
}

}  // namespace
}  // namespace vl
