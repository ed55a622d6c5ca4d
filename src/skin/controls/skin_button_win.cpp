#include "skin/controls/skin_button_win.h"

#include <windowsx.h>

namespace vl {
namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kPressedFill = RGB(133, 147, 181);
constexpr COLORREF kHotFill = RGB(182, 189, 210);

}  // namespace

TskSkinButton::TskSkinButton(TComponent* owner) : TskSkinCustomControl(owner, "button") {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
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

TButtonState TskSkinButton::State() const {
  return TButtonState{down_, mouse_in_, mouse_down_, can_focused_ && Focused()};
}

TButtonLook TskSkinButton::Look() const {
  return DefaultButtonLook(State());
}

void TskSkinButton::ButtonClick() {
  if (OnClick) OnClick();
}

void TskSkinButton::SetMouseIn(bool in) {
  if (in == mouse_in_) return;
  mouse_in_ = in;
  Invalidate();
}

void TskSkinButton::MouseEnter() {
  TskSkinCustomControl::MouseEnter();
  if (!mouse_down_) SetMouseIn(true);
}

void TskSkinButton::MouseLeave() {
  TskSkinCustomControl::MouseLeave();
  // While the button is held the pointer position is followed through the mouse capture.
  if (!mouse_down_) SetMouseIn(false);
}

void TskSkinButton::EnabledChanged() {
  mouse_in_ = false;
  down_ = false;
  Invalidate();
}

void TskSkinButton::LeftDown() {
  if (can_focused_ && !Focused()) {
    SetFocus();
    if (!Focused()) return;
  }
  SetCapture(Handle());
  mouse_down_ = true;
  mouse_in_ = true;
  down_ = true;
  Repaint();
}

void TskSkinButton::LeftUp() {
  if (!mouse_down_) return;
  mouse_down_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  const bool was_down = down_;
  down_ = false;
  Repaint();
  // A click only when the release happens over the button.
  if (was_down && mouse_in_) ButtonClick();
}

void TskSkinButton::MouseMoveWhilePressed(LPARAM lparam) {
  const TPoint pt{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  SetMouseIn(ClientRect().Contains(pt));
}

bool TskSkinButton::KeyDown(WPARAM key) {
  if (!can_focused_) return false;
  if (key == VK_SPACE) {
    if (!down_) {
      down_ = true;
      Repaint();
    }
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
  if (!down_) return true;
  down_ = false;
  Repaint();
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
      if (mouse_down_) MouseMoveWhilePressed(lparam);
      break;
    case WM_CAPTURECHANGED:
      if (mouse_down_ && reinterpret_cast<HWND>(lparam) != Handle()) {
        mouse_down_ = false;
        down_ = false;
        Invalidate();
      }
      break;
    case WM_KEYDOWN:
      if (KeyDown(wparam)) return 0;
      break;
    case WM_KEYUP:
      if (KeyUp(wparam)) return 0;
      break;
    case WM_GETDLGCODE:
      return DLGC_BUTTON | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (msg == WM_KILLFOCUS) down_ = false;
      Invalidate();
      break;
    default:
      break;
  }
  return TskSkinCustomControl::WndProc(msg, wparam, lparam);
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
  const SIZE text = canvas.WrappedTextExtent(Caption(), all.Width());
  TCaptionPlacement place =
      PlaceGlyphAndCaption(all, margin_, spacing_, layout_, 0, 0, text.cx, text.cy);
  if (look == TButtonLook::kPressed) place.text_rect = place.text_rect.Offset(1, 1);
  canvas.DrawText(Caption(), place.text_rect,
                  DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP);
}

}  // namespace vl
