#include "skin/controls/skin_button_win.h"

#include <windowsx.h>

#include "skin/data/skin_data.h"
#include "skin/paint/effects.h"
#include "skin/paint/glyphs.h"
#include "skin/paint/paint_win.h"

namespace vl {
namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kPressedFill = RGB(133, 147, 181);
constexpr COLORREF kHotFill = RGB(182, 189, 210);
constexpr int kMorphMilliseconds = 20;
constexpr unsigned kRepeatDelayMilliseconds = 500;

bool IsReturnKeyDown(LPARAM lparam) {
  const auto* msg = reinterpret_cast<const MSG*>(lparam);
  return msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
}

}  // namespace

TskSkinButton::TskSkinButton(TComponent* owner)
    : TskSkinCustomControl(owner, "button"),
      repeat_timer_(nullptr, kRepeatDelayMilliseconds, [this] {
        repeat_timer_.SetInterval(unsigned(repeat_interval_));
        // The click may free the button; nothing may follow it.
        ButtonClick();
      }) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetPaintsOnErase(true);
}

TskSkinButton::~TskSkinButton() {
  HideGlow();
}

void TskSkinButton::SetUseSkinSize(bool use) {
  use_skin_size_ = use;
  Invalidate();
}

void TskSkinButton::SetUseSkinFontColor(bool use) {
  use_skin_font_color_ = use;
  Invalidate();
}

void TskSkinButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  Invalidate();
}

void TskSkinButton::SetMargin(int margin) {
  margin_ = margin;
  Invalidate();
}

void TskSkinButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TskSkinButton::SetCanFocused(bool can_focused) {
  can_focused_ = can_focused;
  SetTabStop(can_focused);
}

void TskSkinButton::SetGlyph(PixelBitmap glyph) {
  glyph_ = std::move(glyph);
  Invalidate();
}

void TskSkinButton::SetNumGlyphs(int n) {
  num_glyphs_ = ClampNumGlyphs(n);
  Invalidate();
}

void TskSkinButton::SetGroupIndex(int index) {
  group_index_ = index;
  if (index != 0) SetCanFocused(false);
}

void TskSkinButton::SetDown(bool down) {
  // Outside a group Down only lasts while the button is held.
  if (group_index_ == 0 || down == down_) return;
  if (!down && !allow_all_up_) return;
  down_ = down;
  if (down) ReleaseOthersInGroup();
  Invalidate();
}

void TskSkinButton::ReleaseOthersInGroup() {
  if (!Parent()) return;
  for (TWinControl* sibling : Parent()->Controls()) {
    auto* other = dynamic_cast<TskSkinButton*>(sibling);
    if (!other || other == this || other->group_index_ != group_index_ || !other->down_) continue;
    other->down_ = false;
    other->Invalidate();
  }
}

void TskSkinButton::SetDefault(bool on) {
  default_ = on;
  HWND focus = GetFocus();
  TWinControl* focused = FromHandle(focus);
  if (focused && HandleAllocated() &&
      GetAncestor(focus, GA_ROOT) == GetAncestor(Handle(), GA_ROOT)) {
    FocusChanged(*focused);
  } else {
    active_ = default_;
  }
}

TButtonState TskSkinButton::State() const {
  return TButtonState{down_, MouseIn(), Pressing(), FocusedHere(), group_index_ != 0};
}

TskButtonInputs TskSkinButton::Inputs() const {
  TskButtonInputs in;
  in.state = State();
  in.enabled = Enabled();
  in.animating = Animating();
  in.animating_up = animating_up_;
  in.frame = animation_.Frame();
  in.morphed_to_active = MorphInEffect() && morph_.Full();
  return in;
}

TButtonLook TskSkinButton::Look() const {
  return DefaultButtonLook(State());
}

TRect TskSkinButton::FaceRect() {
  ReadSkinDefinition();
  if (!HasButtonDefinition()) return {};
  return PickButtonFace(b_, Inputs()).rect;
}

bool TskSkinButton::EffectsOn() const {
  return HasButtonDefinition() && SkinData() && SkinData()->EnableSkinEffects;
}

bool TskSkinButton::MorphInEffect() const {
  return EffectsOn() && b_.morphing;
}

bool TskSkinButton::HoverChangesLook() const {
  if (group_index_ != 0) return !down_;
  return !FocusedHere() || down_;
}

void TskSkinButton::ButtonClick() {
  if (OnClick) OnClick();
}

// Skin definition and size.

void TskSkinButton::ReadSkinDefinition() {
  TskSkinCustomControl::ReadSkinDefinition();
  button_definition_ = false;
  const auto* d = DefinitionAs<TskDataSkinButtonControl>();
  if (!d) {
    // A section of another family is no button look: the default one, at the button's size.
    if (HasDefinition()) ForgetDefinition();
    b_.animateskinrect = {};
    return;
  }
  button_definition_ = true;
  b_ = CopyButtonSkin(*SkinData(), *d);
  if (!use_skin_size_) DropMask();
}

void TskSkinButton::CalcSize(int& width, int& height) {
  if (use_skin_size_ || !HasDefinition() || SizeRule() == TskSizeRule::srFree) {
    TskSkinCustomControl::CalcSize(width, height);
    return;
  }
  SetSized(KeepSize(Skin(), width, height));
}

void TskSkinButton::BeforeApplySkinData() {
  HideGlow();
  StopAnimation();
  StopMorph();
  TskSkinCustomControl::BeforeApplySkinData();
  button_definition_ = false;
  b_ = {};
}

void TskSkinButton::ApplySkinData() {
  TskSkinCustomControl::ApplySkinData();
  if (PointerOver() && HandleAllocated()) PostMessageW(Handle(), SKN_GLOWSHOW, 0, 0);
}

void TskSkinButton::SetVisible(bool visible) {
  if (!visible) {
    HideGlow();
    StopAnimation();
    StopMorph();
  }
  TskSkinCustomControl::SetVisible(visible);
}

void TskSkinButton::HandleCreated() {
  TskSkinCustomControl::HandleCreated();
  active_ = default_;
}

// Morphing, frame animation and the repeat clicks.

void TskSkinButton::MorphOrRepaint() {
  if (!MorphInEffect()) {
    Invalidate();
    return;
  }
  host_.StartEffect(TskEffectTimer::kMorph, kMorphMilliseconds);
}

void TskSkinButton::StopMorph() {
  host_.StopEffect(TskEffectTimer::kMorph);
}

void TskSkinButton::StartAnimation(bool up) {
  if (!EffectsOn() || !b_.CanAnimate()) return;
  animating_up_ = up;
  if (!Animating()) {
    animation_ = TskFrameCounter(b_.framecount, 0);
    animation_.SetFrame(up ? 1 : b_.framecount);
    host_.StartEffect(TskEffectTimer::kAnimation, unsigned(b_.animateinterval));
  }
  Invalidate();
}

void TskSkinButton::StopAnimation() {
  host_.StopEffect(TskEffectTimer::kAnimation);
  animation_.ToRest();
}

TskEffectStep TskSkinButton::StepObject(TskEffectTimer timer, int) {
  if (timer == TskEffectTimer::kAnimation) {
    const bool changed = animation_.Step(animating_up_);
    return {changed, changed};
  }
  const bool moved = morph_.Step(MouseIn() || FocusedHere());
  return {moved, moved};
}

void TskSkinButton::RepaintObject(int) {
  Invalidate();
}

void TskSkinButton::EffectStopped(TskEffectTimer timer) {
  // The last frame gives way to the look the animation ran towards.
  if (timer == TskEffectTimer::kAnimation) animation_.ToRest();
  Invalidate();
}

void TskSkinButton::StartRepeat() {
  repeat_timer_.SetInterval(kRepeatDelayMilliseconds);
  repeat_timer_.SetEnabled(true);
}

void TskSkinButton::StopRepeat() {
  repeat_timer_.SetEnabled(false);
}

// Glow layer.

void TskSkinButton::ShowGlow() {
  if (!PointerOver() || !HandleAllocated() || !TskLayerManager::Available()) return;
  if (!SkinData() || SkinData()->Empty()) return;
  if (!SkinData()->ShowButtonGlowFrames && !always_show_layered_frame_) return;
  ReadSkinDefinition();
  if (!HasButtonDefinition()) return;
  const std::optional<TskGlowPictures> glow =
      SizeGlow(b_, Skin(), use_skin_size_, Width(), Height());
  if (!glow) return;
  POINT origin{0, 0};
  ClientToScreen(Handle(), &origin);
  HWND root = GetAncestor(Handle(), GA_ROOT);
  glow_.SetTopMost((GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  glow_.ShowLayer(origin.x - b_.glowlayershowoffsetx, origin.y - b_.glowlayershowoffsety,
                  b_.glowlayeralphablendvalue, glow->glow, glow->mask);
}

void TskSkinButton::HideGlow() {
  // Whatever the settings say now, a layer that is shown goes.
  if (glow_.LayerHandle()) glow_.HideLayer();
}

// Pointer, mouse buttons and keys.

void TskSkinButton::MouseEnter() {
  // While the button is held the capture follows the pointer instead.
  if (PointerOver() || Pressing()) return;
  host_.Hover(0);
}

void TskSkinButton::MouseLeave() {
  if (!PointerOver() || Pressing()) return;
  host_.Hover(-1);
}

void TskSkinButton::ObjectEnter(int) {
  TskSkinCustomControl::MouseEnter();
  if (HoverChangesLook()) {
    if (down_) {
      morph_.Set(true);
      Invalidate();
    } else {
      StartAnimation(true);
      MorphOrRepaint();
    }
  }
  if (down_ && repeat_mode_ && group_index_ == 0) StartRepeat();
  PostMessageW(Handle(), SKN_GLOWSHOW, 0, 0);
}

void TskSkinButton::ObjectLeave(int) {
  TskSkinCustomControl::MouseLeave();
  // A default button that is active stays hot while the focus is elsewhere.
  default_lit_ = can_focused_ && default_ && active_ && !Focused();
  if (HoverChangesLook()) {
    StartAnimation(false);
    MorphOrRepaint();
  }
  if (down_ && repeat_mode_ && group_index_ == 0) StopRepeat();
  PostMessageW(Handle(), SKN_GLOWHIDE, 0, 0);
}

void TskSkinButton::LeftDown() {
  if (can_focused_ && !Focused()) {
    SetFocus();
    if (!Focused()) return;
  }
  StopAnimation();
  host_.Press(0, TskMouseButton::kLeft, Handle());
}

void TskSkinButton::ObjectPress(int, TskMouseButton) {
  if (down_) {
    if (group_index_ != 0) all_up_check_ = true;
    return;
  }
  down_ = true;
  all_up_check_ = false;
  StopMorph();
  morph_.Set(true);
  Repaint();
  if (group_index_ == 0) {
    if (repeat_mode_) StartRepeat();
    return;
  }
  ReleaseOthersInGroup();
  ButtonClick();
}

void TskSkinButton::LeftUp() {
  host_.Release(TskMouseButton::kLeft);
}

void TskSkinButton::ObjectRelease(int, TskMouseButton) {
  if (PointerOver()) {
    // The capture ended the leave tracking; the pointer is still here.
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
  }
  const bool was_down = down_;
  if (group_index_ == 0) {
    down_ = false;
    StopRepeat();
    MorphOrRepaint();
    Invalidate();
    if (was_down && MouseIn()) ButtonClick();
    return;
  }
  if (was_down && allow_all_up_ && all_up_check_ && MouseIn()) {
    down_ = false;
    Invalidate();
    ButtonClick();
  }
}

void TskSkinButton::LostCapture() {
  if (!Pressing()) return;
  host_.EndCapture();
  if (group_index_ == 0) down_ = false;
  StopRepeat();
  Invalidate();
}

bool TskSkinButton::KeyDown(WPARAM key) {
  if (!can_focused_) return false;
  if (key == VK_SPACE) {
    StopAnimation();
    space_pressed_ = true;
    if (!down_) {
      down_ = true;
      Repaint();
    }
    if (repeat_mode_) ButtonClick();
    return true;
  }
  if (key == VK_RETURN) {
    ButtonClick();
    return true;
  }
  return false;
}

bool TskSkinButton::KeyUp(WPARAM key) {
  if (!can_focused_ || key != VK_SPACE) return false;
  // Space clicks only when it was pressed on this button, not when the focus arrived with it held.
  if (!space_pressed_) return true;
  space_pressed_ = false;
  down_ = false;
  Repaint();
  ButtonClick();
  return true;
}

void TskSkinButton::FocusReceived() {
  StartAnimation(true);
  MorphOrRepaint();
}

void TskSkinButton::FocusLost() {
  if (repeat_mode_) StopRepeat();
  if (group_index_ == 0) down_ = false;
  space_pressed_ = false;
  StartAnimation(false);
  MorphOrRepaint();
}

void TskSkinButton::EnabledChanged() {
  StopMorph();
  morph_.Set(false);
  StopAnimation();
  StopRepeat();
  HideGlow();
  default_lit_ = false;
  host_.Forget();
  space_pressed_ = false;
  if (group_index_ == 0) down_ = false;
  Invalidate();
}

void TskSkinButton::FocusChanged(TWinControl& receiver) {
  auto* button = dynamic_cast<TskSkinButton*>(&receiver);
  active_ = button ? button == this : default_;
  if (!can_focused_ || !default_ || button == this) return;
  if (button) {
    default_lit_ = false;
  } else {
    // Enter would click this button now: it looks hot until a button takes the focus.
    default_lit_ = true;
    StopMorph();
    morph_.Set(true);
  }
  Invalidate();
}

bool TskSkinButton::DialogKey(WPARAM key) {
  if (!HandleAllocated() || !IsWindowVisible(Handle()) || !IsWindowEnabled(Handle())) return false;
  if (key == VK_RETURN && active_) {
    ButtonClick();
    return true;
  }
  if (key == VK_ESCAPE && cancel_ && can_focused_ && GetKeyState(VK_SHIFT) >= 0 && CanFocus()) {
    ButtonClick();
    return true;
  }
  return false;
}

bool TskSkinButton::DialogChar(wchar_t ch) {
  if (!can_focused_ || !CanFocus() || !IsWindowVisible(Handle())) return false;
  if (!IsAccelerator(ch, Caption())) return false;
  SetFocus();
  ButtonClick();
  return true;
}

LRESULT TskSkinButton::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      LeftDown();
      return 0;
    case WM_LBUTTONUP:
      LeftUp();
      return 0;
    case WM_MOUSEMOVE:
      if (Pressing()) {
        const bool inside = ClientRect().Contains({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
        host_.Hover(inside ? 0 : -1);
      }
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != Handle()) LostCapture();
      break;
    case WM_KEYDOWN:
      if (KeyDown(wparam)) return 0;
      break;
    case WM_KEYUP:
      if (KeyUp(wparam)) return 0;
      break;
    case WM_GETDLGCODE:
      return DLGC_BUTTON | (IsReturnKeyDown(lparam) ? DLGC_WANTMESSAGE : 0);
    case WM_SETFOCUS: {
      const LRESULT result = TskSkinCustomControl::WndProc(msg, wparam, lparam);
      FocusReceived();
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = TskSkinCustomControl::WndProc(msg, wparam, lparam);
      FocusLost();
      return result;
    }
    case WM_WINDOWPOSCHANGED:
      if (reinterpret_cast<const WINDOWPOS*>(lparam)->flags & SWP_HIDEWINDOW) HideGlow();
      break;
    case SKN_GLOWSHOW:
      ShowGlow();
      return 0;
    case SKN_GLOWHIDE:
      HideGlow();
      return 0;
    default:
      break;
  }
  return TskSkinCustomControl::WndProc(msg, wparam, lparam);
}

// Drawing.

void TskSkinButton::PaintGlyph(TBitmap& bitmap, TPoint at) {
  const int cell = ButtonGlyphIndex(ShowsDown(State()), MouseIn(), Enabled(), num_glyphs_);
  GdiFlush();
  PixelBitmap face = GrabPixels(bitmap, {0, 0, bitmap.Width(), bitmap.Height()});
  // The glyph's lower-left pixel is its background and stays transparent.
  DrawStripFrame(face, at.x, at.y, cell, num_glyphs_, glyph_, DefaultTransparentColour(glyph_));
  PutPixels(bitmap, face);
}

void TskSkinButton::DrawGlyphAndCaption(TBitmap& bitmap, const TRect& r, bool down) {
  TCanvas& canvas = bitmap.Canvas();
  const bool has_glyph = !glyph_.Empty() && glyph_.Width() / num_glyphs_ > 0;
  const int gw = has_glyph ? glyph_.Width() / num_glyphs_ : 0;
  const int gh = has_glyph ? glyph_.Height() : 0;
  const bool across =
      layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
  const SIZE text = canvas.WrappedTextExtent(Caption(), across ? r.Width() - gw : r.Width());
  TCaptionPlacement place =
      PlaceGlyphAndCaption(r, margin_, spacing_, layout_, gw, gh, text.cx, text.cy);
  if (down) {
    place.glyph = {place.glyph.x + 1, place.glyph.y + 1};
    place.text_rect = place.text_rect.Offset(1, 1);
  }
  if (has_glyph) PaintGlyph(bitmap, place.glyph);
  canvas.DrawText(Caption(), place.text_rect,
                  DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP);
}

void TskSkinButton::CreateDefaultImage(TBitmap& bitmap) {
  TCanvas& canvas = bitmap.Canvas();
  const TRect all{0, 0, bitmap.Width(), bitmap.Height()};
  const TButtonLook look = Enabled() ? Look() : TButtonLook::kNormal;
  switch (look) {
    case TButtonLook::kPressed:
      canvas.FillRect(all, kPressedFill);
      canvas.FrameRect(all, kNavy);
      break;
    case TButtonLook::kHot:
      canvas.FillRect(all, kHotFill);
      canvas.FrameRect(all, kNavy);
      break;
    case TButtonLook::kNormal:
      canvas.FillRect(all, ColorToRGB(clBtnFace));
      canvas.FrameRect(all, ColorToRGB(clBtnShadow));
      break;
  }
  TFont font = DefaultFont();
  if (!Enabled()) font.SetColor(ColorToRGB(clBtnShadow));
  canvas.SetFont(font);
  const bool down = look == TButtonLook::kPressed;
  bool go_on = true;
  if (OnPaint) OnPaint(canvas, go_on, look != TButtonLook::kNormal, down, all);
  if (!go_on) return;
  DrawGlyphAndCaption(bitmap, all, down);
}

void TskSkinButton::CreateSkinImage(TBitmap& bitmap) {
  if (MorphInEffect() && morph_.Between() && Enabled()) {
    CreateButtonImage(bitmap, b_.skinrect, false, false);
    TBitmap active(bitmap.Width(), bitmap.Height());
    CreateButtonImage(active, b_.activeskinrect, true, false);
    GdiFlush();
    TskEffectBmp blend(bitmap.ToPixels());
    blend.Morph(TskEffectBmp(active.ToPixels()), b_.morphkind, morph_.Value());
    PutPixels(bitmap, blend.Picture());
    return;
  }
  const TskButtonFace face = PickButtonFace(b_, Inputs());
  CreateButtonImage(bitmap, face.rect, face.active, face.down);
}

void TskSkinButton::CreateButtonImage(TBitmap& bitmap, const TRect& state_rect, bool active,
                                      bool down) {
  const TskButtonPicture face = DrawButtonPicture(Skin(), Sized(), state_rect, use_skin_size_,
                                                  bitmap.Width(), bitmap.Height());
  if (face.picture.Empty()) {
    // Nothing to draw from (no picture, or a rectangle the rule cannot fit): never an
    // undrawn bitmap.
    CreateDefaultImage(bitmap);
    return;
  }
  TCanvas& canvas = bitmap.Canvas();
  canvas.FillRect({0, 0, bitmap.Width(), bitmap.Height()}, ColorToRGB(clBtnFace));
  GdiFlush();
  PutPixels(bitmap, face.picture);

  TFont font = UseSkinFont() ? SkinFont(b_.fontname, b_.fontheight, b_.fontstyle, 0, DefaultFont())
                             : DefaultFont();
  font.SetCharset(SkinCharset(DefaultFont()));
  font.SetColor(ColorToRGB(
      ButtonFontColor(b_, Enabled(), use_skin_font_color_, DefaultFont().Color(), active, down)));
  canvas.SetFont(font);
  if (b_.showfocus && FocusedHere()) {
    const COLORREF face_colour = ColorToRGB(SkinData()->SkinColors().cbtnface);
    const COLORREF old_bk = SetBkColor(canvas.Handle(), face_colour);
    const COLORREF old_text = SetTextColor(canvas.Handle(), RGB(0, 0, 0));
    const RECT focus = ToRECT(face.text_rect);
    DrawFocusRect(canvas.Handle(), &focus);
    SetBkColor(canvas.Handle(), old_bk);
    SetTextColor(canvas.Handle(), old_text);
  }
  bool go_on = true;
  if (OnPaint) OnPaint(canvas, go_on, active, down, face.text_rect);
  if (!go_on) return;
  DrawGlyphAndCaption(bitmap, face.text_rect, down);
}

}  // namespace vl
