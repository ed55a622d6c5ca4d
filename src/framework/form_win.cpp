#include "framework/form_win.h"

#include "framework/application_win.h"

namespace vl {
namespace {

bool IsDescendant(HWND parent, HWND child) {
  return child && IsChild(parent, child);
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  SetBounds(0, 0, 400, 300);
  HandleNeeded();
}

TForm::~TForm() {
  // A hook belongs to a component of the form, which goes after the form's own parts.
  SetMessageHook(nullptr);
  ShortCutHandler = nullptr;
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
}

void TForm::StylesOf(TFormBorderStyle style, TBorderIcons icons, DWORD& ws, DWORD& ex) {
  ws = 0;
  ex = 0;
  switch (style) {
    case TFormBorderStyle::bsNone:
      ws = WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
      ws = WS_CAPTION;
      break;
    case TFormBorderStyle::bsSizeable:
      ws = WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      ws = WS_CAPTION | DS_MODALFRAME;
      ex = WS_EX_DLGMODALFRAME;
      break;
    case TFormBorderStyle::bsToolWindow:
      ws = WS_CAPTION;
      ex = WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      ws = WS_CAPTION | WS_THICKFRAME;
      ex = WS_EX_TOOLWINDOW;
      break;
  }
  // Without a system menu the platform shows no caption buttons at all, and the minimize and
  // maximize boxes belong only to the frames that can show them.
  if (style == TFormBorderStyle::bsNone || !icons.system_menu) return;
  ws |= WS_SYSMENU;
  if (style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable) {
    if (icons.minimize) ws |= WS_MINIMIZEBOX;
    if (icons.maximize) ws |= WS_MAXIMIZEBOX;
  }
}

void TForm::CreateParams(TCreateParams& params) {
  params.class_name.clear();
  DWORD ws = 0;
  DWORD ex = 0;
  StylesOf(border_style_, border_icons_, ws, ex);
  params.style = ws | WS_CLIPCHILDREN;
  params.ex_style = ex | WS_EX_CONTROLPARENT;
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  UpdateFrameStyle();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == border_icons_) return;
  border_icons_ = icons;
  UpdateFrameStyle();
}

void TForm::UpdateFrameStyle() {
  if (!HandleAllocated()) return;
  constexpr DWORD kFrameBits = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX |
                               WS_MAXIMIZEBOX | DS_MODALFRAME;
  constexpr DWORD kFrameExBits = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
  DWORD ws = 0;
  DWORD ex = 0;
  StylesOf(border_style_, border_icons_, ws, ex);
  const DWORD old_ws = DWORD(GetWindowLongW(Handle(), GWL_STYLE));
  const DWORD old_ex = DWORD(GetWindowLongW(Handle(), GWL_EXSTYLE));
  SetWindowLongW(Handle(), GWL_STYLE, LONG((old_ws & ~kFrameBits) | ws));
  SetWindowLongW(Handle(), GWL_EXSTYLE, LONG((old_ex & ~kFrameExBits) | ex));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::SetClientSize(int width, int height) {
  // The window answers for its own frame: ask it which client rectangle a window rectangle of
  // about the final size has, so the window is sized once.
  RECT window;
  GetWindowRect(Handle(), &window);
  RECT client_now;
  GetClientRect(Handle(), &client_now);
  RECT probe{window.left, window.top,
             window.left + width + (window.right - window.left) - client_now.right,
             window.top + height + (window.bottom - window.top) - client_now.bottom};
  RECT client = probe;
  SendMessageW(Handle(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
  const int frame_w = (probe.right - probe.left) - (client.right - client.left);
  const int frame_h = (probe.bottom - probe.top) - (client.bottom - client.top);
  SetBounds(Left(), Top(), width + frame_w, height + frame_h);
  // A frame that depends on the size may still differ; ask the window what it got.
  RECT got;
  GetClientRect(Handle(), &got);
  int dh = height - (got.bottom - got.top);
  int dw = width - (got.right - got.left);
  if (dw || dh) SetBounds(Left(), Top(), Width() + dw, Height() + dh);
}

void TForm::Show() {
  if (Visible()) {
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Handle());
    return;
  }
  SetVisible(true);
}

void TForm::SetVisible(bool visible) {
  if (visible == Visible()) return;
  if (!visible) {
    saved_focus_ = nullptr;
    TWinControl::SetVisible(false);
    return;
  }
  FormShow();
  PlaceForShow();
  visible_ = true;
  ShowWindow(Handle(),
             Application().MainForm() == this ? Application().TakeShowCommand() : SW_SHOW);
  SetForegroundWindow(Handle());
  FocusFirstControl();
}

void TForm::PlaceForShow() {
  RECT area{};
  switch (position_) {
    case TPosition::poScreenCenter:
      // The middle of the whole screen, not of the room a task bar leaves.
      area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
      break;
    case TPosition::poMainFormCenter: {
      TForm* main = Application().MainForm();
      if (!main || main == this) return;
      GetWindowRect(main->Handle(), &area);
      break;
    }
    case TPosition::poDesigned:
      return;
  }
  int left = area.left + ((area.right - area.left) - Width()) / 2;
  int top = area.top + ((area.bottom - area.top) - Height()) / 2;
  SetBounds(left, top, Width(), Height());
}

void TForm::FocusFirstControl() {
  if (saved_focus_ && IsDescendant(Handle(), saved_focus_)) {
    ::SetFocus(saved_focus_);
    return;
  }
  if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) ::SetFocus(first);
}

void TForm::Close() {
  if (!CloseQuery()) return;
  if (Application().MainForm() == this) {
    Application().Terminate();
    return;
  }
  Hide();
}

bool TForm::CloseQuery() {
  bool can_close = true;
  FormCloseQuery(can_close);
  return can_close;
}

void TForm::Release() {
  if (destroyed_) return;
  destroyed_ = true;
  DestroyHandle();
}

void TForm::DoCreate() {
  try {
    FormCreate();
  } catch (const std::exception& error) {
    Application().HandleException(error);
  }
}

LRESULT TForm::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_QUERYENDSESSION:
      return CloseQuery() ? TRUE : FALSE;
    case WM_ENDSESSION:
      if (wparam) Application().Terminate();
      return 0;
    case WM_DESTROY:
      FormDestroy();
      break;
    case WM_SIZE:
      if (Application().MainForm() == this) {
        if (wparam == SIZE_MINIMIZED) {
          Application().MainFormMinimized();
        } else {
          Application().MainFormRestored();
        }
      }
      break;
    case WM_SETTEXT: {
      // The window text may also be set from outside the program; the caption a frame draws
      // must read what the window says.
      const LRESULT result = TWinControl::WndProc(msg, wparam, lparam);
      if (result) caption_ = lparam ? reinterpret_cast<const wchar_t*>(lparam) : L"";
      return result;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        // A window being hidden loses the activation after it is hidden; its next show starts
        // afresh on its first control.
        HWND focus = GetFocus();
        if (IsWindowVisible(Handle()) && IsDescendant(Handle(), focus)) saved_focus_ = focus;
      } else if (!IsIconic(Handle())) {
        FocusFirstControl();
        return 0;
      }
      break;
    case WM_ERASEBKGND: {
      RECT rc;
      GetClientRect(Handle(), &rc);
      FillRect(reinterpret_cast<HDC>(wparam), &rc, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      break;
  }
  return TWinControl::WndProc(msg, wparam, lparam);
}

}  // namespace vl
