#pragma once
// What a window's skinned frame offers the skinned menus that open over the window: its popup
// controller, the skin the menus draw from, and the window's menu state. The frame implements
// it; the menus find it among the components of the form they belong to, so the controls
// never depend on the frame itself.

#include <vector>

#include "framework/geometry.h"

namespace vl {

class TComponent;
class TMenu;
class TMenuItem;
class TWinControl;
class TskSkinData;
class TskSkinMenu;

// The keyboard side of a menu bar that a window drives: the frame's MainMenuBar.
class TskMenuBarLink {
 public:
  virtual ~TskMenuBarLink() = default;
  // The item whose caption has `key` as its accelerator opens; true when one did.
  virtual bool OpenByAccelerator(wchar_t key) = 0;
  // An enabled, visible item of the bar has `key` as its accelerator.
  virtual bool HasAccelerator(wchar_t key) const = 0;
  virtual void SelectNextItem() = 0;
  virtual void SelectPreviousItem() = 0;
  // Opens the selected item from the keyboard; true when it did.
  virtual bool OpenSelectedItem() = 0;
  virtual void EnterMenuModeFromKeyboard() = 0;
  virtual void PopupClosedInMenuMode() = 0;
  virtual void LeaveMenuMode() = 0;
  // The menu the bar shows, and the item whose menu is open now; either may be null.
  virtual TMenu* BarMenu() const = 0;
  virtual TMenuItem* OpenItem() const = 0;
};

class TskMenuHost {
 public:
  virtual ~TskMenuHost() = default;

  // The window's popup controller (one per window).
  virtual TskSkinMenu& SkinMenu() = 0;
  // The skin menus of this window draw from: the frame's menus skin, else its own skin; may be
  // null.
  virtual TskSkinData* MenusSkinData() const = 0;

  // The popup controller's show chain and close all, for openers that need nothing else of it
  // (the menu bar); see TskSkinMenu.
  virtual void ShowMenuChain(TWinControl* asker, TskSkinData* skin_data, bool popup_up,
                             const std::vector<TMenuItem*>& items, const TRect& anchor) = 0;
  virtual void CloseMenus() = 0;
  virtual bool MenusVisible() const = 0;

  // Called by every opener just before a chain shows: installs the application message hook,
  // sets the skin-menu-open state.
  virtual void SkinMenuOpened() = 0;
  // The whole chain has closed: clears the skin-menu-open state, removes the hook unless menu
  // mode holds it, and leaves menu mode.
  virtual void SkinMenusClosed() = 0;
  virtual bool SkinMenuOpen() const = 0;
  virtual void ClearSkinMenuOpen() = 0;

  // Keyboard menu mode of the window's menu bar.
  virtual bool MenuMode() const = 0;
  // Sets menu mode on (the hook stays installed while it is on) and fires the main-menu-enter
  // event the first time.
  virtual void EnterMenuMode() = 0;
  virtual void LeaveMenuMode() = 0;

  // The host among the components of `owner`, else of the owner's owner; null when there is none.
  static TskMenuHost* Find(TComponent* owner);
};

}  // namespace vl
