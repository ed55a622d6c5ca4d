// How the skinned frame draws and shapes its window: the four border strips cut from the skin
// picture with every visible object drawn onto them, the default look from system colours,
// one object repainted alone, and the window region cut from the skin's mask.
#include "skin/form/skin_form_win.h"

#include <algorithm>
#include <cstring>

#include "framework/handles_win.h"
#include "skin/paint/border_strips.h"
#include "skin/paint/effects.h"
#include "skin/paint/paint_win.h"

namespace vl {
namespace {

bool SameSize(const PixelBitmap& a, const PixelBitmap& b) {
  return a.Width() == b.Width() && a.Height() == b.Height();
}

void DrawStrip(HDC dc, int x, int y, const PixelBitmap& strip) {
  if (!strip.Empty()) DrawPixelBitmap(dc, x, y, strip);
}

}  // namespace

void TskSkinForm::PaintFrame(HDC dc) {
  if (!skinning_ || !form_.HandleAllocated() || IsIconic(form_.Handle())) return;
  if (form_.BorderStyle() == TFormBorderStyle::bsNone) return;
  if (!dc) {
    const TWindowDC own(form_.Handle());
    if (own) PaintFrame(own.Get());
    return;
  }
  if (skin_loaded_) {
    PaintSkinFrame(dc);
  } else if (!changing_) {
    PaintDefaultFrame(dc);
  }
}

void TskSkinForm::PaintSkinFrame(HDC dc) {
  if (skin_data_->SkinChanging() || WindowTooSmall()) return;
  const TskFormInfo& info = skin_data_->FormInfo();
  const TskFrameGeometry g = Geometry();
  LayoutObjects();
  const PixelBitmap& main = skin_data_->Picture().bitmap;
  const PixelBitmap& inactive = skin_data_->InActivePicture().bitmap;
  const bool use_inactive = !form_active_ && !inactive.Empty() && SameSize(inactive, main);
  const PixelBitmap& src = use_inactive ? inactive : main;
  TskNineArea area;
  area.skin_rect = src.Bounds();
  area.points = FramePoints(info);
  area.stretch = {info.leftstretch, info.topstretch, info.rightstretch, info.bottomstretch};
  TskBorderStrips strips = BuildBorderStrips(src, area, g.width, g.height, g.points);
  const bool effect = !form_active_ && info.autorenderinginactiveimage;
  auto finish = [&](PixelBitmap& strip) {
    if (!effect || strip.Empty()) return;
    TskEffectBmp bmp(std::move(strip));
    bmp.ApplyInactiveEffect(info.inactiveeffect, 1);
    strip = bmp.Picture();
  };
  const int client_top = g.points.client.top;
  const int client_bottom = g.points.client.bottom;
  // Objects go onto the top and bottom strips before they reach the screen.
  auto compose = [&](PixelBitmap& strip, int strip_top, bool bottom) {
    if (strip.Empty()) return;
    TBitmap bitmap(strip.Width(), strip.Height());
    std::memcpy(bitmap.Bits(), strip.Pixels().data(), strip.Pixels().size() * sizeof(Pixel));
    for (const auto& object : objects_) {
      if (!object->visible) continue;
      const bool below = object->rect.bottom > client_top;
      if (below != bottom) continue;
      object->Draw(bitmap.DC(), {0, -strip_top}, false);
    }
    GdiFlush();
    strip = bitmap.ToPixels();
  };
  compose(strips.top, 0, false);
  compose(strips.bottom, client_bottom, true);
  finish(strips.top);
  finish(strips.bottom);
  finish(strips.left);
  finish(strips.right);
  const TSavedDC saved(dc);
  ExcludeClipRect(dc, g.points.client.left, g.points.client.top, g.points.client.right,
                  g.points.client.bottom);
  DrawStrip(dc, 0, 0, strips.top);
  DrawStrip(dc, 0, strips.top.Height(), strips.left);
  DrawStrip(dc, g.width - strips.right.Width(), strips.top.Height(), strips.right);
  DrawStrip(dc, 0, g.height - strips.bottom.Height(), strips.bottom);
}

void TskSkinForm::PaintDefaultFrame(HDC dc) {
  if (objects_.empty()) {
    CreateDefaultObjects();
    ApplyBorderIcons();
  }
  const TRect b = WindowBounds();
  const int w = b.Width();
  const int h = b.Height();
  const int ch = DefaultCaptionHeight();
  LayoutObjects();
  TBitmap strip(std::max(w - 6, 1), ch);
  TCanvas& canvas = strip.Canvas();
  canvas.FillRect({0, 0, strip.Width(), ch}, GetSysColor(COLOR_BTNFACE));
  int left = 0;
  int right = strip.Width();
  for (const auto& object : objects_) {
    if (!object->visible) continue;
    auto* button = static_cast<TskSkinStdButtonObject*>(object.get());
    if (button->command == TStdCommand::cmSysMenu) {
      left = std::max(left, object->rect.right - 3);
    } else {
      right = std::min(right, object->rect.left - 3);
    }
  }
  for (int i = 0; i < ch - 5; ++i) {
    canvas.FillRect({left + 2, 2 + i, right - 2, 3 + i},
                    GetSysColor(i % 2 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
  }
  const std::wstring& caption = form_.Caption();
  if (!caption.empty() && right - left > 8) {
    canvas.SetFont(form_active_ ? DefCaptionFont : DefInActiveCaptionFont);
    const std::wstring text = FitTextWithEllipsis(strip.DC(), caption, right - left - 8);
    const SIZE size = canvas.TextExtent(text);
    const int cx = left + (right - left) / 2 - (size.cx + 5) / 2;
    const int cy = ch / 2 - size.cy / 2;
    canvas.FillRect({cx - 2, cy - 2, cx + size.cx + 7, cy + size.cy + 2},
                    GetSysColor(COLOR_BTNFACE));
    canvas.TextOut(cx + 2, cy, text);
  }
  for (const auto& object : objects_) {
    if (object->visible) object->Draw(strip.DC(), {-3, -3}, false);
  }
  const TRect client = ClientOfWindow({0, 0, w, h}, Insets());
  const TSavedDC saved(dc);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  strip.Draw(dc, 3, 3);
  TCanvas frame(dc);
  frame.Bevel({0, 0, w, h}, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
  frame.Bevel({1, 1, w - 1, h - 1}, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
  frame.Bevel({2, 2, w - 2, h - 2}, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
  frame.FillRect({3, 3 + ch, w - 3, client.top}, GetSysColor(COLOR_BTNFACE));
}

void TskSkinForm::PaintBackground(HDC dc) {
  RECT rc;
  GetClientRect(form_.Handle(), &rc);
  const TRect client = FromRECT(rc);
  const PixelBitmap* main = MainPicture();
  const TskFormInfo* info = skin_loaded_ ? &skin_data_->FormInfo() : nullptr;
  const PixelBitmap* bg = info ? SkinPicture(info->bgpictureindex) : nullptr;
  TRect piece = bg ? bg->Bounds() : (info ? info->clientrect : TRect{});
  const PixelBitmap* from = bg ? bg : main;
  if (!from || piece.IsEmpty() || piece.right > from->Width() || piece.bottom > from->Height()) {
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  // A 0-sized piece was ruled out above, so the tiling always advances.
  for (int y = 0; y < client.bottom; y += piece.Height()) {
    for (int x = 0; x < client.right; x += piece.Width()) DrawPixelBitmap(dc, x, y, *from, piece);
  }
}

void TskSkinForm::RepaintObject(TskActiveSkinObject& object) {
  if (!skinning_ || !form_.HandleAllocated() || !object.visible) return;
  if (IsIconic(form_.Handle())) return;
  if (form_.BorderStyle() == TFormBorderStyle::bsNone || WindowTooSmall()) return;
  if (object.IsCaption() || (skin_loaded_ && !object.skin_rect_in_picture)) {
    // Pieces of the frame picture itself: the frame paint draws what lies under them.
    PaintFrame();
    return;
  }
  const TWindowDC dc(form_.Handle());
  if (dc) object.Draw(dc.Get(), {0, 0}, true);
}

// The region. The platform owns a region that SetWindowRgn accepted: it is never deleted here.

const PixelBitmap* TskSkinForm::UsableMask() const {
  // A mask drawn for another picture size would cut the window in the wrong places.
  if (!skin_data_ || skin_data_->Mask().Empty()) return nullptr;
  if (!SameSize(skin_data_->Mask().bitmap, skin_data_->Picture().bitmap)) return nullptr;
  return &skin_data_->Mask().bitmap;
}

void TskSkinForm::SetRegion(HRGN region) {
  if (!SetWindowRgn(form_.Handle(), region, TRUE)) {
    if (region) DeleteObject(region);
    return;
  }
  region_applied_ = region != nullptr;
}

void TskSkinForm::RemoveRegion() {
  region_shape_.reset();
  if (region_applied_) SetRegion(nullptr);
  region_applied_ = false;
}

void TskSkinForm::UpdateRegion() {
  if (!form_.HandleAllocated()) return;
  const PixelBitmap* mask = skin_loaded_ ? UsableMask() : nullptr;
  if (!skinning_ || !mask || form_.BorderStyle() == TFormBorderStyle::bsNone) {
    RemoveRegion();
    return;
  }
  const TskFormInfo& info = skin_data_->FormInfo();
  const TskFrameGeometry g = Geometry();
  TskSkinPoints points = FramePoints(info);
  points.client = info.maskrectarea;
  TskSkinPoints sized = g.points;
  sized.client = g.mask_area;
  region_shape_ = BuildWindowRegion(*mask, points, g.width, sized);
  if (!region_shape_) {
    // Too small for the mask's corners: no shape at all rather than a broken one.
    RemoveRegion();
    PaintFrame();
    return;
  }
  SetRegion(CreateWindowRegion(region_shape_));
}

}  // namespace vl
