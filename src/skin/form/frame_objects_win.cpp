// The caption buttons and the caption of a skinned frame: their looks and what a press does.
#include "skin/form/frame_objects_win.h"

#include <algorithm>

#include "framework/handles_win.h"
#include "skin/paint/layer_win.h"
#include "skin/paint/blit.h"
#include "skin/paint/effects.h"
#include "skin/paint/glyphs.h"
#include "skin/paint/paint_win.h"
#include "skin/paint/default_look.h"

namespace vl {
namespace {

bool Within(const TRect& inner, const TRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Copies src_rect of a picture to dest, stretched when the sizes differ.
void CopyPart(HDC dc, const TRect& dest, const PixelBitmap* picture, const TRect& src_rect) {
  if (!picture || src_rect.IsEmpty() || dest.IsEmpty()) return;
  const TRect bounds = picture->Bounds();
  if (src_rect.left < 0 || src_rect.top < 0 || src_rect.right > bounds.right ||
      src_rect.bottom > bounds.bottom) {
    return;
  }
  if (dest.Width() == src_rect.Width() && dest.Height() == src_rect.Height()) {
    DrawPixelBitmap(dc, dest.left, dest.top, *picture, src_rect);
    return;
  }
  BITMAPINFO info = TopDownDibInfo(picture->Width(), picture->Height());
  const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
  // StretchDIBits counts its source origin from the bottom even for a top-down picture.
  StretchDIBits(dc, dest.left, dest.top, dest.Width(), dest.Height(), src_rect.left,
                picture->Height() - src_rect.bottom, src_rect.Width(), src_rect.Height(),
                picture->Pixels().data(), &info, DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(dc, old_mode);
}

TFont CaptionFont(const TskDataSkinCaption& c, COLORREF color) {
  unsigned bits = 0;
  if (c.fontstyle.bold) bits |= fsBold;
  if (c.fontstyle.italic) bits |= fsItalic;
  if (c.fontstyle.underline) bits |= fsUnderline;
  if (c.fontstyle.strikeout) bits |= fsStrikeOut;
  return TFont(c.fontname, c.fontheight, bits, color);
}

TskCaptionGlyph GlyphOf(TStdCommand command, bool restore) {
  switch (command) {
    case TStdCommand::cmClose:
      return TskCaptionGlyph::kCross;
    case TStdCommand::cmMaximize:
      return restore ? TskCaptionGlyph::kTwoBoxes : TskCaptionGlyph::kBox;
    case TStdCommand::cmMinimize:
      return restore ? TskCaptionGlyph::kTwoBoxes : TskCaptionGlyph::kBar;
    case TStdCommand::cmRollUp:
      return restore ? TskCaptionGlyph::kDownTriangle : TskCaptionGlyph::kUpTriangle;
    case TStdCommand::cmMinimizeToTray:
      return TskCaptionGlyph::kSquare;
    default:
      return TskCaptionGlyph::kFlatBox;
  }
}

}  // namespace

TskActiveSkinObject::TskActiveSkinObject(TskFrameHost& form, const TskDataSkinObject* data)
    : form_(form) {
  if (!data) return;
  IDName = data->SectionName;
  hint = data->hint;
  skin_rect_in_picture = data->skinrectinapicture;
  skin_rect = data->skinrect;
  active_skin_rect = data->activeskinrect;
  inactive_skin_rect = data->inactiveskinrect;
  rect = skin_rect;
  active_picture_ = form.SkinPicture(data->activepictureindex);
  active_mask_ = form.SkinPicture(data->activemaskpictureindex);
  if (!active_picture_) active_skin_rect = {};
  morphing = data->morphing && !active_skin_rect.IsEmpty();
  morph_kind = data->morphkind;
  glow_picture_ = form.SkinPicture(data->glowlayerpictureindex);
  glow_mask_ = form.SkinPicture(data->glowlayermaskpictureindex);
  // The mask gives the glow its alpha pixel for pixel; one of another size would misplace it.
  if (!glow_mask_ || (glow_picture_ && (glow_picture_->Width() != glow_mask_->Width() ||
                                        glow_picture_->Height() != glow_mask_->Height()))) {
    glow_picture_ = nullptr;
  }
  glow_offset = {data->glowlayeroffsetx, data->glowlayeroffsety};
  glow_alpha = std::clamp(data->glowlayeralphablendvalue, 0, 255);
}

void TskActiveSkinObject::ShowGlowFrame() {
  if (!glow_picture_ || !form_.GlowFramesAllowed()) return;
  const TRect window = form_.WindowBounds();
  form_.CaptionButtonGlow().ShowLayer(window.left + rect.left - glow_offset.x,
                                      window.top + rect.top - glow_offset.y, glow_alpha,
                                      *glow_picture_, *glow_mask_);
}

void TskActiveSkinObject::HideGlowFrame() {
  if (glow_picture_) form_.CaptionButtonGlow().HideLayer();
}

namespace {

// The blend of two pieces of a picture, or nothing when they cannot be blended.
bool DrawMorph(HDC dc, const TRect& at, const PixelBitmap* from_picture, const TRect& from,
               const PixelBitmap* to_picture, const TRect& to, TskMorphKind kind, double factor) {
  if (!from_picture || !to_picture || from.Width() != to.Width() || from.Height() != to.Height() ||
      !Within(from, from_picture->Bounds()) || !Within(to, to_picture->Bounds())) {
    return false;
  }
  PixelBitmap a(from.Width(), from.Height());
  PixelBitmap b(to.Width(), to.Height());
  CopyRect(a, 0, 0, *from_picture, from);
  CopyRect(b, 0, 0, *to_picture, to);
  TskEffectBmp blend(std::move(a));
  blend.Morph(TskEffectBmp(std::move(b)), kind, factor);
  CopyPart(dc, at, &blend.Picture(), blend.Picture().Bounds());
  return true;
}

}  // namespace

bool TskActiveSkinObject::PointTest(int x, int y) const {
  if (!active_mask_ || !form_.SkinLoaded()) return true;
  if (x < 0 || y < 0 || x >= active_mask_->Width() || y >= active_mask_->Height()) return false;
  return (active_mask_->At(x, y) & 0x00FFFFFFu) == 0;
}

bool TskActiveSkinObject::DrawInactiveLook(HDC dc, const TRect& at) {
  if (form_.FormActive() || !enabled || inactive_skin_rect.IsEmpty()) return false;
  CopyPart(dc, at, active_picture_, inactive_skin_rect);
  return true;
}

bool TskActiveSkinObject::DrawRestoreLook(HDC dc, const TRect& at, bool in_restore_look,
                                          const TskRestoreLook& look, bool down) {
  if (!enabled || !in_restore_look || look.rect.IsEmpty() || !active_picture_) return false;
  CopyPart(dc, at, active_picture_, look.Piece(form_.FormActive(), down, Hot()));
  return true;
}

bool TskActiveSkinObject::DrawDownLook(HDC dc, const TRect& at, bool down, const TRect& down_rect) {
  if (!down || !Hot() || down_rect.IsEmpty() || !active_picture_) return false;
  CopyPart(dc, at, active_picture_, down_rect);
  return true;
}

void TskActiveSkinObject::Draw(HDC dc, TPoint offset, bool direct) {
  if (!form_.SkinLoaded()) return;
  const TRect at = rect.Offset(offset.x, offset.y);
  if (DrawInactiveLook(dc, at)) return;
  const PixelBitmap* normal_picture = skin_rect_in_picture ? active_picture_ : form_.MainPicture();
  if (form_.Morphs(*this) && morph.Between() &&
      DrawMorph(dc, at, normal_picture, skin_rect, active_picture_, active_skin_rect, morph_kind,
                morph.Value())) {
    return;
  }
  if (Hot() && !active_skin_rect.IsEmpty()) {
    CopyPart(dc, at, active_picture_, active_skin_rect);
    return;
  }
  if (!direct && !skin_rect_in_picture) return;
  CopyPart(dc, at, skin_rect_in_picture ? active_picture_ : form_.MainPicture(), skin_rect);
}

void TskActiveSkinObject::MouseEnter() {
  TakeHoverLook();
  if (form_.Events().OnMouseEnter) form_.Events().OnMouseEnter(IDName);
  ShowGlowFrame();
}

void TskActiveSkinObject::MouseLeave() {
  TakeHoverLook();
  if (form_.Events().OnMouseLeave) form_.Events().OnMouseLeave(IDName);
  HideGlowFrame();
}

// A morphing object blends into its new look on the frame's morph timer; any other takes it at
// once.
void TskActiveSkinObject::TakeHoverLook() {
  if (form_.Morphs(*this)) {
    form_.StartMorph();
  } else {
    form_.RepaintObject(*this);
  }
}

bool TskActiveSkinObject::Hot() const {
  return form_.Hovers(*this);
}

void TskActiveSkinObject::MouseDown(TskMouseButton button) {
  if (form_.Events().OnMouseDown) form_.Events().OnMouseDown(IDName, int(button));
}

void TskActiveSkinObject::MouseUp(TskMouseButton button) {
  if (Hot() && form_.Events().OnMouseUp) form_.Events().OnMouseUp(IDName, int(button));
}

void TskActiveSkinObject::MouseMove(TPoint p) {
  if (form_.Events().OnMouseMove) form_.Events().OnMouseMove(IDName, p);
}

void TskActiveSkinObject::Reset() {
  morph.Set(false);
}

TskSkinButtonObject::TskSkinButtonObject(TskFrameHost& form, const TskDataSkinButton* data)
    : TskActiveSkinObject(form, data) {
  if (!data) return;
  down_rect = data->downrect;
  disabled_rect = data->disableskinrsect;
}

void TskSkinButtonObject::Draw(HDC dc, TPoint offset, bool direct) {
  if (!form_.SkinLoaded()) return;
  const TRect at = rect.Offset(offset.x, offset.y);
  if (!enabled && !disabled_rect.IsEmpty() && active_picture_) {
    CopyPart(dc, at, active_picture_, disabled_rect);
    return;
  }
  if (DrawDownLook(dc, at, down, down_rect)) return;
  TskActiveSkinObject::Draw(dc, offset, direct);
}

void TskSkinButtonObject::Reset() {
  TskActiveSkinObject::Reset();
  down = false;
}

TskSkinStdButtonObject::TskSkinStdButtonObject(TskFrameHost& form, const TskDataSkinStdButton* data)
    : TskSkinButtonObject(form, data) {
  if (!data) return;
  command = data->command;
  restore.Read(*data, hint);
}

TskSkinStdButtonObject::TskSkinStdButtonObject(TskFrameHost& form, TStdCommand c)
    : TskSkinButtonObject(form, nullptr) {
  command = c;
  skin_supported = false;
  skin_rect_in_picture = true;
}

TRect TskRestoreLook::Piece(bool form_active, bool down, bool active) const {
  if (!form_active && !inactive_rect.IsEmpty()) return inactive_rect;
  if (down && active && !down_rect.IsEmpty()) return down_rect;
  if (active && !active_rect.IsEmpty()) return active_rect;
  return rect;
}

bool TskSkinStdButtonObject::PointTest(int x, int y) const {
  // The icon covers the button whole, whatever shape the skin's mask gives the picture.
  if (command == TStdCommand::cmSysMenu && form_.ShowIcon() && skin_rect_in_picture) return true;
  return TskSkinButtonObject::PointTest(x, y);
}

void TskSkinStdButtonObject::Draw(HDC dc, TPoint offset, bool direct) {
  const TRect at = rect.Offset(offset.x, offset.y);
  if (command == TStdCommand::cmSysMenu && form_.ShowIcon() && skin_rect_in_picture) {
    // The icon has no hot or down look, and drawing its soft edges again over themselves would
    // darken them: only the whole frame's paint draws it.
    if (direct && skin_supported) return;
    if (!skin_supported) {
      const RECT r = ToRECT(at);
      FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    } else if (!form_.SkinLoaded()) {
      return;
    }
    DrawIconEx(dc, at.left, at.top, form_.WindowIcon(), GetSystemMetrics(SM_CXSMICON),
               GetSystemMetrics(SM_CYSMICON), 0, nullptr, DI_NORMAL);
    return;
  }
  if (!skin_supported) {
    DrawDefault(dc, at);
    return;
  }
  if (!form_.SkinLoaded()) return;
  if (DrawRestoreLook(dc, at, InRestoreLook(), restore, down)) return;
  TskSkinButtonObject::Draw(dc, offset, direct);
}

void TskSkinStdButtonObject::DrawDefault(HDC dc, const TRect& r) {
  const bool pressed = down && Hot();
  Pixel face = ColorToPixel(GetSysColor(COLOR_BTNFACE));
  PixelBitmap picture(r.Width(), r.Height(), face);
  if (picture.Empty()) return;
  if (Hot() && enabled) {
    FillPixels(picture, picture.Bounds(),
               ColorToPixel(pressed ? kDefaultLookDownFill : kDefaultLookHotFill));
    FramePixels(picture, picture.Bounds(), ColorToPixel(kDefaultLookFrame));
  }
  const Pixel ink = ColorToPixel(GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
  const int shift = pressed ? 1 : 0;
  DrawCaptionGlyph(picture, GlyphOf(command, InRestoreLook()), r.Width() / 2 - 5 + shift,
                   r.Height() / 2 - 4 + shift, ink);
  DrawPixelBitmap(dc, r.left, r.top, picture);
}

void TskSkinStdButtonObject::DoubleClick() {
  if (command == TStdCommand::cmSysMenu) form_.CloseFromSystemMenu();
}

void TskSkinStdButtonObject::MouseDown(TskMouseButton button) {
  TskActiveSkinObject::MouseDown(button);
  if (button != TskMouseButton::kLeft || !enabled || down) return;
  down = true;
  if (morphing) morph.Set(true);
  form_.RepaintObject(*this);
  if (command == TStdCommand::cmSysMenu) {
    form_.OpenSystemMenuUnder(*this);
  }
}

void TskSkinStdButtonObject::MouseUp(TskMouseButton button) {
  // A button stays down while the menu it opened is on screen.
  if (command == TStdCommand::cmSysMenu && down && form_.MenuOpen()) return;
  const bool run = button == TskMouseButton::kLeft && Hot() && down && enabled;
  EndCommandPress(button, command, run, down, true);
}

void TskSkinStdButtonObject::MouseEnter() {
  hint = restore.HintFor(InRestoreLook());
  TskActiveSkinObject::MouseEnter();
}

void TskActiveSkinObject::EndCommandPress(TskMouseButton button, TStdCommand command, bool run,
                                          bool& down, bool repaint) {
  if (run && command != TStdCommand::cmClose) form_.RunCommand(command);
  down = false;
  if (repaint) form_.RepaintObject(*this);
  TskActiveSkinObject::MouseUp(button);
  if (run && command == TStdCommand::cmClose) form_.RunCommand(command);
}

TskSkinCaptionObject::TskSkinCaptionObject(TskFrameHost& form, const TskDataSkinCaption* caption)
    : TskActiveSkinObject(form, caption), data(*caption) {}

void TskSkinCaptionObject::Draw(HDC dc, TPoint offset, bool direct) {
  (void)direct;
  drawn_text = {};
  if (!form_.SkinLoaded()) return;
  const TRect at = rect.Offset(offset.x, offset.y);
  const bool is_active = form_.FormActive();
  if (!active_skin_rect.IsEmpty() && is_active) CopyPart(dc, at, active_picture_, active_skin_rect);
  TRect text_rect =
      CaptionTextRect(data.textrect, skin_rect, rect, data.framerect, data.frametextrect)
          .Offset(at.left, at.top);
  // The text never reaches past the caption object, so it never covers the buttons beside it.
  text_rect.left = std::max(text_rect.left, at.left);
  text_rect.right = std::min(text_rect.right, at.right);
  const std::wstring& caption = form_.Caption();
  if (caption.empty() || text_rect.IsEmpty()) return;
  TCanvas canvas(dc);
  canvas.SetFont(CaptionFont(data, is_active ? data.activefontcolor : data.fontcolor));
  const std::wstring text = FitTextWithEllipsis(dc, caption, text_rect.Width());
  const SIZE extent = canvas.TextExtent(text);
  const TPoint origin = CaptionTextOrigin(text_rect, extent.cx, extent.cy, data.alignment);
  const TSavedDC saved(dc);
  IntersectClipRect(dc, text_rect.left, text_rect.top, text_rect.right, text_rect.bottom);
  SetBkMode(dc, TRANSPARENT);
  auto draw_at = [&](int x, int y, COLORREF color) {
    SetTextColor(dc, color);
    RECT r{x, y, x + extent.cx, y + extent.cy};
    DrawWideText(dc, text, r, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
  };
  if (data.light) {
    draw_at(origin.x - 1, origin.y - 1, is_active ? data.activelightcolor : data.lightcolor);
  }
  if (data.shadow) {
    draw_at(origin.x + 1, origin.y + 1, is_active ? data.activeshadowcolor : data.shadowcolor);
  }
  draw_at(origin.x, origin.y, is_active ? data.activefontcolor : data.fontcolor);
  drawn_text = TRect{origin.x, origin.y, origin.x + extent.cx, origin.y + extent.cy}.Offset(
      -offset.x, -offset.y);
}

TskSkinAnimateObject::TskSkinAnimateObject(TskFrameHost& form, const TskDataSkinAnimate* data)
    : TskActiveSkinObject(form, data) {
  command = data->command;
  button_style = data->buttonstyle;
  down_rect = data->downskinrect;
  restore.Read(*data, hint);
  animation = MakeObjectAnimation(data->countframes, data->timerinterval, data->cycle);
}

TRect TskSkinAnimateObject::FrameRect(int n) const {
  return FrameObjectAnimationRect(active_skin_rect, skin_rect, animation.count, n);
}

void TskSkinAnimateObject::Draw(HDC dc, TPoint offset, bool direct) {
  if (!form_.SkinLoaded()) return;
  const TRect at = rect.Offset(offset.x, offset.y);
  if (DrawInactiveLook(dc, at) || DrawRestoreLook(dc, at, InRestoreLook(), restore, down) ||
      DrawDownLook(dc, at, down, down_rect)) {
    return;
  }
  // Every frame, the resting one too, is a piece of the strip, so it is drawn on every paint.
  const TRect piece = FrameRect(animation.frame);
  if (!piece.IsEmpty()) {
    CopyPart(dc, at, active_picture_, piece);
    return;
  }
  TskActiveSkinObject::Draw(dc, offset, direct);
}

void TskSkinAnimateObject::StartAnimation() {
  if (form_.SkinEffects()) {
    animation.elapsed = TskObjectAnimation::kTick;
    if (AnimationPending(animation, Hot())) form_.StartAnimation();
    return;
  }
  // Without effects the object shows the end of its animation at once.
  animation.frame = Hot() ? animation.count : 1;
}

void TskSkinAnimateObject::MouseEnter() {
  hint = restore.HintFor(InRestoreLook());
  StartAnimation();
  TskActiveSkinObject::MouseEnter();
}

void TskSkinAnimateObject::MouseLeave() {
  StartAnimation();
  TskActiveSkinObject::MouseLeave();
}

void TskSkinAnimateObject::Reset() {
  TskActiveSkinObject::Reset();
  down = false;
  animation.frame = 1;
  animation.elapsed = TskObjectAnimation::kTick;
}

void TskSkinAnimateObject::DoubleClick() {
  if (command == TStdCommand::cmSysMenu) form_.CloseFromSystemMenu();
}

void TskSkinAnimateObject::MouseDown(TskMouseButton button) {
  TskActiveSkinObject::MouseDown(button);
  const bool system_menu = command == TStdCommand::cmSysMenu;
  if (button != TskMouseButton::kLeft || !enabled || down || (!button_style && !system_menu))
    return;
  down = true;
  form_.RepaintObject(*this);
  if (system_menu) {
    form_.OpenSystemMenuUnder(*this);
  }
}

void TskSkinAnimateObject::MouseUp(TskMouseButton button) {
  // The system menu ran on the press; the object does not stay down under the menu, because
  // closing the menus releases only the standard system-menu button.
  const bool run = button == TskMouseButton::kLeft && Hot() && down && enabled && button_style &&
                   command != TStdCommand::cmSysMenu;
  EndCommandPress(button, command, run, down, down);
}

TskUserObject::TskUserObject(TskFrameHost& form, const TskDataUserObject* data)
    : TskActiveSkinObject(form, data) {}

void TskUserObject::Draw(HDC dc, TPoint offset, bool direct) {
  (void)direct;
  if (!form_.SkinLoaded() || !form_.Events().OnPaint) return;
  TCanvas canvas(dc);
  form_.Events().OnPaint(IDName, canvas, rect.Offset(offset.x, offset.y));
}

}  // namespace vl
