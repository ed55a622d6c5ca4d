#pragma once
// The pictures of the result list's column header when a button section of the skin draws it:
// each column's section in its normal or pressed look, and the strip right of the last column.
// Kept apart from the window code so that the pictures are tested natively and the console
// companion can draw them through the same code.

#include <optional>
#include <string_view>

#include "framework/pixel_bitmap.h"
#include "skin/controls/control_skin.h"
#include "skin/data/skin_values.h"

namespace vl {

class TskSkinData;

// The copies of a header's button section. The picture belongs to the skin data and is looked
// up again before every paint, so the copies never outlive the skin they came from.
struct TskHeaderSkin {
  TskControlSkin skin;
  TRect active_rect;  // activeskinrect, or skinrect when that is empty
  TRect down_rect;    // downskinrect, or the active rectangle when that is empty
  TColor font_color = 0;
  TColor active_font_color = 0;
  TColor down_font_color = 0;

  TColor CaptionColor(bool pressed) const { return pressed ? down_font_color : font_color; }
};

// The header copies of section `name` of `data`. None without skin data, with an Empty one,
// without a section of that name, with a section that is not a button's, or when the section
// has no picture to draw from: the header then draws its default look.
std::optional<TskHeaderSkin> FindHeaderSkin(const TskSkinData* data, std::string_view name);

// A section width x height (both at least 1), pressed or not. The section is fitted by its
// corner points in both directions when it has a left-bottom point; otherwise it is fitted in
// three parts across at the skin height and then stretched to the section height.
PixelBitmap DrawHeaderSection(const TskHeaderSkin& header, int width, int height, bool pressed);

// The strip right of the last column, width x height, in the normal look: the left edge and
// corners of the section and the rest stretched to the right edge, with no right edge of its
// own, since the strip stands for the part of the header that no column reaches.
PixelBitmap DrawHeaderRemainder(const TskHeaderSkin& header, int width, int height);

}  // namespace vl
