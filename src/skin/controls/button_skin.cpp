#include "skin/controls/button_skin.h"

#include "skin/data/skin_data.h"
#include "skin/paint/blit.h"
#include "skin/paint/effect_steps.h"
#include "skin/paint/fitting.h"

namespace vl {

TskButtonSkin CopyButtonSkin(const TskSkinData& data, const TskDataSkinButtonControl& d) {
  TskButtonSkin s;
  s.fontname = d.fontname;
  s.fontheight = d.fontheight;
  s.fontstyle = d.fontstyle;
  s.fontcolor = d.fontcolor;
  s.activefontcolor = d.activefontcolor;
  s.downfontcolor = d.downfontcolor;
  // A disabled caption in the normal colour would not look disabled at all.
  s.disabledfontcolor = d.disabledfontcolor == d.fontcolor ? kDisabledGrey : d.disabledfontcolor;
  s.skinrect = d.skinrect;
  s.activeskinrect = d.activeskinrect.IsEmpty() ? d.skinrect : d.activeskinrect;
  s.downskinrect = d.downskinrect.IsEmpty() ? s.activeskinrect : d.downskinrect;
  s.disabledskinrect = d.disabledskinrect;
  s.focusedskinrect = d.focusedskinrect;
  s.morphing = d.morphing;
  s.morphkind = d.morphkind;
  s.animateskinrect = d.animateskinrect;
  s.framecount = d.framecount;
  s.animateinterval = d.animateinterval;
  s.showfocus = d.showfocus;
  s.glow = data.ActivePicture(d.glowlayerpictureindex);
  s.glow_mask = data.ActivePicture(d.glowlayermaskpictureindex);
  s.glowlayeroffsetleft = d.glowlayeroffsetleft;
  s.glowlayeroffsettop = d.glowlayeroffsettop;
  s.glowlayeroffsetright = d.glowlayeroffsetright;
  s.glowlayeroffsetbottom = d.glowlayeroffsetbottom;
  s.glowlayershowoffsetx = d.glowlayershowoffsetx;
  s.glowlayershowoffsety = d.glowlayershowoffsety;
  s.glowlayeralphablendvalue = d.glowlayeralphablendvalue;
  return s;
}

TRect AnimationFrame(const TskButtonSkin& skin, int k) {
  if (!skin.CanAnimate()) return {};
  const TRect& a = skin.animateskinrect;
  return StripFrame(a, skin.framecount, k, StripLayoutByWidth(a, skin.skinrect.Width()));
}

TskButtonFace PickButtonFace(const TskButtonSkin& skin, const TskButtonInputs& in) {
  if (!in.enabled && !skin.disabledskinrect.IsEmpty()) return {skin.disabledskinrect};
  const TButtonState& st = in.state;
  if (ShowsDown(st)) return {skin.downskinrect, true, true};
  if (st.focused && !skin.focusedskinrect.IsEmpty() && !in.animating) {
    return {skin.focusedskinrect, true};
  }
  const TRect frame = in.animating ? AnimationFrame(skin, in.frame) : TRect{};
  if (st.focused || st.mouse_in) {
    return {in.animating_up && !frame.IsEmpty() ? frame : skin.activeskinrect, true};
  }
  if (!in.animating_up && !frame.IsEmpty()) return {frame};
  if (in.morphed_to_active) return {skin.activeskinrect, true};
  return {skin.skinrect};
}

TColor ButtonFontColor(const TskButtonSkin& skin, bool enabled, bool use_skin_font_color,
                       TColor default_color, bool active, bool down) {
  if (enabled && !use_skin_font_color) return default_color;
  if (!enabled) return skin.disabledfontcolor;
  if (active && down) return skin.downfontcolor;
  if (active) return skin.activefontcolor;
  return skin.fontcolor;
}

int ButtonGlyphIndex(bool down, bool hot, bool enabled, int num_glyphs) {
  if (down && hot && num_glyphs > 2) return 3;
  if (hot && num_glyphs > 3) return 4;
  if (enabled || num_glyphs < 2) return 1;
  return 2;
}

TskSizedSkin KeepSize(const TskControlSkin& skin, int width, int height) {
  TskSizedSkin sized{width, height, skin.points};
  sized.points.client.right += width - skin.skin_rect.Width();
  sized.points.client.bottom += height - skin.skin_rect.Height();
  return sized;
}

TskButtonPicture DrawButtonPicture(const TskControlSkin& skin, const TskSizedSkin& sized,
                                   const TRect& state, bool use_skin_size, int width, int height) {
  if (use_skin_size || skin.rule == TskSizeRule::srFree) {
    return {DrawBySizeRule(skin, state, sized), sized.points.client};
  }
  if (!skin.Drawable() || state.IsEmpty() || width < 1 || height < 1) return {};
  TskButtonPicture out;
  if (skin.rule == TskSizeRule::srFixed) {
    out.picture = PixelBitmap(width, height);
    StretchCopy(out.picture, out.picture.Bounds(), *skin.picture, state);
  } else {
    out.picture = DrawStretchedOver(skin, state, width, height);
  }
  out.text_rect = skin.points.client;
  out.text_rect.right += width - state.Width();
  out.text_rect.bottom += height - state.Height();
  return out;
}

std::optional<TskGlowPictures> SizeGlow(const TskButtonSkin& b, const TskControlSkin& skin,
                                        bool use_skin_size, int width, int height) {
  if (!b.glow || !b.glow_mask || b.glow->Empty() || b.glow->Width() != b.glow_mask->Width() ||
      b.glow->Height() != b.glow_mask->Height()) {
    return std::nullopt;
  }
  const int gw = b.glow->Width(), gh = b.glow->Height();
  const int dw = width - skin.skin_rect.Width(), dh = height - skin.skin_rect.Height();
  TskGlowPictures out;
  switch (skin.rule) {
    case TskSizeRule::srFixed:
      out = {*b.glow, *b.glow_mask};
      break;
    case TskSizeRule::srWidthOnly: {
      if (!use_skin_size) return std::nullopt;
      auto widen = [&](const PixelBitmap& p) {
        return PaintThreePartHorz(p, p.Bounds(), b.glowlayeroffsetleft, b.glowlayeroffsetright,
                                  true, gw + dw);
      };
      out = {widen(*b.glow), widen(*b.glow_mask)};
      break;
    }
    case TskSizeRule::srFree: {
      const int l = b.glowlayeroffsetleft, t = b.glowlayeroffsettop;
      const int r = gw - b.glowlayeroffsetright, bottom = gh - b.glowlayeroffsetbottom;
      const TskNineArea area{{0, 0, gw, gh},
                             {{l, t}, {r, t}, {l, bottom}, {r, bottom}, {l, t, r, bottom}},
                             {true, true, true, true},
                             true,
                             TskStretchType::stFull};
      auto grow = [&](const PixelBitmap& p) {
        return PaintNineArea(p, area, true, gw + dw, gh + dh);
      };
      out = {grow(*b.glow), grow(*b.glow_mask)};
      break;
    }
    case TskSizeRule::srHeightOnly:
    case TskSizeRule::srNone:
      return std::nullopt;
  }
  if (out.glow.Empty() || out.mask.Empty()) return std::nullopt;
  return out;
}

}  // namespace vl
