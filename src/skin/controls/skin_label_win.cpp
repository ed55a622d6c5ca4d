#include "skin/controls/skin_label_win.h"

#include "skin/data/skin_data.h"
#include "skin/paint/paint_win.h"

namespace vl {

TskSkinLabel::TskSkinLabel(TComponent* owner) : TskSkinCustomControl(owner, "label") {
  SetBounds(0, 0, 75, 21);
  SetPaintsOnErase(true);
}

void TskSkinLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TskSkinLabel::SetBorderStyle(TskBorderStyle style) {
  border_style_ = style;
  if (HasDefinition()) return;
  Invalidate();
  if (Parent()) Parent()->Realign();
}

void TskSkinLabel::SetUseSkinFontColor(bool use) {
  use_skin_font_color_ = use;
  Invalidate();
}

void TskSkinLabel::SetEllipsType(TskEllipsType type) {
  ellips_type_ = type;
  Invalidate();
}

void TskSkinLabel::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (auto_size) AdjustWidthToText();
}

void TskSkinLabel::TextChanged() {
  if (auto_size_) AdjustWidthToText();
  Invalidate();
}

void TskSkinLabel::ReadSkinDefinition() {
  TskSkinCustomControl::ReadSkinDefinition();
  const auto* d = DefinitionAs<TskDataSkinLabelControl>();
  if (!d) return;
  fontname_ = d->fontname;
  fontheight_ = d->fontheight;
  fontstyle_ = d->fontstyle;
  fontcolor_ = d->fontcolor;
  // A label of fixed size cannot follow its text.
  if (SizeRule() == TskSizeRule::srFixed) auto_size_ = false;
}

bool TskSkinLabel::AlignedAcross() const {
  return Align() == TAlign::alTop || Align() == TAlign::alBottom || Align() == TAlign::alClient;
}

void TskSkinLabel::CalcSize(int& width, int& height) {
  if (HasDefinition() && !use_skin_size_ && SizeRule() != TskSizeRule::srFree) {
    // The label keeps the size it is given; the skin picture is stretched over it instead.
    TskSizedSkin sized{width, height, Skin().points};
    const int dw = width - Skin().skin_rect.Width();
    sized.points.rt.x += dw;
    sized.points.client.right += dw;
    SetSized(sized);
  } else {
    TskSkinCustomControl::CalcSize(width, height);
  }
  if (!auto_size_ || AlignedAcross()) return;
  const int excess = ExcessAt(width);
  if (excess > 0) width += excess;
}

int TskSkinLabel::CaptionWidth(const TFont& font) const {
  TBitmap scratch(1, 1);
  scratch.Canvas().SetFont(font);
  return scratch.Canvas().TextWidth(Caption());
}

int TskSkinLabel::ExcessAt(int width) const {
  if (!HasDefinition()) return CaptionWidth(DefaultFont()) + 4 - width;
  if (SizeRule() == TskSizeRule::srFixed) return 0;
  return CaptionWidth(CaptionFont()) - Sized().points.client.Width();
}

int TskSkinLabel::TextExcess() {
  ReadSkinDefinition();
  int width = Width(), height = Height();
  const bool auto_size = auto_size_;
  auto_size_ = false;
  CalcSize(width, height);
  auto_size_ = auto_size;
  return ExcessAt(Width());
}

void TskSkinLabel::AdjustWidthToText() {
  if (AlignedAcross()) return;
  const int excess = TextExcess();
  if (excess != 0) SetWidth(Width() + excess);
}

void TskSkinLabel::SetControlRegion() {
  if (use_skin_size_) TskSkinCustomControl::SetControlRegion();
}

TFont TskSkinLabel::CaptionFont() const {
  TFont font = DefaultFontInSkinCharset();
  if (HasDefinition()) {
    if (UseSkinFont()) font = SkinFont(fontname_, fontheight_, fontstyle_, 0, DefaultFont());
    font.SetColor(ColorToRGB(fontcolor_));
  }
  if (!use_skin_font_color_) font.SetColor(DefaultFont().Color());
  return font;
}

void TskSkinLabel::DrawCaption(TCanvas& canvas, const TRect& r) {
  if (r.IsEmpty()) return;
  canvas.SetFont(CaptionFont());
  std::wstring text = Caption();
  if (ellips_type_ == TskEllipsType::bsetEllips) {
    text = FitTextWithEllipsis(canvas.Handle(), text, r.Width());
  }
  const SIZE size = canvas.TextExtent(text);
  int x = r.left;
  if (alignment_ == TAlignment::taRightJustify) x = r.right - size.cx;
  if (alignment_ == TAlignment::taCenter) x = r.left + (r.Width() - size.cx) / 2;
  const int y = r.top + r.Height() / 2 - size.cy / 2;
  IntersectClipRect(canvas.Handle(), r.left, r.top, r.right, r.bottom);
  canvas.TextOut(x, y, text);
  SelectClipRgn(canvas.Handle(), nullptr);
}

void TskSkinLabel::CreateSkinImage(TBitmap& bitmap) {
  TRect text_rect = Sized().points.client;
  if (use_skin_size_ || SizeRule() == TskSizeRule::srFree) {
    TskSkinCustomControl::CreateSkinImage(bitmap);
  } else {
    PutPixels(bitmap, DrawStretchedOver(Skin(), Skin().skin_rect, bitmap.Width(), bitmap.Height()));
    text_rect.bottom += bitmap.Height() - Skin().skin_rect.Height();
  }
  DrawCaption(bitmap.Canvas(), text_rect);
}

void TskSkinLabel::CreateDefaultImage(TBitmap& bitmap) {
  TCanvas& canvas = bitmap.Canvas();
  const TRect all{0, 0, bitmap.Width(), bitmap.Height()};
  canvas.FillRect(all, ColorToRGB(clBtnFace));
  FrameByStyle(canvas, all, border_style_);
  DrawCaption(canvas, {3, 3, bitmap.Width() - 3, bitmap.Height() - 3});
}

}  // namespace vl
