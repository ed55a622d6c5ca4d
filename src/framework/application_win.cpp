#include "framework/application_win.h"

#include "framework/control_win.h"

namespace vl {

TApplication& Application() {
  static TApplication application;
  return application;
}

Dialogs& TApplication::GetDialogs() const {
  return dialogs_ ? *dialogs_ : SystemDialogs();
}

void TApplication::Run() {
  MSG msg;
  while (!terminated_) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      terminated_ = true;
      break;
    }
    if (IsKeyNavigation(msg) || TWinControl::HandleDialogMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void TApplication::ProcessMessages() {
  while (HandleMessage()) {
  }
}

bool TApplication::HandleMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return false;
  }
  if (!IsKeyNavigation(msg) && !TWinControl::HandleDialogMessage(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void TApplication::Terminate() {
  terminated_ = true;
}

// Tab and Shift+Tab move the focus between the tab stops of a form; we do this ourselves
// because the dialog manager would also turn Enter into a default-button command, and the
// keyword box must see Enter as a character.
bool TApplication::IsKeyNavigation(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  HWND focus = GetFocus();
  if (!focus) return false;
  HWND root = GetAncestor(focus, GA_ROOT);
  if (!TWinControl::FromHandle(root)) return false;
  const bool backwards = GetKeyState(VK_SHIFT) < 0;
  HWND next = GetNextDlgTabItem(root, focus, backwards);
  if (next && next != focus) SetFocus(next);
  return true;
}

void TApplication::HandleException(const std::exception& error) {
  GetDialogs().ShowError(error.what());
}

void TApplication::HandleUnknownException() {
  GetDialogs().ShowError("Unknown error");
}

}  // namespace vl
