#include "framework/menu_win.h"

#include <algorithm>

#include "framework/text_win.h"

namespace vl {
namespace {

std::vector<TMenuItem*> VisibleOf(const std::vector<TMenuItem*>& items) {
  std::vector<TMenuItem*> visible;
  for (TMenuItem* item : items) {
    if (item->Visible()) visible.push_back(item);
  }
  return visible;
}

TMenuItem* FindShortCutIn(const std::vector<TMenuItem*>& items, const TShortCut& shortcut) {
  for (TMenuItem* item : items) {
    if (!item->Visible() || !item->Enabled()) continue;
    if (!item->ShortCut.Empty() && item->ShortCut == shortcut) return item;
    if (TMenuItem* found = FindShortCutIn(item->Items(), shortcut)) return found;
  }
  return nullptr;
}

UINT NextCommand() {
  // Menu commands share one range with no control identifiers, which the program never uses.
  static UINT next = 100;
  return next++;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner, TMenu* menu, std::string_view caption_utf8)
    : TComponent(owner), caption_(Utf8ToWide(caption_utf8)), command_(NextCommand()), menu_(menu) {
  menu_->Add(this);
}

TMenuItem::TMenuItem(TComponent* owner, TMenuItem* parent, std::string_view caption_utf8)
    : TComponent(owner),
      caption_(Utf8ToWide(caption_utf8)),
      command_(NextCommand()),
      menu_(parent->menu_),
      parent_(parent) {
  parent_->items_.push_back(this);
}

TMenuItem::~TMenuItem() {
  for (TMenuItem* item : items_) item->parent_ = nullptr;
  if (parent_) parent_->Detach(this);
  if (menu_ && !parent_) menu_->Remove(this);
}

void TMenuItem::Detach(TMenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!container_) return;
  EnableMenuItem(container_, command_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

std::vector<TMenuItem*> TMenuItem::VisibleItems() const {
  return VisibleOf(items_);
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick();
}

void TMenuItem::AppendTo(HMENU menu) {
  if (!visible_) return;
  container_ = menu;
  if (caption_ == L"-") {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    return;
  }
  UINT flags = (enabled_ ? MF_ENABLED : MF_GRAYED) | (checked_ ? MF_CHECKED : MF_UNCHECKED);
  if (items_.empty()) {
    AppendMenuW(menu, MF_STRING | flags, command_, caption_.c_str());
    return;
  }
  submenu_ = CreatePopupMenu();
  for (TMenuItem* item : items_) item->AppendTo(submenu_);
  AppendMenuW(menu, MF_STRING | MF_POPUP | flags, reinterpret_cast<UINT_PTR>(submenu_),
              caption_.c_str());
}

void TMenuItem::Unbuild() {
  container_ = nullptr;
  submenu_ = nullptr;
  for (TMenuItem* item : items_) item->Unbuild();
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
  if (command == command_) return this;
  for (TMenuItem* item : items_) {
    if (TMenuItem* found = item->FindCommand(command)) return found;
  }
  return nullptr;
}

TMenu::~TMenu() {
  for (TMenuItem* item : items_) item->menu_ = nullptr;
}

void TMenu::Add(TMenuItem* item) {
  items_.push_back(item);
}

void TMenu::Remove(TMenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
}

void TMenu::Fill(HMENU menu) {
  for (TMenuItem* item : items_) item->AppendTo(menu);
}

void TMenu::Unbuild() {
  for (TMenuItem* item : items_) item->Unbuild();
}

std::vector<TMenuItem*> TMenu::VisibleItems() const {
  return VisibleOf(items_);
}

TMenuItem* TMenu::FindShortCut(const TShortCut& shortcut) const {
  return shortcut.Empty() ? nullptr : FindShortCutIn(items_, shortcut);
}

TMenuItem* TMenu::FindCommand(UINT command) {
  for (TMenuItem* item : items_) {
    if (TMenuItem* found = item->FindCommand(command)) return found;
  }
  return nullptr;
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindCommand(command);
  if (!item) return false;
  item->Click();
  return true;
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
  HMENU menu = CreatePopupMenu();
  Fill(menu);
  // Only the foreground window gets the menu dismissed by a click elsewhere.
  SetForegroundWindow(owner);
  UINT command = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0,
                                     owner, nullptr));
  DestroyMenu(menu);
  Unbuild();
  if (command) DispatchCommand(command);
}

}  // namespace vl
