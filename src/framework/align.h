#pragma once
// Placement of aligned child controls inside a parent's client area: top ones stack downwards
// from the top edge, bottom ones upwards from the bottom edge, then left and right ones share
// the rows in between, and a client-aligned one takes whatever is left. Within one kind the
// children keep their order. Only the extent across the alignment survives from a child's own
// bounds (the height of a top child, the width of a left one).

#include <vector>

#include "framework/geometry.h"

namespace vl {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

struct TAlignItem {
  TAlign align = TAlign::alNone;
  TRect bounds;  // the child's current bounds, in the parent's client coordinates
  bool visible = true;
};

// Returns the new bounds of every item, in the items' order; items that are not aligned or not
// visible keep their bounds.
std::vector<TRect> AlignItems(const TRect& client, const std::vector<TAlignItem>& items);

}  // namespace vl
