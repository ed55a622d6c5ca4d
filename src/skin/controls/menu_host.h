#pragma once
// What a window's skinned frame offers the skinned menus that open over the window: its menu
// session and the skin the menus draw from. The frame implements
// it; the menus find it among the components of the form they belong to, so the controls
// never depend on the frame itself.

namespace vl {

class TComponent;
class TMenu;
class TMenuItem;
class TskMenuSession;
class TskSkinData;

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

  // The window's menu session: its popup chain, menu mode and the keys while a menu is open.
  virtual TskMenuSession& MenuSession() = 0;
  // The skin menus of this window draw from: the frame's menus skin, else its own skin; may be
  // null.
  virtual TskSkinData* MenusSkinData() const = 0;

  // The host among the components of `owner`, else of the owner's owner; null when there is none.
  static TskMenuHost* Find(TComponent* owner);
};

}  // namespace vl
