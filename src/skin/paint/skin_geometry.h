#pragma once
// How a skin rectangle divides into fixed corners, stretchable bands and a client area, and
// how those divisions move when the rectangle is fitted to another size. Points and the
// client rectangle are relative to the top-left corner of the skin rectangle.

#include "framework/geometry.h"

namespace vl {

enum class TskStretchType { stFull, stHorz, stVert };

struct TskSkinPoints {
  TPoint lt;  // lefttoppoint
  TPoint rt;  // righttoppoint
  TPoint lb;  // leftbottompoint
  TPoint rb;  // rightbottompoint
  TRect client;
  friend bool operator==(const TskSkinPoints&, const TskSkinPoints&) = default;
};

struct TskStretchFlags {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
};

// The points for a target dx wider and dy higher than the skin rectangle: the left-top corner
// stays, the others follow the edges they touch.
inline TskSkinPoints SizePoints(const TskSkinPoints& p, int dx, int dy) {
  return {p.lt,
          {p.rt.x + dx, p.rt.y},
          {p.lb.x, p.lb.y + dy},
          {p.rb.x + dx, p.rb.y + dy},
          {p.client.left, p.client.top, p.client.right + dx, p.client.bottom + dy}};
}

// Corner points at the corners of a client rectangle: what a frame fitted purely by its
// client area uses.
inline TskSkinPoints PointsAtClientCorners(const TRect& client) {
  return {{client.left, client.top},
          {client.right, client.top},
          {client.left, client.bottom},
          {client.right, client.bottom},
          client};
}

}  // namespace vl
