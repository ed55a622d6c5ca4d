#include <windows.h>

#include <string>

#include "framework/application_win.h"
#include "framework/dialogs.h"
#include "framework/text_win.h"

namespace vl {
namespace {

class SystemDialogsImpl final : public Dialogs {
 public:
  int Ask(NativeWindow owner, std::string_view text_utf8, unsigned flags) override {
    return MessageBoxW(static_cast<HWND>(owner), Utf8ToWide(text_utf8).c_str(), L"Tips", flags);
  }

  void Inform(std::string_view text_utf8) override {
    // Without an owner the box is centred on the screen; task-modal keeps every window of the
    // program from taking input until it is answered.
    MessageBoxW(nullptr, Utf8ToWide(text_utf8).c_str(), Utf8ToWide(Application().Title()).c_str(),
                MB_OK | MB_TASKMODAL);
  }

  void ShowError(std::string_view text_ansi) override {
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
