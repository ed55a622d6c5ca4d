#pragma once
// Colours of the status widgets. A colour is either a plain 0x00BBGGRR value or one of the
// system's colours, named by its index with the top byte set; system colours are resolved at
// the moment of drawing, so the widgets follow a change of the colour scheme.

#include <cstdint>

namespace vl {

using TColor = std::uint32_t;
using TColorRef = std::uint32_t;  // a resolved 0x00BBGGRR value

// The same encoding as the framework's colours: the top bit marks a system colour index.
constexpr TColor kSystemColorFlag = 0x80000000u;

constexpr TColor SystemColor(int index) {
  return kSystemColorFlag | TColor(index);
}
constexpr bool IsSystemColor(TColor c) {
  return (c & kSystemColorFlag) != 0;
}
constexpr int SystemColorIndex(TColor c) {
  return int(c & 0xFFu);
}

// The platform's colour indexes that the status widgets use.
constexpr int kColorWindow = 5;
constexpr int kColorWindowText = 8;
constexpr int kColorHighlight = 13;
constexpr int kColorBtnFace = 15;
constexpr int kColorBtnShadow = 16;
constexpr int kColorBtnText = 18;
constexpr int kColorBtnHighlight = 20;
constexpr int kColor3DDkShadow = 21;
constexpr int kColor3DLight = 22;

constexpr TColorRef RGBColor(int r, int g, int b) {
  return TColorRef(r & 0xFF) | (TColorRef(g & 0xFF) << 8) | (TColorRef(b & 0xFF) << 16);
}
constexpr int RedOf(TColorRef c) {
  return int(c & 0xFF);
}
constexpr int GreenOf(TColorRef c) {
  return int((c >> 8) & 0xFF);
}
constexpr int BlueOf(TColorRef c) {
  return int((c >> 16) & 0xFF);
}

// Looks up a system colour by index; the Windows build asks the system, tests use a fixed scheme.
using SystemColorLookup = TColorRef (*)(int index);

// The classic (Windows Standard) scheme, for tests and for drawing without a system.
TColorRef ClassicSystemColor(int index);

inline TColorRef ResolveColor(TColor c, SystemColorLookup lookup) {
  return IsSystemColor(c) ? lookup(SystemColorIndex(c)) : (c & 0xFFFFFFu);
}

// Moves the colour's lightness by the amount on the 0..240 lightness scale; 0 keeps the colour.
TColorRef ShiftLightness(TColorRef rgb, int amount);
inline TColorRef ShiftLightness(TColor color, int amount, SystemColorLookup lookup) {
  return ShiftLightness(ResolveColor(color, lookup), amount);
}

}  // namespace vl
