#pragma once
// What a skinned control keeps of its definition, and the picture it makes from it for a size:
// the size rule read off the corner points, the sizes and sized points that rule allows, and
// the drawing of a state rectangle by that rule. Kept apart from the window code so that the
// console companion draws a section through the same code and the pixels are tested natively.

#include <optional>

#include "framework/pixel_bitmap.h"
#include "skin/paint/fitting.h"
#include "skin/paint/region.h"
#include "skin/paint/skin_geometry.h"

namespace vl {

class TskSkinData;
class TskDataSkinCustomControl;

// How a control may be sized: not at all by the skin (none), only to the skin rectangle
// (fixed), freely, or in one direction only while the other keeps the skin rectangle's extent.
enum class TskSizeRule { srNone, srFixed, srFree, srWidthOnly, srHeightOnly };

TskSizeRule SizeRuleOf(const TRect& skin_rect, const TskSkinPoints& points);

// The private copies of a custom-control definition. The pictures belong to the skin data;
// they are looked up again after every skin change.
struct TskControlSkin {
  const PixelBitmap* picture = nullptr;
  const PixelBitmap* mask = nullptr;
  TRect skin_rect;
  TskSkinPoints points;
  TskStretchFlags stretch;
  bool stretch_effect = false;
  TskStretchType stretch_type = TskStretchType::stFull;
  TskSizeRule rule = TskSizeRule::srNone;

  // The fitting description of `state_rect`, a rectangle of the skin rectangle's layout.
  TskNineArea Area(const TRect& state_rect) const {
    return {state_rect, points, stretch, stretch_effect, stretch_type};
  }
  // A picture to draw from: the picture is there and the rule is not none.
  bool Drawable() const { return picture && !picture->Empty() && rule != TskSizeRule::srNone; }
};

// The copies of `definition`, its pictures resolved in `data` (none for -1 or past the list).
TskControlSkin CopyControlSkin(const TskSkinData& data, const TskDataSkinCustomControl& definition);

// A size after the rule, with the corner points and client rectangle moved to it.
struct TskSizedSkin {
  int width = 0;
  int height = 0;
  TskSkinPoints points;
};

// The size a control of the requested size takes under the rule, and its sized points.
TskSizedSkin CalcSize(const TskControlSkin& skin, int width, int height);

// `state_rect` drawn by the size rule at the sized size: copied as it is (fixed), fitted by its
// corner points (free), or in three parts across (width only) or down (height only). Without a
// drawable skin the result is empty, and the caller draws its default look.
PixelBitmap DrawBySizeRule(const TskControlSkin& skin, const TRect& state_rect,
                           const TskSizedSkin& sized);

// `state_rect` over the whole width x height by its client corners, every band and the client
// stretched: what a control draws when it keeps a size the rule would not give it.
PixelBitmap DrawStretchedOver(const TskControlSkin& skin, const TRect& state_rect, int width,
                              int height);

// Fills `to` in target with the client part of `state_rect`: repeated from `to`'s top-left
// corner, or, with the stretch effect, stretched whole (stFull), stretched to the height and
// repeated across (stHorz) or stretched to the width and repeated down (stVert). An empty
// rectangle is left alone.
void FillWithClient(PixelBitmap& target, const TRect& to, const TskControlSkin& skin,
                    const TRect& state_rect);

// The frame of `state_rect` cut into its four strips for the sized size and the sized client
// rectangle filled with its client part: the picture of a control drawn piece by piece.
PixelBitmap DrawPiecewise(const TskControlSkin& skin, const TRect& state_rect,
                          const TskSizedSkin& sized);

// A rectangle of the skin rectangle's layout moved to a control dw wider and dh higher: an edge
// right of the right-top corner follows the right edge, one below the left-bottom corner follows
// the bottom edge, so a rectangle in one corner moves with it and one across two is stretched.
TRect MoveWithCorners(const TRect& rect, const TskSkinPoints& points, int dw, int dh);

// The window shape the mask gives a control of the sized size, or none without a mask.
std::optional<TskWindowRegion> ControlRegion(const TskControlSkin& skin, const TskSizedSkin& sized);

}  // namespace vl
