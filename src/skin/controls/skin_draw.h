#pragma once
// The console companion's picture of one control section: what a control drawn from that
// section shows at a size and in a state, made by the controls' own drawing code, for pictures
// of a skin and for tests that compare it.
//   skin draw [--package FILE] SECTION WIDTH HEIGHT [STATE] OUT.bmp
// STATE is normal (default), hot, pressed, focused or disabled. Without --package the carried
// package is drawn from.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/pixel_bitmap.h"

namespace vl {

class TskSkinData;
class TskCompressedStoredSkin;

enum class TskDrawState { kNormal, kHot, kPressed, kFocused, kDisabled };

// The section's picture at the size its rule gives width x height; an error names a section
// that is missing, of a kind without a picture, or without one to draw.
PixelBitmap DrawSkinSection(const TskSkinData& data, std::string_view section, int width,
                            int height, TskDrawState state);

// args start after "draw". Returns the exit code: 0 done, 1 failed (the reason on err), 2 wrong
// arguments.
int RunSkinDrawCommand(const std::vector<std::string>& args, const TskCompressedStoredSkin* carried,
                       std::ostream& out, std::ostream& err);

}  // namespace vl
