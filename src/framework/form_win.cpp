#include "framework/form_win.h"

#include "framework/application_win.h"
#include "framework/menu_win.h"

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
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
}

void TForm::CreateParams(TCreateParams& params) {
  params.class_name.clear();
  params.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  params.ex_style = WS_EX_CONTROLPARENT;
}

void TForm::SetClientSize(int width, int height) {
  RECT rc{0, 0, width, height};
  DWORD style = DWORD(GetWindowLongW(Handle(), GWL_STYLE));
  DWORD ex_style = DWORD(GetWindowLongW(Handle(), GWL_EXSTYLE));
  AdjustWindowRectEx(&rc, style, GetMenu(Handle()) != nullptr, ex_style);
  SetBounds(Left(), Top(), rc.right - rc.left, rc.bottom - rc.top);
  // A menu bar that wraps takes room from the client area; ask the window what it got.
  RECT client;
  GetClientRect(Handle(), &client);
  int dh = height - (client.bottom - client.top);
  int dw = width - (client.right - client.left);
  if (dw || dh) SetBounds(Left(), Top(), Width() + dw, Height() + dh);
}

void TForm::SetMenu(TMainMenu* menu) {
  menu_ = menu;
  if (!menu) {
    ::SetMenu(Handle(), nullptr);
    return;
  }
  menu->SetWindow(Handle());
  ::SetMenu(Handle(), menu->Handle());
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
  ShowWindow(Handle(), SW_SHOW);
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
    case WM_COMMAND:
      if (lparam == 0 && HIWORD(wparam) == 0 && menu_) {
        menu_->DispatchCommand(LOWORD(wparam));
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (IsDescendant(Handle(), focus)) saved_focus_ = focus;
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
