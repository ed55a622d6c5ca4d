#include "skin/controls/skin_panel_win.h"

#include "skin/data/skin_data.h"
#include "skin/paint/blit.h"
#include "skin/paint/paint_win.h"

namespace vl {

TskSkinPanel::TskSkinPanel(TComponent* owner) : TskSkinCustomControl(owner, "panel") {
  SetPiecewisePaint(true);
  SetBounds(0, 0, 150, 150);
}

void TskSkinPanel::CreateParams(TCreateParams& params) {
  TskSkinCustomControl::CreateParams(params);
  // Children paint themselves; the panel must not draw over them, and Tab must reach them.
  params.style |= WS_CLIPCHILDREN;
  params.ex_style |= WS_EX_CONTROLPARENT;
}

void TskSkinPanel::SetBorderStyle(TskBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  if (HasDefinition()) return;
  Invalidate();
  Realign();
}

void TskSkinPanel::SetCaptionMode(bool on) {
  if (on == caption_mode_) return;
  caption_mode_ = on;
  Invalidate();
  Realign();
}

void TskSkinPanel::SetDefaultCaptionHeight(int height) {
  default_caption_height_ = height;
  if (HasDefinition() || !caption_mode_) return;
  Invalidate();
  Realign();
}

void TskSkinPanel::SetDefaultAlignment(TAlignment alignment) {
  default_alignment_ = alignment;
  if (!HasDefinition() && caption_mode_) Invalidate();
}

void TskSkinPanel::TextChanged() {
  // A skin with a caption rectangle shows the text whatever the caption mode.
  if (caption_mode_ || (HasDefinition() && !captionrect_.IsEmpty())) Invalidate();
}

void TskSkinPanel::ApplySkinData() {
  TskSkinCustomControl::ApplySkinData();
  Realign();
}

void TskSkinPanel::BeforeApplySkinData() {
  TskSkinCustomControl::BeforeApplySkinData();
  background_ = nullptr;
}

void TskSkinPanel::ReadSkinDefinition() {
  TskSkinCustomControl::ReadSkinDefinition();
  background_ = nullptr;
  const auto* d = DefinitionAs<TskDataSkinPanelControl>();
  if (!d) {
    // Another control's section lacks the panel's keys: the panel keeps its default look and
    // its own size rather than half a skin.
    ForgetDefinition();
    return;
  }
  captionrect_ = d->captionrect;
  alignment_ = d->alignment;
  fontname_ = d->fontname;
  fontheight_ = d->fontheight;
  fontstyle_ = d->fontstyle;
  fontcolor_ = d->fontcolor;
  background_ = SkinData()->ActivePicture(d->bgpictureindex);
  if (background_ && background_->Empty()) background_ = nullptr;
}

void TskSkinPanel::AdjustClientRect(TRect& rect) const {
  if (!HasDefinition()) {
    if (border_style_ != TskBorderStyle::bvNone) {
      rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
    if (caption_mode_) rect.top += default_caption_height_;
    return;
  }
  const bool whole = background_ || (border_style_ == TskBorderStyle::bvNone && !caption_mode_ &&
                                     SizeRule() == TskSizeRule::srFree);
  if (whole) return;
  rect = vl::CalcSize(Skin(), rect.Width(), rect.Height()).points.client;
}

PixelBitmap TskSkinPanel::BackgroundPicture() const {
  const TskControlSkin& skin = Skin();
  const int w = Width(), h = Height();
  // Without a border the client texture covers everything, even where the section also names
  // a background picture.
  if (border_style_ == TskBorderStyle::bvNone && !caption_mode_ &&
      skin.rule == TskSizeRule::srFree) {
    PixelBitmap out(w, h);
    FillWithClient(out, out.Bounds(), skin, skin.skin_rect);
    return out;
  }
  if (background_) {
    // The background picture is tiled from the corner; with the stretch effect it is also
    // stretched into the client area by the stretch kind.
    PixelBitmap out(w, h);
    RepeatOver(out, out.Bounds(), *background_, background_->Bounds());
    if (skin.stretch_effect) {
      TskControlSkin whole = skin;
      whole.picture = background_;
      whole.points.client = background_->Bounds();
      FillWithClient(out, Intersect(Sized().points.client, out.Bounds()), whole, TRect{});
    }
    return out;
  }
  return {};
}

void TskSkinPanel::Paint(HDC dc) {
  if (Width() < 1 || Height() < 1) return;
  ReadSkinDefinition();
  int width = Width(), height = Height();
  CalcSize(width, height);
  if (!Skinned()) {
    TskSkinCustomControl::Paint(dc);
    return;
  }
  PixelBitmap background = BackgroundPicture();
  if (background.Empty()) {
    TskSkinCustomControl::Paint(dc);
    return;
  }
  TBitmap bitmap(Width(), Height());
  PutPixels(bitmap, background);
  DrawSkinCaption(bitmap);
  GdiFlush();
  bitmap.Draw(dc, 0, 0);
}

void TskSkinPanel::CreateSkinImage(TBitmap& bitmap) {
  TskSkinCustomControl::CreateSkinImage(bitmap);
  DrawSkinCaption(bitmap);
}

void TskSkinPanel::DrawSkinCaption(TBitmap& bitmap) {
  if (Caption().empty() || captionrect_.IsEmpty()) return;
  const TskSkinPoints& p = Skin().points;
  const TRect rect = MoveWithCorners(captionrect_, p, Width() - Skin().skin_rect.Width(),
                                     Height() - Skin().skin_rect.Height());
  const TFont font = UseSkinFont() ? SkinFont(fontname_, fontheight_, fontstyle_,
                                              ColorToRGB(fontcolor_), DefaultFont())
                                   : DefaultFontInSkinCharset();
  TFont coloured = font;
  coloured.SetColor(ColorToRGB(fontcolor_));
  DrawCaption(bitmap.Canvas(), rect, coloured, alignment_);
}

void TskSkinPanel::DrawCaption(TCanvas& canvas, const TRect& rect, const TFont& font,
                               TAlignment alignment) {
  canvas.SetFont(font);
  UINT flags = DT_SINGLELINE | DT_VCENTER;
  if (alignment == TAlignment::taCenter) flags |= DT_CENTER;
  if (alignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
  TRect r = rect;
  if (alignment == TAlignment::taLeftJustify) r.left += 2;
  canvas.DrawText(Caption(), r, flags);
}

void TskSkinPanel::CreateDefaultImage(TBitmap& bitmap) {
  TCanvas& canvas = bitmap.Canvas();
  const TRect all{0, 0, bitmap.Width(), bitmap.Height()};
  canvas.FillRect(all, ColorToRGB(clBtnFace));
  FrameByStyle(canvas, all, border_style_);
  if (!caption_mode_) return;
  const int inset = border_style_ == TskBorderStyle::bvNone ? 0 : 1;
  const TRect bar{inset, inset, all.right - inset, inset + default_caption_height_};
  canvas.FillRect(bar, ColorToRGB(clBtnShadow));
  DrawCaption(canvas, bar, DefaultFontInSkinCharset(), default_alignment_);
}

}  // namespace vl
