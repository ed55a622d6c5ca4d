#pragma once
// Menus: items with UTF-8 captions (kept as UTF-16), an enabled state and a click handler; the
// items of a form's menu bar (drawn by the skinned menu bar) and popup menus the platform shows.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/component.h"
#include "framework/menu_caption.h"

namespace vl {

class TMenu;

class TMenuItem : public TComponent {
 public:
  // An item of `menu` (top level) or of `parent` (a sub-item). A caption of "-" is a separator.
  TMenuItem(TComponent* owner, TMenu* menu, std::string_view caption_utf8);
  TMenuItem(TComponent* owner, TMenuItem* parent, std::string_view caption_utf8);
  ~TMenuItem() override;

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
  // The caption without its accelerator marks; the lower-case accelerator, or 0.
  std::wstring ShownCaption() const { return StripAccelerator(caption_); }
  wchar_t Accelerator() const { return AcceleratorOf(caption_); }
  bool IsSeparator() const { return IsSeparatorCaption(caption_); }
  UINT Command() const { return command_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Hidden items are left out of every menu that shows this item's level.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  // A checked radio item shows a dot instead of a check mark.
  bool RadioItem = false;
  TShortCut ShortCut;
  std::wstring ShortCutText() const { return ShortCutToText(ShortCut); }
  std::wstring Hint;
  const std::vector<TMenuItem*>& Items() const { return items_; }
  // The visible sub-items, in order.
  std::vector<TMenuItem*> VisibleItems() const;
  TMenuItem* Parent() const { return parent_; }

  // Runs OnClick as choosing the item does.
  void Click();
  std::function<void()> OnClick;

 private:
  friend class TMenu;
  void AppendTo(HMENU menu);
  void Unbuild();
  TMenuItem* FindCommand(UINT command);
  void Detach(TMenuItem* item);

  std::wstring caption_;
  UINT command_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  std::vector<TMenuItem*> items_;
  TMenu* menu_ = nullptr;
  TMenuItem* parent_ = nullptr;
  HMENU submenu_ = nullptr;    // while built, when the item has items
  HMENU container_ = nullptr;  // the menu this item was appended to, while built
};

class TMenu : public TComponent {
 public:
  using TComponent::TComponent;
  ~TMenu() override;

  const std::vector<TMenuItem*>& Items() const { return items_; }
  // The visible top-level items, in order.
  std::vector<TMenuItem*> VisibleItems() const;
  // The enabled, visible item (at any depth) with this short-cut, or null.
  TMenuItem* FindShortCut(const TShortCut& shortcut) const;
  TMenuItem* FindCommand(UINT command);
  // Runs the item with this command, if there is one; returns whether there was.
  bool DispatchCommand(UINT command);

 protected:
  friend class TMenuItem;
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  void Fill(HMENU menu);
  // Forgets the platform menu the items were appended to, once it is destroyed.
  void Unbuild();

  std::vector<TMenuItem*> items_;
};

// The items of a form's menu bar, which the skinned menu bar shows.
class TMainMenu : public TMenu {
 public:
  using TMenu::TMenu;
};

class TPopupMenu : public TMenu {
 public:
  using TMenu::TMenu;
  // Shows the menu at the screen point, waits for the choice and runs the chosen item.
  void Popup(int x, int y, HWND owner);
};

}  // namespace vl
