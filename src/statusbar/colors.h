#pragma once
// Colours of the status widgets. A colour is either a plain 0x00BBGGRR value or one of the
// system's colours, named by its index with the top byte set; system colours are resolved at
// the moment of drawing, so the widgets follow a change of the colour scheme.

#include <cstdint>

namespace vl {

// The framework's colour values are of the same type and encoding.
using TFlColor = std::uint32_t;
using TColorRef = std::uint32_t;  // a resolved 0x00BBGGRR value

// The same encoding as the framework's colours: the top bit marks a system colour index.
constexpr TFlColor kSysColorFlag = 0x80000000u;

constexpr TFlColor SysColorValue(int index) {
  return kSysColorFlag | TFlColor(index);
}
constexpr bool IsSysColorValue(TFlColor c) {
  return (c & kSysColorFlag) != 0;
}
constexpr int SysColorIndex(TFlColor c) {
  return int(c & 0xFFu);
}

// The platform's colour indexes that the status widgets use.
constexpr int kSysColorWindow = 5;
constexpr int kSysColorBtnFace = 15;
constexpr int kSysColorBtnShadow = 16;
constexpr int kSysColorBtnHighlight = 20;
constexpr int kSysColor3DDkShadow = 21;
constexpr int kSysColor3DLight = 22;

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

// Looks up a system colour by index; the Windows build asks the system, tests use fixed values.
using SystemColorLookup = TColorRef (*)(int index);

inline TColorRef ResolveColor(TFlColor c, SystemColorLookup lookup) {
  return IsSysColorValue(c) ? lookup(SysColorIndex(c)) : (c & 0xFFFFFFu);
}

// Moves the colour's lightness by the amount on the 0..240 lightness scale; 0 keeps the colour.
TColorRef ShiftLightness(TColorRef rgb, int amount);
inline TColorRef ShiftLightness(TFlColor color, int amount, SystemColorLookup lookup) {
  return ShiftLightness(ResolveColor(color, lookup), amount);
}

}  // namespace vl
