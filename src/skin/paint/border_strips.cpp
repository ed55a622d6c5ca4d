#include "skin/paint/border_strips.h"

#include "skin/paint/blit.h"

namespace vl {
namespace {

// A horizontal strip: the band from..to of the source rows either stretched into band_to or
// repeated from band_to.left to band_end, with the fixed ends copied over it afterwards.
struct AcrossStrip {
  TRect band;  // in the source picture
  int band_to_left;
  int band_to_right;
  int repeat_from;
  int repeat_to;
  TRect left_end;  // in the source picture, copied to (0, 0)
  TRect right_end;
  int right_end_x;
};

void FillAcross(PixelBitmap& strip, const PixelBitmap& src, const AcrossStrip& s, bool stretch) {
  if (stretch) {
    StretchCopy(strip, {s.band_to_left, 0, s.band_to_right, strip.Height()}, src, s.band);
  } else {
    RepeatAcross(strip, s.repeat_from, s.repeat_to, 0, src, s.band, strip.Bounds());
  }
  CopyRect(strip, 0, 0, src, s.left_end);
  CopyRect(strip, s.right_end_x, 0, src, s.right_end);
}

// A vertical strip: rows band of the source stretched into rows band_to_top..band_to_bottom or
// repeated from the top, then the fixed upper rows at the top and lower rows at the bottom.
struct DownStrip {
  TRect band;
  int band_to_top;
  int band_to_bottom;
  TRect upper;  // copied to the top when it has rows
  TRect lower;  // copied to the bottom when it has rows
};

void FillDown(PixelBitmap& strip, const PixelBitmap& src, const DownStrip& s, bool stretch) {
  if (stretch) {
    StretchCopy(strip, {0, s.band_to_top, strip.Width(), s.band_to_bottom}, src, s.band);
  } else {
    RepeatDown(strip, 0, strip.Height(), 0, src, s.band, strip.Bounds());
  }
  if (s.upper.Height() > 0) CopyRect(strip, 0, 0, src, s.upper);
  if (s.lower.Height() > 0) CopyRect(strip, 0, strip.Height() - s.lower.Height(), src, s.lower);
}

}  // namespace

TskBorderStrips BuildBorderStrips(const PixelBitmap& src, const TskNineArea& area, int width,
                                  int height, const TskSkinPoints& t) {
  const TskSkinPoints& p = area.points;
  const TRect& c = p.client;
  const TRect s = area.skin_rect;
  auto at = [&](int l, int tp, int r, int b) { return TRect{l, tp, r, b}.Offset(s.left, s.top); };
  TskBorderStrips strips;

  int top_h = t.client.top;
  if (width > 0 && top_h > 0 && p.rt.x > p.lt.x) {
    strips.top = PixelBitmap(width, top_h);
    FillAcross(strips.top, src,
               {at(p.lt.x, 0, p.rt.x, top_h), t.lt.x, t.rt.x, 0, width, at(0, 0, p.lt.x, top_h),
                at(p.rt.x, 0, s.Width(), top_h), t.rt.x},
               area.stretch.top);
  }
  int bottom_h = height - t.client.bottom;
  if (width > 0 && bottom_h > 0 && p.rb.x > p.lb.x) {
    int y = s.Height() - bottom_h;
    strips.bottom = PixelBitmap(width, bottom_h);
    FillAcross(strips.bottom, src,
               {at(p.lb.x, y, p.rb.x, s.Height()), t.lb.x, t.rb.x, 0, width,
                at(0, y, p.lb.x, s.Height()), at(p.rb.x, y, s.Width(), s.Height()), t.rb.x},
               area.stretch.bottom);
  }

  int middle_h = height - strips.top.Height() - strips.bottom.Height();
  int left_w = t.client.left;
  if (left_w > 0 && middle_h > 0 && p.lb.y > p.lt.y) {
    strips.left = PixelBitmap(left_w, middle_h);
    FillDown(strips.left, src,
             {at(0, p.lt.y, left_w, p.lb.y), p.lt.y - c.top, middle_h - (c.bottom - p.lb.y),
              at(0, c.top, left_w, p.lt.y), at(0, p.lb.y, left_w, c.bottom)},
             area.stretch.left);
  }
  int right_w = width - t.client.right;
  if (right_w >= 1 && middle_h >= 1 && p.rb.y > p.rt.y) {
    strips.right = PixelBitmap(right_w, middle_h);
    FillDown(
        strips.right, src,
        {at(c.right, p.rt.y, s.Width(), p.rb.y), p.rt.y - c.top, middle_h - (c.bottom - p.rb.y),
         at(c.right, c.top, s.Width(), p.rt.y), at(c.right, p.rb.y, s.Width(), c.bottom)},
        area.stretch.right);
  }
  return strips;
}

TskBorderStrips BuildTiledBorderStrips(const PixelBitmap& mask, const TskSkinPoints& p, int width,
                                       const TskSkinPoints& t) {
  const TRect& c = p.client;
  int mw = mask.Width(), mh = mask.Height();
  int side_h = t.client.Height();
  TskBorderStrips strips;

  if (c.left > 0 && side_h > 0) {
    strips.left = PixelBitmap(c.left, side_h);
    FillDown(strips.left, mask,
             {{0, p.lt.y, c.left, p.lb.y},
              0,
              0,
              {0, c.top, c.left, p.lt.y},
              {0, p.lb.y, c.left, c.bottom}},
             false);
  }
  if (mw - c.right > 0 && side_h > 0) {
    strips.right = PixelBitmap(mw - c.right, side_h);
    FillDown(strips.right, mask,
             {{c.right, p.rt.y, mw, p.rb.y},
              0,
              0,
              {c.right, c.top, mw, p.rt.y},
              {c.right, p.rb.y, mw, c.bottom}},
             false);
  }
  if (width > 0 && c.top > 0) {
    strips.top = PixelBitmap(width, c.top);
    FillAcross(strips.top, mask,
               {{p.lt.x, 0, p.rt.x, c.top},
                0,
                0,
                t.lt.x,
                t.rt.x,
                {0, 0, p.lt.x, c.top},
                {p.rt.x, 0, mw, c.top},
                t.rt.x},
               false);
  }
  if (width > 0 && mh - c.bottom > 0) {
    strips.bottom = PixelBitmap(width, mh - c.bottom);
    FillAcross(strips.bottom, mask,
               {{p.lb.x, c.bottom, p.rb.x, mh},
                0,
                0,
                t.lb.x,
                t.rb.x,
                {0, c.bottom, p.lb.x, mh},
                {p.rb.x, c.bottom, mw, mh},
                t.rb.x},
               false);
  }
  return strips;
}

}  // namespace vl
