#pragma once
// Colours of the status widgets: the lightness shift of their flat frames. System colours are
// resolved at the moment of drawing, so the widgets follow a change of the colour scheme; the
// portable drawing code asks a lookup for them, which tests replace with fixed values.

#include "framework/color.h"

namespace vl {

// Looks up a system colour by index; the Windows build asks the system, tests use fixed values.
using SystemColorLookup = TColor (*)(int index);

inline TColor ResolveColor(TColor c, SystemColorLookup lookup) {
  return IsSystemColor(c) ? lookup(SystemColorIndex(c)) : (c & 0xFFFFFFu);
}

// Moves the colour's lightness by the amount on the 0..240 lightness scale; 0 keeps the colour.
TColor ShiftLightness(TColor rgb, int amount);
inline TColor ShiftLightness(TColor color, int amount, SystemColorLookup lookup) {
  return ShiftLightness(ResolveColor(color, lookup), amount);
}

}  // namespace vl
