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
#include "skin/controls/skin_menu_win.h"
#include "skin/controls/skin_popup_window_win.h"
#include "skin/data/skin_messages.h"

namespace vl::testing {

class TestMenuHost : public TComponent, public TskMenuHost, public TMessageHook {
 public:
  explicit TestMenuHost(TForm& form, TskSkinData* skin_data = nullptr)
      : TComponent(&form), form_(form), menu_(form), skin_data_(skin_data) {
    form.SetMessageHook(this, this);
  }
  ~TestMenuHost() override {
    menu_.CloseFrom(0);
    Application().RemoveMessageHook(this);
    if (form_.MessageHook() == this) form_.SetMessageHook(nullptr);
  }

  TskSkinMenu& SkinMenu() override { return menu_; }
  TskSkinData* MenusSkinData() const override { return skin_data_; }
  void SetMenusSkinData(TskSkinData* skin_data) { skin_data_ = skin_data; }
  void ShowMenuChain(TWinControl* asker, TskSkinData* skin_data, bool popup_up,
                     const std::vector<TMenuItem*>& items, const TRect& anchor) override {
    menu_.ShowChain(asker, skin_data, popup_up, items, anchor);
  }
  void CloseMenus() override { menu_.CloseAll(); }
  bool MenusVisible() const override { return menu_.Visible(); }

  void SkinMenuOpened() override {
    ++opened;
    open_ = true;
    if (!Application().HasMessageHook(this)) {
      Application().InstallMessageHook(this, [this](MSG& msg) { return Filter(msg); });
    }
  }
  void SkinMenusClosed() override {
    ++closed;
    open_ = false;
    Application().RemoveMessageHook(this);
  }
  bool SkinMenuOpen() const override { return open_; }
  void ClearSkinMenuOpen() override { open_ = false; }
  bool MenuMode() const override { return false; }
  void EnterMenuMode() override {}
  void LeaveMenuMode() override {}

  bool HookMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) override {
    if (msg != SKN_CLOSEMENUS) return false;
    if (open_) SkinMenusClosed();
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

  bool Filter(MSG& msg) {
    switch (msg.message) {
      case WM_KEYDOWN:
        ++keys_taken;
        menu_.KeyDown(msg.wParam);
        if (open_ && !menu_.Visible()) SkinMenusClosed();
        return true;
      case WM_MOUSEWHEEL:
      case WM_CONTEXTMENU:
        return true;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_NCLBUTTONDOWN:
      case WM_NCRBUTTONDOWN:
        if (!IsPopup(msg.hwnd)) menu_.CloseAll();
        return false;
      default:
        return false;
    }
  }

  TForm& form_;
  TskSkinMenu menu_;
  TskSkinData* skin_data_;
  bool open_ = false;
};

}  // namespace vl::testing
