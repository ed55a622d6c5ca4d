#pragma once
// Colours. A colour is a platform colour value 0x00BBGGRR, or one of the system's colours,
// named by its index with the top bit set. A system colour is looked up when it is drawn, so
// what is drawn follows a change of the colour scheme. The skin definition text spells system
// colours its own way; they are converted where that text is read and written.

#include <cstdint>

namespace vl {

using TColor = std::uint32_t;

constexpr TColor clSystemColor = 0x80000000u;

constexpr TColor SystemColor(int index) {
  return clSystemColor | (TColor(index) & 0x00FFFFFFu);
}
constexpr bool IsSystemColor(TColor color) {
  return (color & clSystemColor) != 0;
}
constexpr int SystemColorIndex(TColor color) {
  return int(color & 0x00FFFFFFu);
}

// The platform's indexes of the system colours the program draws with.
constexpr int kColorWindow = 5;
constexpr int kColorWindowText = 8;
constexpr int kColorHighlight = 13;
constexpr int kColorHighlightText = 14;
constexpr int kColorBtnFace = 15;
constexpr int kColorBtnShadow = 16;
constexpr int kColorGrayText = 17;
constexpr int kColorBtnText = 18;
constexpr int kColorBtnHighlight = 20;
constexpr int kColor3DDkShadow = 21;
constexpr int kColor3DLight = 22;

constexpr TColor clWindow = SystemColor(kColorWindow);
constexpr TColor clWindowText = SystemColor(kColorWindowText);
constexpr TColor clHighlight = SystemColor(kColorHighlight);
constexpr TColor clBtnFace = SystemColor(kColorBtnFace);
constexpr TColor clBtnShadow = SystemColor(kColorBtnShadow);
constexpr TColor clGrayText = SystemColor(kColorGrayText);
constexpr TColor clBtnText = SystemColor(kColorBtnText);
constexpr TColor clBtnHighlight = SystemColor(kColorBtnHighlight);

// The skin definition text writes system colour n as the number n - 16777216, every bit of its
// top byte set; any other number is a colour value as it stands.
constexpr TColor ColorFromDefinition(std::int32_t value) {
  const TColor bits = TColor(value);
  return (bits >> 24) == 0xFFu ? SystemColor(int(bits & 0x00FFFFFFu)) : bits;
}
constexpr std::int32_t ColorToDefinition(TColor color) {
  return IsSystemColor(color) ? std::int32_t(SystemColorIndex(color)) - 16777216
                              : std::int32_t(color);
}

constexpr TColor RGBColor(int r, int g, int b) {
  return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int RedOf(TColor c) {
  return int(c & 0xFF);
}
constexpr int GreenOf(TColor c) {
  return int((c >> 8) & 0xFF);
}
constexpr int BlueOf(TColor c) {
  return int((c >> 16) & 0xFF);
}

}  // namespace vl
