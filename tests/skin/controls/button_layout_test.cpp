#include "skin/controls/button_layout.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(PlaceGlyphAndCaption, CentredAndWithMarginInEveryLayout) {
  const TRect r{0, 0, 57, 55};
  struct Case {
    int margin;
    TButtonLayout layout;
    int gw, gh;
    TPoint glyph, text;
  } cases[] = {
      // No glyph: the caption alone is centred whatever the layout, spacing counting 0.
      {-1, TButtonLayout::blGlyphTop, 0, 0, {28, 27}, {8, 20}},
      {-1, TButtonLayout::blGlyphLeft, 0, 0, {8, 27}, {8, 20}},
      // A 16 x 16 glyph with spacing 1 beside or above a 40 x 14 caption.
      {-1, TButtonLayout::blGlyphLeft, 16, 16, {0, 19}, {16, 20}},
      {-1, TButtonLayout::blGlyphRight, 16, 16, {40, 19}, {0, 20}},
      {-1, TButtonLayout::blGlyphTop, 16, 16, {20, 12}, {8, 28}},
      {-1, TButtonLayout::blGlyphBottom, 16, 16, {20, 26}, {8, 12}},
      {4, TButtonLayout::blGlyphLeft, 16, 16, {4, 19}, {21, 20}},
      {4, TButtonLayout::blGlyphRight, 16, 16, {37, 19}, {-4, 20}},
      {4, TButtonLayout::blGlyphTop, 16, 16, {20, 4}, {8, 21}},
      {4, TButtonLayout::blGlyphBottom, 16, 16, {20, 35}, {8, 20}},
  };
  for (const auto& c : cases) {
    TCaptionPlacement p = PlaceGlyphAndCaption(r, c.margin, 1, c.layout, c.gw, c.gh, 40, 14);
    if (c.gw > 0) {
      EXPECT_EQ(p.glyph, c.glyph) << int(c.layout) << " margin " << c.margin;
    }
    EXPECT_EQ(p.text, c.text) << int(c.layout) << " margin " << c.margin;
    EXPECT_EQ(p.text_rect, (TRect{c.text.x, c.text.y, c.text.x + 42, c.text.y + 14}));
  }
}

TEST(DefaultButtonLook, PressedOnlyWhileHeldOverItHotWhenPointedAtOrFocused) {
  struct Case {
    TButtonState state;
    TButtonLook look;
  } cases[] = {
      {{}, TButtonLook::kNormal},
      {{.mouse_in = true}, TButtonLook::kHot},
      {{.focused = true}, TButtonLook::kHot},
      {{.down = true, .mouse_in = true, .mouse_down = true}, TButtonLook::kPressed},
      // Held with the mouse but dragged off: not pressed, and focus does not make it so.
      {{.down = true, .mouse_down = true, .focused = true}, TButtonLook::kHot},
      {{.down = true, .mouse_down = true}, TButtonLook::kNormal},
      // Held by Space while focused.
      {{.down = true, .focused = true}, TButtonLook::kPressed},
      // Down in a group lasts, wherever the pointer is.
      {{.down = true, .grouped = true}, TButtonLook::kPressed},
      {{.mouse_in = true, .grouped = true}, TButtonLook::kHot},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DefaultButtonLook(c.state), c.look)
        << c.state.down << c.state.mouse_in << c.state.mouse_down << c.state.focused;
  }
}

TEST(IsAccelerator, TheCharacterAfterASingleAmpersandAnyCase) {
  struct Case {
    wchar_t ch;
    const wchar_t* caption;
    bool accel;
  } cases[] = {
      {L's', L"&Save", true},   {L'S', L"&Save", true},   {L'a', L"&Save", false},
      {L'v', L"Sa&ve", true},   {L's', L"Save", false},   {L'&', L"A && B", false},
      {L'b', L"A && &B", true}, {L'x', L"Close&", false}, {L'c', L"&&Close", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsAccelerator(c.ch, c.caption), c.accel) << c.caption;
}

}  // namespace
}  // namespace vl
