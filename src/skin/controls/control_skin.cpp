#include "skin/controls/control_skin.h"

#include "skin/paint/blit.h"
#include "skin/paint/border_strips.h"
#include "skin/data/skin_data.h"

namespace vl {

TskSizeRule SizeRuleOf(const TRect& skin_rect, const TskSkinPoints& p) {
  if (skin_rect.IsEmpty()) return TskSizeRule::srNone;
  if (p.rb.x != 0 && p.rb.y != 0) return TskSizeRule::srFree;
  if (p.rt.x != 0 || p.rt.y != 0) return TskSizeRule::srWidthOnly;
  if (p.lb.x != 0 || p.lb.y != 0) return TskSizeRule::srHeightOnly;
  return TskSizeRule::srFixed;
}

TskControlSkin CopyControlSkin(const TskSkinData& data, const TskDataSkinCustomControl& d) {
  TskControlSkin skin;
  skin.picture = data.ActivePicture(d.pictureindex);
  skin.mask = data.ActivePicture(d.maskpictureindex);
  skin.skin_rect = d.skinrect;
  skin.points = {d.lefttoppoint, d.righttoppoint, d.leftbottompoint, d.rightbottompoint,
                 d.clientrect};
  skin.stretch = {d.leftstretch, d.topstretch, d.rightstretch, d.bottomstretch};
  skin.stretch_effect = d.stretcheffect;
  skin.stretch_type = d.stretchtype;
  skin.rule = SizeRuleOf(skin.skin_rect, skin.points);
  return skin;
}

TskSizedSkin CalcSize(const TskControlSkin& skin, int width, int height) {
  const TskSkinPoints& p = skin.points;
  const int dw = width - skin.skin_rect.Width();
  const int dh = height - skin.skin_rect.Height();
  TskSizedSkin sized{width, height, p};
  switch (skin.rule) {
    case TskSizeRule::srNone:
      break;
    case TskSizeRule::srFixed:
      sized.width = skin.skin_rect.Width();
      sized.height = skin.skin_rect.Height();
      break;
    case TskSizeRule::srFree:
      sized.points = SizePoints(p, dw, dh);
      break;
    case TskSizeRule::srWidthOnly:
      sized.height = skin.skin_rect.Height();
      sized.points.rt.x += dw;
      sized.points.client.right += dw;
      break;
    case TskSizeRule::srHeightOnly:
      sized.width = skin.skin_rect.Width();
      sized.points.lb.y += dh;
      sized.points.client.bottom += dh;
      break;
  }
  return sized;
}

PixelBitmap DrawBySizeRule(const TskControlSkin& skin, const TRect& state, const TskSizedSkin& s) {
  if (!skin.Drawable() || state.IsEmpty()) return {};
  const PixelBitmap& src = *skin.picture;
  const TskSkinPoints& p = skin.points;
  switch (skin.rule) {
    case TskSizeRule::srFixed: {
      PixelBitmap out(state.Width(), state.Height());
      CopyRect(out, 0, 0, src, state);
      return out;
    }
    case TskSizeRule::srFree:
      return PaintNineArea(src, skin.Area(state), true, s.width, s.height, s.points);
    case TskSizeRule::srWidthOnly:
      return PaintThreePartHorz(src, state, p.lt.x, skin.skin_rect.Width() - p.rt.x,
                                skin.stretch_effect, s.width);
    case TskSizeRule::srHeightOnly:
      return PaintThreePartVert(src, state, p.lt.y, skin.skin_rect.Height() - p.lb.y,
                                skin.stretch_effect, s.height);
    case TskSizeRule::srNone:
      break;
  }
  return {};
}

PixelBitmap DrawStretchedOver(const TskControlSkin& skin, const TRect& state, int width,
                              int height) {
  if (!skin.Drawable() || state.IsEmpty() || width < 1 || height < 1) return {};
  PixelBitmap out(width, height);
  PaintStretchedBorder(out, *skin.picture, state, skin.points.client, true);
  return out;
}

void FillWithClient(PixelBitmap& target, const TRect& to, const TskControlSkin& skin,
                    const TRect& state) {
  if (to.IsEmpty() || !skin.picture) return;
  const PixelBitmap& src = *skin.picture;
  const TRect from = skin.points.client.Offset(state.left, state.top);
  if (from.IsEmpty()) return;
  if (!skin.stretch_effect) {
    RepeatOver(target, to, src, from);
    return;
  }
  switch (skin.stretch_type) {
    case TskStretchType::stFull:
      StretchCopy(target, to, src, from);
      return;
    case TskStretchType::stHorz: {
      PixelBitmap strip = StretchedPiece(src, from, from.Width(), to.Height());
      RepeatAcross(target, to.left, to.right, to.top, strip, strip.Bounds(), to);
      return;
    }
    case TskStretchType::stVert: {
      PixelBitmap strip = StretchedPiece(src, from, to.Width(), from.Height());
      RepeatDown(target, to.top, to.bottom, to.left, strip, strip.Bounds(), to);
      return;
    }
  }
}

PixelBitmap DrawPiecewise(const TskControlSkin& skin, const TRect& state, const TskSizedSkin& s) {
  if (!skin.Drawable() || state.IsEmpty() || s.width < 1 || s.height < 1) return {};
  PixelBitmap out(s.width, s.height);
  // Where a strip cannot be made (a control smaller than its fixed corners) the client texture
  // shows instead of an undrawn picture.
  const TRect client_src = skin.points.client.Offset(state.left, state.top);
  if (!client_src.IsEmpty()) RepeatOver(out, out.Bounds(), *skin.picture, client_src);
  FillWithClient(out, Intersect(s.points.client, out.Bounds()), skin, state);
  const TskBorderStrips strips =
      BuildBorderStrips(*skin.picture, skin.Area(state), s.width, s.height, s.points);
  const int top_h = strips.top.Height();
  if (!strips.top.Empty()) CopyRect(out, 0, 0, strips.top, strips.top.Bounds());
  if (!strips.left.Empty()) CopyRect(out, 0, top_h, strips.left, strips.left.Bounds());
  if (!strips.right.Empty()) {
    CopyRect(out, s.width - strips.right.Width(), top_h, strips.right, strips.right.Bounds());
  }
  if (!strips.bottom.Empty()) {
    CopyRect(out, 0, s.height - strips.bottom.Height(), strips.bottom, strips.bottom.Bounds());
  }
  return out;
}

TRect MoveWithCorners(const TRect& r, const TskSkinPoints& p, int dw, int dh) {
  // Right and bottom edges lie outside their rectangle: one on the corner's edge stays.
  return {r.left >= p.rt.x ? r.left + dw : r.left, r.top >= p.lb.y ? r.top + dh : r.top,
          r.right > p.rt.x ? r.right + dw : r.right, r.bottom > p.lb.y ? r.bottom + dh : r.bottom};
}

std::optional<TskWindowRegion> ControlRegion(const TskControlSkin& skin, const TskSizedSkin& s) {
  if (!skin.mask || skin.mask->Empty()) return std::nullopt;
  switch (skin.rule) {
    case TskSizeRule::srFree:
    case TskSizeRule::srWidthOnly:
    case TskSizeRule::srHeightOnly:
      return BuildWindowRegion(*skin.mask, skin.points, s.width, s.points);
    case TskSizeRule::srFixed:
    case TskSizeRule::srNone:
      break;
  }
  std::optional<TskRegionRects> whole = MaskToRegion(*skin.mask, 0, 0);
  if (!whole) return std::nullopt;
  return TskWindowRegion{{std::move(*whole)}};
}

}  // namespace vl
