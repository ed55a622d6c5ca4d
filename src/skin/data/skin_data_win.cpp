#include <windows.h>

#include <vector>

#include "framework/control_win.h"
#include "skin/data/skin_data.h"

namespace vl {
namespace {

HWND TopLevelOwnerWindow(const TskSkinData& data) {
  auto* control = dynamic_cast<TWinControl*>(data.Owner());
  if (control == nullptr || !control->HandleAllocated()) return nullptr;
  HWND handle = control->Handle();
  return (GetWindowLongPtrA(handle, GWL_STYLE) & WS_CHILD) == 0 ? handle : nullptr;
}

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM list) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId())
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

class TopLevelNotifier : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData& data, unsigned message) override {
    WPARAM wparam = reinterpret_cast<WPARAM>(&data);
    HWND owner = TopLevelOwnerWindow(data);
    if (owner != nullptr) SendMessageA(owner, message, wparam, kSkinMessageTag);
    // Collected first: a window may come or go while it handles the message.
    std::vector<HWND> windows;
    EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
      if (window != owner && IsWindow(window))
        SendMessageA(window, message, wparam, kSkinMessageTag);
    }
  }
};

}  // namespace

TskFormNotifier& TopLevelFormNotifier() {
  static TopLevelNotifier notifier;
  return notifier;
}

}  // namespace vl
