#include "skin/controls/skin_popup_menu_win.h"

#include <memory>

#include "framework/control_win.h"
#include "skin/controls/menu_host.h"
#include "skin/controls/menu_session_win.h"
#include "skin/data/skin_data.h"

namespace vl {

TskSkinPopupMenu::TskSkinPopupMenu(TComponent* owner) : TPopupMenu(owner) {}

TskSkinPopupMenu::~TskSkinPopupMenu() {
  // The open popups point at this menu's items; they must not outlive them.
  if (showing_ && host_) host_->MenuSession().End();
  WatchHost(nullptr);
  SetSkinData(nullptr);
}

void TskSkinPopupMenu::SetSkinData(TskSkinData* skin_data) {
  if (skin_data_ == skin_data) return;
  if (skin_data_) RemoveFreeNotification(skin_data_);
  skin_data_ = skin_data;
  if (skin_data_) FreeNotification(skin_data_);
}

void TskSkinPopupMenu::Notification(TComponent* component, TOperation operation) {
  TPopupMenu::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == skin_data_) skin_data_ = nullptr;
  if (component == host_component_) {
    host_ = nullptr;
    host_component_ = nullptr;
    showing_ = false;
  }
}

void TskSkinPopupMenu::WatchHost(TskMenuHost* host) {
  if (host_component_) RemoveFreeNotification(host_component_);
  host_ = host;
  host_component_ = dynamic_cast<TComponent*>(host);
  if (host_component_) FreeNotification(host_component_);
}

void TskSkinPopupMenu::Popup(int x, int y) {
  Show(nullptr, {x, y, x, y}, false, false);
}

void TskSkinPopupMenu::PopupUnder(const TRect& rect, bool popup_up) {
  Show(nullptr, rect, popup_up, false);
}

void TskSkinPopupMenu::PopupForControl(TWinControl& control, int x, int y) {
  Show(&control, {x, y, x, y}, false, true);
}

void TskSkinPopupMenu::Show(TWinControl* asker, const TRect& anchor, bool popup_up,
                            bool needs_skin) {
  if (OnPopup) OnPopup();
  TskMenuHost* host = TskMenuHost::Find(Owner());
  if (!host) return;
  TskSkinData* skin = skin_data_ ? skin_data_ : host->MenusSkinData();
  if (needs_skin && !skin) return;
  if (VisibleItems().empty()) return;
  popup_point_ = {anchor.left, anchor.top};
  WatchHost(host);
  showing_ =
      host->MenuSession().OpenPopup(asker, skin, popup_up, Items(), anchor, [this] { Closed(); });
}

void TskSkinPopupMenu::Closed() {
  showing_ = false;
  // The handler may free this menu; nothing of it is touched after the call.
  const std::function<void()> on_close = OnMenuClose;
  if (on_close) on_close();
}

}  // namespace vl
