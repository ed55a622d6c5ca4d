#pragma once
// A popup menu that opens as a chain of skinned popups over the window it belongs to: at a
// point, under a rectangle (opening upwards when asked), or for a control that then hears when
// the chain closes and when one of its commands has run.

#include <functional>

#include "framework/geometry.h"
#include "framework/menu_win.h"

namespace vl {

class TskMenuHost;
class TskSkinData;
class TWinControl;

class TskSkinPopupMenu : public TPopupMenu {
 public:
  explicit TskSkinPopupMenu(TComponent* owner);
  ~TskSkinPopupMenu() override;

  // The skin the popups draw from; none: the window's menus skin, else its own.
  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* skin_data);

  // Each opening shows nothing when the menu's window has no skinned frame, or when the menu has
  // no visible item.
  void Popup(int x, int y);
  // Below `rect` (screen coordinates), or above it when `popup_up`.
  void PopupUnder(const TRect& rect, bool popup_up);
  // For `control` at (x, y): the control receives SKN_CLOSEMENUS and SKN_POPUPCOMMAND; nothing
  // shows without skin data.
  void PopupForControl(TWinControl& control, int x, int y);

  // Where the menu was last opened (screen coordinates).
  TPoint PopupPoint() const { return popup_point_; }
  // The chain this menu opened is still open.
  bool Showing() const { return showing_; }

  std::function<void()> OnPopup;
  std::function<void()> OnMenuClose;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void Show(TWinControl* asker, const TRect& anchor, bool popup_up, bool needs_skin);
  void Closed();
  void WatchHost(TskMenuHost* host);

  TskSkinData* skin_data_ = nullptr;
  TPoint popup_point_;
  bool showing_ = false;
  TskMenuHost* host_ = nullptr;
  TComponent* host_component_ = nullptr;
};

}  // namespace vl
