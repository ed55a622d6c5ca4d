#include "skin/controls/menu_session_win.h"

#include <cwctype>

#include "framework/application_win.h"
#include "skin/controls/menu_host.h"

namespace vl {
namespace {

bool IsKey(UINT msg) {
  return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP;
}

void Fire(const std::function<void()>& event) {
  if (event) event();
}

}  // namespace

wchar_t MenuKeyChar(WPARAM key) {
  const UINT ch = MapVirtualKeyW(UINT(key), MAPVK_VK_TO_CHAR) & 0x7FFFFFFF;
  return ch >= 0x20 ? wchar_t(std::towlower(wchar_t(ch))) : 0;
}

TskMenuSession::TskMenuSession(TskMenuChain& chain) : chain_(chain) {}

TskMenuSession::~TskMenuSession() {
  RemoveHook();
}

TskMenuState TskMenuSession::State() const {
  if (popup_open_) return bar_selected_ ? TskMenuState::kPopupFromBar : TskMenuState::kPopupOpen;
  return bar_selected_ ? TskMenuState::kBarSelected : TskMenuState::kClosed;
}

bool TskMenuSession::HookInstalled() const {
  return Application().HasMessageHook(this);
}

void TskMenuSession::InstallHook() {
  if (HookInstalled()) return;
  Application().InstallMessageHook(
      this, [this](MSG& msg) { return HookFilter ? HookFilter(msg) : FilterMessage(msg); });
}

void TskMenuSession::RemoveHook() {
  Application().RemoveMessageHook(this);
}

void TskMenuSession::PopupOpened() {
  if (!bar_selected_) InstallHook();
  const bool was_open = popup_open_;
  popup_open_ = true;
  if (!was_open) Fire(OnPopupOpen);
}

void TskMenuSession::PopupClosed() {
  const bool was_open = popup_open_;
  popup_open_ = false;
  if (!bar_selected_) RemoveHook();
  if (was_open) Fire(OnPopupClose);
}

void TskMenuSession::CloseChain() {
  if (chain_.Visible()) chain_.CloseAll();
}

bool TskMenuSession::OpenPopup(TWinControl* asker, TskSkinData* skin_data, bool popup_up,
                               const std::vector<TMenuItem*>& items, const TRect& anchor,
                               std::function<void()> once_close) {
  CloseChain();
  PopupOpened();
  chain_.ShowChain(asker, skin_data, popup_up, items, anchor, std::move(once_close));
  if (chain_.Visible()) return true;
  ChainEnded();
  return false;
}

bool TskMenuSession::OpenFromBar(TskSkinData* skin_data, bool popup_up,
                                 const std::vector<TMenuItem*>& items, const TRect& anchor) {
  CloseChain();
  PopupOpened();
  SelectBar();
  chain_.ShowChain(nullptr, skin_data, popup_up, items, anchor, nullptr);
  if (chain_.Visible()) return true;
  PopupClosed();
  return false;
}

void TskMenuSession::SelectBar() {
  InstallHook();
  if (bar_selected_) return;
  bar_selected_ = true;
  Fire(OnBarEnter);
}

void TskMenuSession::LeaveBar() {
  if (!bar_selected_) return;
  bar_selected_ = false;
  chain_.CloseFrom(0);
  if (bar_) bar_->LeaveMenuMode();
  // Every open is paired with a close, also when menu mode ends with a menu open; with menu
  // mode off the hook goes.
  PopupClosed();
  Fire(OnBarExit);
}

void TskMenuSession::ChainEnded() {
  Fire(OnChainEnd);
  PopupClosed();
  LeaveBar();
}

void TskMenuSession::End() {
  if (bar_selected_ && !popup_open_) {
    LeaveBar();
  } else if (chain_.Visible()) {
    chain_.CloseAll();
  } else if (popup_open_) {
    ChainEnded();
  }
}

void TskMenuSession::ToggleBarFromKeyboard() {
  if (bar_selected_) {
    LeaveBar();
    return;
  }
  CloseChain();
  if (bar_) bar_->EnterMenuModeFromKeyboard();
}

bool TskMenuSession::FilterMessage(MSG& msg) {
  if (msg.message == WM_MOUSEWHEEL || msg.message == WM_MOUSEHWHEEL) return true;
  // The menu key and Shift+F10 would open a context menu over the open one, freeing items
  // that are on screen.
  if (IsKey(msg.message) &&
      (msg.wParam == VK_APPS || (msg.wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0))) {
    return true;
  }
  if (msg.message == WM_CONTEXTMENU) return true;
  if (msg.message != WM_KEYDOWN) return false;
  Key(msg.wParam);
  return true;
}

void TskMenuSession::Key(WPARAM key) {
  const bool was_open = popup_open_;
  TskMenuBarLink* bar = bar_selected_ ? bar_ : nullptr;
  const int levels = chain_.LevelCount();
  const wchar_t ch = MenuKeyChar(key);
  if (bar && ch && bar->OpenByAccelerator(ch)) return;
  if (key == VK_ESCAPE && bar_selected_ && !popup_open_) {
    LeaveBar();
    return;
  }
  if (key == VK_LEFT && bar && levels <= 1) {
    bar->SelectPreviousItem();
    return;
  }
  if (key == VK_RIGHT && bar && (levels == 0 || !chain_.TopmostActiveHasChildren())) {
    bar->SelectNextItem();
    return;
  }
  if ((key == VK_RETURN || key == VK_DOWN) && bar && bar->OpenSelectedItem()) return;
  chain_.KeyDown(key);
  if (key != VK_ESCAPE || !was_open || chain_.Visible() || !popup_open_) return;
  // Esc closed the last level: from the bar, the bar stays selected with the item drawn up.
  if (bar_selected_) {
    PopupClosed();
    if (bar_) bar_->PopupClosedInMenuMode();
  } else {
    ChainEnded();
  }
}

}  // namespace vl
