#include <windows.h>

#include <string>

#include "framework/application_win.h"
#include "framework/dialogs.h"
#include "framework/text_win.h"

namespace vl {
namespace {

// A box without an owner disables every window of the program while it waits, so when it goes
// the platform finds none of them to activate and the keyboard goes nowhere. The window that was
// active before the box, and the control that had the focus in it, get both back afterwards.
class KeepActivation {
 public:
  KeepActivation() : active_(GetActiveWindow()), focus_(GetFocus()) {}
  ~KeepActivation() {
    if (!active_ || !IsWindow(active_) || !IsWindowVisible(active_) || !IsWindowEnabled(active_)) {
      return;
    }
    if (GetActiveWindow() != active_) SetForegroundWindow(active_);
    if (focus_ && IsWindow(focus_) && IsChild(active_, focus_) && GetFocus() != focus_) {
      SetFocus(focus_);
    }
  }
  KeepActivation(const KeepActivation&) = delete;
  KeepActivation& operator=(const KeepActivation&) = delete;

 private:
  HWND active_;
  HWND focus_;
};

class SystemDialogsImpl final : public Dialogs {
 public:
  int Ask(NativeWindow owner, std::string_view text_utf8, unsigned flags) override {
    KeepActivation keep;
    return MessageBoxW(static_cast<HWND>(owner), Utf8ToWide(text_utf8).c_str(), L"Tips", flags);
  }

  void Inform(std::string_view text_utf8) override {
    // Without an owner the box is centred on the screen; task-modal keeps every window of the
    // program from taking input until it is answered.
    KeepActivation keep;
    MessageBoxW(nullptr, Utf8ToWide(text_utf8).c_str(), Utf8ToWide(Application().Title()).c_str(),
                MB_OK | MB_TASKMODAL);
  }

  void ShowError(std::string_view text_ansi) override {
    KeepActivation keep;
    std::string caption = WideToAnsi(Utf8ToWide(Application().Title()));
    MessageBoxA(nullptr, ErrorBoxText(text_ansi).c_str(), caption.c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
  }
};

}  // namespace

Dialogs& SystemDialogs() {
  static SystemDialogsImpl dialogs;
  return dialogs;
}

}  // namespace vl
