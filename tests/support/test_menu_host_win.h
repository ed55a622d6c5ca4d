#pragma once
// A stand-in for a window's skinned frame in the menu tests: it owns the window's popup
// controller and, while a skinned menu is open, the application message hook that takes every
// key press for the popups, drops the wheel and context-menu messages, and closes the chain on a
// button press anywhere outside the popups (letting the press act).

#include <windows.h>

#include "framework/application_win.h"
#include "framework/control_win.h"
#include "framework/form_win.h"
#include "skin/controls/menu_host.h"
#include "skin/controls/menu_session_win.h"
#include "skin/controls/skin_menu_win.h"
#include "skin/controls/skin_popup_window_win.h"
#include "skin/data/skin_messages.h"

namespace vl::testing {

class TestMenuHost : public TComponent, public TskMenuHost, public TMessageHook {
 public:
  explicit TestMenuHost(TForm& form, TskSkinData* skin_data = nullptr)
      : TComponent(&form), form_(form), menu_(form), session_(menu_), skin_data_(skin_data) {
    form.SetMessageHook(this, this);
    session_.OnPopupOpen = [this] { ++opened; };
    session_.OnPopupClose = [this] { ++closed; };
    session_.HookFilter = [this](MSG& msg) { return Filter(msg); };
  }
  ~TestMenuHost() override {
    menu_.CloseFrom(0);
    if (form_.MessageHook() == this) form_.SetMessageHook(nullptr);
  }

  TskMenuSession& MenuSession() override { return session_; }
  TskSkinData* MenusSkinData() const override { return skin_data_; }
  void SetMenusSkinData(TskSkinData* skin_data) { skin_data_ = skin_data; }
  TskSkinMenu& SkinMenu() { return menu_; }
  void CloseMenus() { session_.End(); }
  bool SkinMenuOpen() const { return session_.PopupOpen(); }

  bool HookMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) override {
    if (msg != SKN_CLOSEMENUS) return false;
    session_.ChainEnded();
    result = 0;
    return true;
  }

  int opened = 0;
  int closed = 0;
  // Key presses the hook took away from the focused window.
  int keys_taken = 0;

 private:
  static bool IsPopup(HWND window) {
    return dynamic_cast<TskSkinPopupWindow*>(TWinControl::FromHandle(window)) != nullptr;
  }

  // The session's own filter, and what the frame's messages would add: a press anywhere outside
  // the popups closes the chain and acts.
  bool Filter(MSG& msg) {
    switch (msg.message) {
      case WM_KEYDOWN:
        ++keys_taken;
        break;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_NCLBUTTONDOWN:
      case WM_NCRBUTTONDOWN:
        if (!IsPopup(msg.hwnd)) session_.End();
        return false;
      default:
        break;
    }
    return session_.FilterMessage(msg);
  }

  TForm& form_;
  TskSkinMenu menu_;
  TskMenuSession session_;
  TskSkinData* skin_data_;
};

}  // namespace vl::testing
