#include "statusbar/flat_edit_win.h"

namespace vl {

TFlCustomEdit::TFlCustomEdit(TComponent* owner) : TCustomEdit(owner) {
  TWinControl::SetColor(colors_.Color());
}

void TFlCustomEdit::SetColor(TColor color) {
  colors_.SetColor(color);
  parent_color_ = false;
  TWinControl::SetColor(color);
}

void TFlCustomEdit::SetFocusColor(TColor color) {
  colors_.SetFocusColor(color);
  Invalidate();
}

void TFlCustomEdit::SetDisabledColor(TColor color) {
  colors_.SetDisabledColor(color);
  Invalidate();
}

void TFlCustomEdit::SetParentColor(bool parent_color) {
  if (parent_color && Parent()) SetColor(Parent()->Color());
  parent_color_ = parent_color;
}

TColor TFlCustomEdit::CurrentColor() const {
  return colors_.Current(Enabled(), Focused());
}

void TFlCustomEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.class_name = L"EDIT";
  params.style |= ES_AUTOHSCROLL | ES_LEFT;
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TFlCustomEdit::HandleCreated() {
  TCustomEdit::HandleCreated();
  // The native control stops typing and pasting at about 32,000 characters; zero lifts that.
  SendMessageW(Handle(), EM_LIMITTEXT, 0, 0);
  SetParentColor(parent_color_);
  Invalidate();
}

void TFlCustomEdit::EnabledChanged() {
  Invalidate();
}

void TFlCustomEdit::MoveFocusOn() {
  HWND root = GetAncestor(Handle(), GA_ROOT);
  HWND next = root ? GetNextDlgTabItem(root, Handle(), GetKeyState(VK_SHIFT) < 0) : nullptr;
  if (next && next != Handle()) ::SetFocus(next);
}

LRESULT TFlCustomEdit::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_CHAR:
      if (tab_on_enter_ && wparam == VK_RETURN) {
        MoveFocusOn();
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      LRESULT result = TCustomEdit::WndProc(msg, wparam, lparam);
      Invalidate();
      return result;
    }
    default:
      break;
  }
  return TCustomEdit::WndProc(msg, wparam, lparam);
}

}  // namespace vl
