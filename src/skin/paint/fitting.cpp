#include "skin/paint/fitting.h"

#include "skin/paint/blit.h"

namespace vl {
namespace {

// Source rectangles are given relative to S; this moves them into the source picture.
struct Source {
  const PixelBitmap& picture;
  TRect skin;
  TRect At(int left, int top, int right, int bottom) const {
    return TRect{left, top, right, bottom}.Offset(skin.left, skin.top);
  }
};

// A band of the border: stretched over `to`, or repeated along it (across for the top and
// bottom bands, down for the sides).
void DrawBand(PixelBitmap& target, const Source& src, const TRect& from, const TRect& to,
              bool stretch, bool across) {
  if (stretch) {
    StretchCopy(target, to, src.picture, from);
  } else if (across) {
    RepeatAcross(target, to.left, to.right, to.top, src.picture, from, to);
  } else {
    RepeatDown(target, to.top, to.bottom, to.left, src.picture, from, to);
  }
}

void DrawEdges(PixelBitmap& target, const Source& src, const TskNineArea& area,
               const TskSkinPoints& t) {
  const TskSkinPoints& p = area.points;
  int w = target.Width(), h = target.Height();
  int sw = src.skin.Width(), sh = src.skin.Height();
  DrawBand(target, src, src.At(p.lt.x, 0, p.rt.x, p.client.top), {t.lt.x, 0, t.rt.x, t.client.top},
           area.stretch.top, true);
  DrawBand(target, src, src.At(p.lb.x, p.client.bottom, p.rb.x, sh),
           {t.lb.x, t.client.bottom, t.rb.x, h}, area.stretch.bottom, true);
  DrawBand(target, src, src.At(0, p.lt.y, p.client.left, p.lb.y),
           {0, t.lt.y, t.client.left, t.lb.y}, area.stretch.left, false);
  DrawBand(target, src, src.At(p.client.right, p.rt.y, sw, p.rb.y),
           {t.client.right, t.rt.y, w, t.rb.y}, area.stretch.right, false);
}

void DrawFixedPieces(PixelBitmap& target, const Source& src, const TskSkinPoints& p,
                     const TskSkinPoints& t) {
  int sw = src.skin.Width(), sh = src.skin.Height();
  const TRect& c = p.client;
  const TRect& tc = t.client;
  auto piece = [&](TRect from, int x, int y) { CopyRect(target, x, y, src.picture, from); };
  piece(src.At(0, 0, p.lt.x, c.top), 0, 0);
  piece(src.At(0, c.top, c.left, p.lt.y), 0, tc.top);
  piece(src.At(p.rt.x, 0, sw, c.top), t.rt.x, 0);
  piece(src.At(c.right, c.top, sw, p.rt.y), tc.right, tc.top);
  piece(src.At(0, p.lb.y, c.left, sh), 0, t.lb.y);
  piece(src.At(c.left, c.bottom, p.lb.x, sh), tc.left, tc.bottom);
  piece(src.At(p.rb.x, c.bottom, sw, sh), t.rb.x, tc.bottom);
  piece(src.At(c.right, p.rb.y, sw, c.bottom), tc.right, t.rb.y);
}

void DrawStretchedClient(PixelBitmap& target, const Source& src, const TRect& from, const TRect& to,
                         TskStretchType type) {
  switch (type) {
    case TskStretchType::stFull:
      StretchCopy(target, to, src.picture, from);
      return;
    case TskStretchType::stHorz: {
      PixelBitmap strip = StretchedPiece(src.picture, from, from.Width(), to.Height());
      RepeatAcross(target, to.left, to.right, to.top, strip, strip.Bounds(), to);
      return;
    }
    case TskStretchType::stVert: {
      PixelBitmap strip = StretchedPiece(src.picture, from, to.Width(), from.Height());
      RepeatDown(target, to.top, to.bottom, to.left, strip, strip.Bounds(), to);
      return;
    }
  }
}

void DrawClient(PixelBitmap& target, const Source& src, const TskNineArea& area, const TRect& to) {
  const TRect& c = area.points.client;
  TRect from = src.At(c.left, c.top, c.right, c.bottom);
  if (!area.stretch_effect) {
    RepeatOver(target, to, src.picture, from);
    return;
  }
  if (!to.IsEmpty()) DrawStretchedClient(target, src, from, to, area.stretch_type);
}

// The middle of a horizontal three-part fit: S without its first `left` and last `right`
// columns, into target columns left to `end`. A middle of no width still yields one column.
void DrawMiddleAcross(PixelBitmap& target, const PixelBitmap& src, const TRect& s, int left,
                      int right, int end, bool stretch_effect) {
  int middle = s.Width() - left - right;
  if (middle < 0) return;
  if (middle == 0) middle = 1;
  TRect from{s.left + left, s.top, s.left + left + middle, s.bottom};
  TRect to{left, 0, end, s.Height()};
  if (stretch_effect) {
    StretchCopy(target, to, src, from);
  } else {
    RepeatAcross(target, to.left, to.right, 0, src, from, to);
  }
}

}  // namespace

void DrawNineArea(PixelBitmap& target, const PixelBitmap& src, const TskNineArea& area,
                  bool draw_client, const TskSkinPoints& sized) {
  const TskSkinPoints& p = area.points;
  if (p.rb.x == p.lt.x || p.rb.y == p.lt.y || src.Empty()) return;
  Source source{src, area.skin_rect};
  DrawEdges(target, source, area, sized);
  DrawFixedPieces(target, source, p, sized);
  if (draw_client) DrawClient(target, source, area, sized.client);
}

PixelBitmap PaintNineArea(const PixelBitmap& src, const TskNineArea& area, bool draw_client,
                          int width, int height, const TskSkinPoints& sized) {
  PixelBitmap target(width, height);
  DrawNineArea(target, src, area, draw_client, sized);
  return target;
}

PixelBitmap PaintNineArea(const PixelBitmap& src, const TskNineArea& area, bool draw_client,
                          int width, int height) {
  TskSkinPoints sized =
      SizePoints(area.points, width - area.skin_rect.Width(), height - area.skin_rect.Height());
  return PaintNineArea(src, area, draw_client, width, height, sized);
}

void PaintStretchedBorder(PixelBitmap& target, const PixelBitmap& src, const TRect& skin_rect,
                          const TRect& client, bool draw_client) {
  TskNineArea area{skin_rect,
                   PointsAtClientCorners(client),
                   {true, true, true, true},
                   true,
                   TskStretchType::stFull};
  TskSkinPoints sized = SizePoints(area.points, target.Width() - skin_rect.Width(),
                                   target.Height() - skin_rect.Height());
  DrawNineArea(target, src, area, draw_client, sized);
}

PixelBitmap PaintThreePartHorz(const PixelBitmap& src, const TRect& s, int left, int right,
                               bool stretch_effect, int width) {
  PixelBitmap target(width, s.Height());
  if (left > 0) CopyRect(target, 0, 0, src, {s.left, s.top, s.left + left, s.bottom});
  if (right > 0) {
    CopyRect(target, width - right, 0, src, {s.right - right, s.top, s.right, s.bottom});
  }
  DrawMiddleAcross(target, src, s, left, right, width - right, stretch_effect);
  return target;
}

PixelBitmap PaintTwoPartHorz(const PixelBitmap& src, const TRect& s, int left, int right,
                             bool stretch_effect, int width) {
  PixelBitmap target(width, s.Height());
  if (left > 0) CopyRect(target, 0, 0, src, {s.left, s.top, s.left + left, s.bottom});
  DrawMiddleAcross(target, src, s, left, right, width, stretch_effect);
  return target;
}

PixelBitmap PaintTwoPartNineArea(const PixelBitmap& src, const TskNineArea& area, int width,
                                 int height) {
  PixelBitmap target(width, height);
  if (src.Empty() || area.skin_rect.IsEmpty()) return target;
  const Source s{src, area.skin_rect};
  const TskSkinPoints& p = area.points;
  const TRect& c = p.client;
  const int sw = s.skin.Width(), sh = s.skin.Height();
  const int dy = height - sh;
  const int lb_y = p.lb.y + dy;
  const int client_bottom = c.bottom + dy;
  // The stretched part first, so that the left pieces stay whole where a short target makes
  // the bands overlap.
  StretchCopy(target, {p.lt.x, 0, width, c.top}, src, s.At(p.lt.x, 0, sw, c.top));
  StretchCopy(target, {c.left, c.top, width, client_bottom}, src,
              s.At(c.left, c.top, sw, c.bottom));
  StretchCopy(target, {p.lb.x, client_bottom, width, height}, src, s.At(p.lb.x, c.bottom, sw, sh));
  DrawBand(target, s, s.At(0, p.lt.y, c.left, p.lb.y), {0, p.lt.y, c.left, lb_y}, area.stretch.left,
           false);
  auto piece = [&](TRect from, int x, int y) { CopyRect(target, x, y, src, from); };
  piece(s.At(0, 0, p.lt.x, c.top), 0, 0);
  piece(s.At(0, c.top, c.left, p.lt.y), 0, c.top);
  piece(s.At(0, p.lb.y, c.left, sh), 0, lb_y);
  piece(s.At(c.left, c.bottom, p.lb.x, sh), c.left, client_bottom);
  return target;
}

PixelBitmap PaintThreePartVert(const PixelBitmap& src, const TRect& s, int top, int bottom,
                               bool stretch_effect, int height) {
  PixelBitmap target(s.Width(), height);
  if (top > 0) CopyRect(target, 0, 0, src, {s.left, s.top, s.right, s.top + top});
  if (bottom > 0) {
    CopyRect(target, 0, height - bottom, src, {s.left, s.bottom - bottom, s.right, s.bottom});
  }
  int middle = s.Height() - top - bottom;
  if (middle <= 0) return target;
  TRect from{s.left, s.top + top, s.right, s.top + top + middle};
  TRect to{0, top, s.Width(), height - bottom};
  if (stretch_effect) {
    StretchCopy(target, to, src, from);
  } else {
    RepeatDown(target, to.top, to.bottom, 0, src, from, to);
  }
  return target;
}

}  // namespace vl
