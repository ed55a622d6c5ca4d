#include "skin/controls/skin_memo_win.h"

#include "framework/canvas_win.h"

namespace vl {

TskSkinMemo::TskSkinMemo(TComponent* owner) : TMemo(owner), TskSkinnable(*this, "memo") {
  Font().Assign(default_font_);
  default_font_.OnChange = [this] { Font().Assign(default_font_); };
}

void TskSkinMemo::Notification(TComponent* component, TOperation operation) {
  TMemo::Notification(component, operation);
  if (operation == TOperation::opRemove) SkinDataRemoved(component);
}

void TskSkinMemo::CreateParams(TCreateParams& params) {
  TMemo::CreateParams(params);
  params.style &= ~(WS_BORDER | WS_HSCROLL | WS_VSCROLL);
  params.ex_style &= ~(WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT);
}

void TskSkinMemo::HandleCreated() {
  TMemo::HandleCreated();
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateTextRect();
}

TRect TskSkinMemo::TextRect() const {
  const int left = bitmap_bg_ ? 3 : 6;
  const TRect client = ClientRect();
  return {left, 2, std::max(left, client.right - 4), std::max(2, client.bottom - 2)};
}

void TskSkinMemo::UpdateTextRect() {
  if (!HandleAllocated()) return;
  RECT rc = ToRECT(TextRect());
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rc));
}

void TskSkinMemo::Resized() {
  UpdateTextRect();
  Invalidate();
}

void TskSkinMemo::PaintFrame(HDC dc) {
  TCanvas canvas(dc);
  const TRect all = ClientRect();
  canvas.FrameRect(all, ColorToRGB(clBtnShadow));
  canvas.FrameRect({all.left + 1, all.top + 1, all.right - 1, all.bottom - 1},
                   ColorToRGB(clBtnFace));
}

void TskSkinMemo::PaintBackground(HDC dc) {
  TCanvas canvas(dc);
  const TRect all = ClientRect();
  canvas.FillRect({all.left + 2, all.top + 2, all.right - 2, all.bottom - 2}, ColorToRGB(Color()));
  PaintFrame(dc);
}

LRESULT TskSkinMemo::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_NCCALCSIZE: {
      LONG style = GetWindowLongW(Handle(), GWL_STYLE);
      if (style & (WS_HSCROLL | WS_VSCROLL | WS_BORDER)) {
        SetWindowLongW(Handle(), GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL | WS_BORDER));
      }
      // No non-client area: the client rectangle is the whole control.
      return 0;
    }
    case WM_NCPAINT:
      return 0;
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_PAINT: {
      // The native control paints the text; the frame goes on top of whatever it painted.
      LRESULT result = TMemo::WndProc(msg, wparam, lparam);
      HDC dc = GetDC(Handle());
      PaintFrame(dc);
      ReleaseDC(Handle(), dc);
      return result;
    }
    case WM_MOUSEWHEEL:
      SendMessageW(Handle(), EM_SCROLL,
                   GET_WHEEL_DELTA_WPARAM(wparam) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
      return 0;
    default:
      return TMemo::WndProc(msg, wparam, lparam);
  }
}

}  // namespace vl
