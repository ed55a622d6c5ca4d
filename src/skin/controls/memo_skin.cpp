#include "skin/controls/memo_skin.h"

#include <algorithm>

#include "skin/data/skin_data.h"
#include "skin/paint/blit.h"
#include "skin/paint/border_strips.h"

namespace vl {
namespace {

void FillRect(PixelBitmap& target, const TRect& r, Pixel color) {
  const TRect cut = Intersect(r, target.Bounds());
  if (cut.IsEmpty()) return;
  for (int y = cut.top; y < cut.bottom; ++y)
    std::fill(target.Row(y) + cut.left, target.Row(y) + cut.right, color);
}

// The client rectangle of the section moved with the right and bottom edges to the size.
TRect SizedClient(const TskControlSkin& skin, int width, int height) {
  const TRect& c = skin.points.client;
  return {c.left, c.top, width + c.right - skin.skin_rect.Width(),
          height + c.bottom - skin.skin_rect.Height()};
}

void DrawFrame(PixelBitmap& out, const TskControlSkin& skin, const TRect& state) {
  const int w = out.Width();
  const int h = out.Height();
  const TskSkinPoints sized =
      SizePoints(skin.points, w - skin.skin_rect.Width(), h - skin.skin_rect.Height());
  const TskBorderStrips strips = BuildBorderStrips(*skin.picture, skin.Area(state), w, h, sized);
  const int top_h = strips.top.Height();
  if (!strips.top.Empty()) CopyRect(out, 0, 0, strips.top, strips.top.Bounds());
  if (!strips.left.Empty()) CopyRect(out, 0, top_h, strips.left, strips.left.Bounds());
  if (!strips.right.Empty()) {
    CopyRect(out, w - strips.right.Width(), top_h, strips.right, strips.right.Bounds());
  }
  if (!strips.bottom.Empty()) {
    CopyRect(out, 0, h - strips.bottom.Height(), strips.bottom, strips.bottom.Bounds());
  }
}

}  // namespace

TskMemoSkin CopyMemoSkin(const TskSkinData& data, const TskDataSkinMemoControl& d) {
  TskMemoSkin skin;
  skin.frame = CopyControlSkin(data, d);
  skin.active_skin_rect = d.activeskinrect.IsEmpty() ? d.skinrect : d.activeskinrect;
  skin.font_name = d.fontname;
  skin.font_height = d.fontheight;
  skin.font_style = d.fontstyle;
  skin.font_color = d.fontcolor;
  skin.active_font_color = d.activefontcolor;
  skin.bg_color = d.bgcolor;
  skin.active_bg_color = d.activebgcolor;
  return skin;
}

TRect MemoTextRect(const TskMemoSkin* skin, bool bitmap_bg, int width, int height) {
  TRect r;
  if (!skin) {
    r = {bitmap_bg ? 3 : 6, 2, width - 4, height - 2};
  } else {
    const TRect client = SizedClient(skin->frame, width, height);
    r = {client.left + (bitmap_bg ? 1 : 3), client.top + (bitmap_bg ? 1 : 2), client.right - 3,
         client.bottom - 2};
  }
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

TRect MemoFieldRect(const TskMemoSkin* skin, int width, int height) {
  if (!skin) return {2, 2, width - 2, height - 2};
  return SizedClient(skin->frame, width, height);
}

PixelBitmap DrawMemoDefault(int width, int height, const TskMemoDefaultColors& colors) {
  if (width < 1 || height < 1) return {};
  PixelBitmap out(width, height, colors.shadow);
  FillRect(out, {1, 1, width - 1, height - 1}, colors.face);
  FillRect(out, {2, 2, width - 2, height - 2}, colors.field);
  return out;
}

PixelBitmap DrawMemoSkin(const TskMemoSkin& skin, bool active, bool bitmap_bg, Pixel field,
                         int width, int height) {
  const TRect& state = skin.StateRect(active);
  if (!skin.frame.Drawable() || state.IsEmpty() || width < 1 || height < 1) return {};
  // Without the picture behind the text the field keeps the control colour; the frame covers
  // everything around it.
  PixelBitmap out(width, height, field);
  if (bitmap_bg) FillWithClient(out, out.Bounds(), skin.frame, state);
  DrawFrame(out, skin.frame, state);
  return out;
}

}  // namespace vl
