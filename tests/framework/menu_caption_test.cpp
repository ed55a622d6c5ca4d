#include "framework/menu_caption.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

struct CaptionCase {
  const wchar_t* caption;
  wchar_t accelerator;
  const wchar_t* shown;
};

TEST(MenuCaption, AcceleratorAndShownText) {
  const CaptionCase cases[] = {
      {L"&File", L'f', L"File"},
      {L"Mi&nimize", L'n', L"Minimize"},
      {L"Ma&Ximize", L'x', L"MaXimize"},
      {L"Save && Quit", 0, L"Save & Quit"},
      {L"&&&Both", L'b', L"&Both"},
      {L"Trailing&", 0, L"Trailing"},
      {L"&", 0, L""},
      {L"No marks", 0, L"No marks"},
      {L"", 0, L""},
      {L"&One &Two", L'o', L"One Two"},
  };
  for (const CaptionCase& c : cases) {
    EXPECT_EQ(AcceleratorOf(c.caption), c.accelerator) << c.caption;
    EXPECT_EQ(StripAccelerator(c.caption), c.shown) << c.caption;
  }
}

TEST(MenuCaption, AcceleratorMatchesEitherCase) {
  EXPECT_TRUE(IsAcceleratorOf(L'F', L"&File"));
  EXPECT_TRUE(IsAcceleratorOf(L'f', L"&File"));
  EXPECT_FALSE(IsAcceleratorOf(L'i', L"&File"));
  EXPECT_FALSE(IsAcceleratorOf(0, L"File"));
}

TEST(MenuCaption, SeparatorsAndHeaders) {
  EXPECT_TRUE(IsSeparatorCaption(L"-"));
  EXPECT_FALSE(IsHeaderCaption(L"-"));
  EXPECT_TRUE(IsHeaderCaption(L"--"));
  EXPECT_TRUE(IsHeaderCaption(L"-Tools-"));
  EXPECT_FALSE(IsHeaderCaption(L"-Tools"));
  EXPECT_FALSE(IsSeparatorCaption(L"--"));
}

TEST(MenuCaption, ShortCutText) {
  struct {
    TShortCut shortcut;
    const wchar_t* text;
  } cases[] = {
      {{}, L""},
      {{0x73, false, false, true}, L"Alt+F4"},
      {{0x73, true, false, false}, L"Ctrl+F4"},
      {{'Z', true, false, false}, L"Ctrl+Z"},
      {{'Z', true, true, false}, L"Shift+Ctrl+Z"},
      {{0x2E, false, false, false}, L"Del"},
      {{0x20, false, false, true}, L"Alt+Space"},
      {{0xFF, true, false, false}, L""},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortCutToText(c.shortcut), c.text) << c.text;
}

}  // namespace
}  // namespace vl
