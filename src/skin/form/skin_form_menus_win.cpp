// The skinned frame's menus: the system menu as a skinned popup, the window's menu state
// (a skin menu open, keyboard menu mode) and the application hook that routes keys to the open
// popups and to the linked menu bar while a menu is open, so no key reaches the focused control
// meanwhile and the platform's own menu loop never starts.
#include <windowsx.h>

#include <cwctype>

#include "framework/application_win.h"
#include "framework/text_win.h"
#include "skin/controls/skin_menu_win.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_messages.h"
#include "skin/form/skin_form_win.h"

namespace vl {
namespace {

bool IsWheel(UINT msg) {
  return msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL;
}

bool IsKey(UINT msg) {
  return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP;
}

// The character a key types without modifiers, in lower case; 0 for keys that type none
// (Enter and Esc included: no caption has them as its accelerator).
wchar_t KeyChar(WPARAM key) {
  const UINT ch = MapVirtualKeyW(UINT(key), MAPVK_VK_TO_CHAR) & 0x7FFFFFFF;
  return ch >= 0x20 ? wchar_t(std::towlower(wchar_t(ch))) : 0;
}

TShortCut ShortCutOf(const MSG& msg) {
  return {unsigned(msg.wParam), GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0,
          AltHeld(msg)};
}

}  // namespace

void TskSkinForm::ApplyMenuSettings() {
  TskSkinMenu& menu = *skin_menu_;
  if (DefMenuItemHeight >= 1) menu.DefMenuItemHeight = DefMenuItemHeight;
  menu.DefMenuItemFont = DefMenuItemFont;
  menu.UseSkinFont = UseSkinFontInMenu;
  if (MaxMenuItemsInWindow >= 0) menu.MaxMenuItemsInWindow = MaxMenuItemsInWindow;
  menu.AlphaBlend = MenusAlphaBlend;
  menu.AlphaBlendAnimation = MenusAlphaBlendAnimation;
  menu.AlphaBlendValue = MenusAlphaBlendValue;
}

void TskSkinForm::ShowMenuChain(TWinControl* asker, TskSkinData* skin_data, bool popup_up,
                                const std::vector<TMenuItem*>& items, const TRect& anchor) {
  ApplyMenuSettings();
  skin_menu_->ShowChain(asker, skin_data, popup_up, items, anchor);
}

void TskSkinForm::CloseMenus() {
  skin_menu_->CloseAll();
}

bool TskSkinForm::MenusVisible() const {
  return skin_menu_->Visible();
}

bool TskSkinForm::MenuHookInstalled() const {
  return Application().HasMessageHook(this);
}

void TskSkinForm::InstallMenuHook() {
  if (MenuHookInstalled()) return;
  Application().InstallMessageHook(this, [this](MSG& msg) { return MenuHook(msg); });
}

void TskSkinForm::RemoveMenuHook() {
  Application().RemoveMessageHook(this);
}

void TskSkinForm::SkinMenuOpened() {
  if (!menu_mode_) InstallMenuHook();
  const bool was_open = skin_menu_open_;
  skin_menu_open_ = true;
  if (!was_open && OnSkinMenuOpen) OnSkinMenuOpen();
}

void TskSkinForm::SkinMenusClosed() {
  const bool was_open = skin_menu_open_;
  skin_menu_open_ = false;
  ReleaseMenuButton();
  RemoveMenuHook();
  if (was_open && OnSkinMenuClose) OnSkinMenuClose();
  if (menu_mode_) LeaveMenuMode();
}

void TskSkinForm::EnterMenuMode() {
  InstallMenuHook();
  if (menu_mode_) return;
  menu_mode_ = true;
  if (OnMainMenuEnter) OnMainMenuEnter();
}

void TskSkinForm::LeaveMenuMode() {
  if (!menu_mode_) return;
  menu_mode_ = false;
  skin_menu_->CloseFrom(0);
  skin_menu_open_ = false;
  if (MainMenuBar) MainMenuBar->LeaveMenuMode();
  RemoveMenuHook();
  if (OnMainMenuExit) OnMainMenuExit();
}

void TskSkinForm::ReleaseMenuButton() {
  TskSkinStdButtonObject* button = FindButton(TStdCommand::cmSysMenu);
  if (!button || !button->down) return;
  button->down = false;
  if (form_.HandleAllocated()) RepaintObject(*button);
}

// Before the window acts on a press, a move, a size change or a change of activation, an open
// menu closes: the platform would close its own menus there too.
void TskSkinForm::CloseMenusBefore(UINT msg, WPARAM wparam) {
  switch (msg) {
    case WM_PARENTNOTIFY:
      // Only a press in a child window; a child being made or destroyed closes nothing.
      switch (LOWORD(wparam)) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
          break;
        default:
          return;
      }
      break;
    case WM_NCACTIVATE:
      if (wparam) return;
      break;
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      break;
    default:
      return;
  }
  if (menu_mode_ && !skin_menu_open_) {
    LeaveMenuMode();
  } else if (skin_menu_->Visible()) {
    skin_menu_->CloseAll();
  } else if (skin_menu_open_) {
    SkinMenusClosed();
  }
}

bool TskSkinForm::MenuHook(MSG& msg) {
  if (IsWheel(msg.message)) return true;
  // The menu key and Shift+F10 would open a context menu over the open one, freeing items
  // that are on screen.
  if (IsKey(msg.message) &&
      (msg.wParam == VK_APPS || (msg.wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0))) {
    return true;
  }
  if (msg.message == WM_CONTEXTMENU) return true;
  if (msg.message != WM_KEYDOWN) return false;
  MenuKey(msg.wParam);
  return true;
}

void TskSkinForm::MenuKey(WPARAM key) {
  const bool was_open = skin_menu_open_;
  TskMenuBarLink* bar = MainMenuBar;
  const int levels = skin_menu_->LevelCount();
  const wchar_t ch = KeyChar(key);
  if (menu_mode_ && bar && ch && bar->OpenByAccelerator(ch)) return;
  if (key == VK_ESCAPE && menu_mode_ && !skin_menu_open_) {
    LeaveMenuMode();
    return;
  }
  if (key == VK_LEFT && menu_mode_ && bar && levels <= 1) {
    bar->SelectPreviousItem();
    return;
  }
  if (key == VK_RIGHT && menu_mode_ && bar &&
      (levels == 0 || !skin_menu_->TopmostActiveHasChildren())) {
    bar->SelectNextItem();
    return;
  }
  if ((key == VK_RETURN || key == VK_DOWN) && menu_mode_ && bar && bar->OpenSelectedItem()) {
    return;
  }
  skin_menu_->KeyDown(key);
  if (key != VK_ESCAPE || !was_open || skin_menu_->Visible() || !skin_menu_open_) return;
  // Esc closed the last level: the window finishes what the popup began.
  if (menu_mode_) {
    skin_menu_open_ = false;
    if (bar) bar->PopupClosedInMenuMode();
    if (OnSkinMenuClose) OnSkinMenuClose();
  } else {
    SkinMenusClosed();
  }
}

bool TskSkinForm::ShortCut(const MSG& msg) {
  if (OnShortCut && OnShortCut(msg)) return true;
  if (!skinning_) return false;
  const WPARAM key = msg.wParam;
  const bool alt = AltHeld(msg);
  if (alt && key == VK_SPACE) {
    ShowSystemMenuUnderButton();
    return true;
  }
  TskMenuBarLink* bar = MainMenuBar;
  if (!bar) return false;
  const wchar_t ch = KeyChar(key);
  if (alt && key != VK_F4 && ch && bar->HasAccelerator(ch)) return bar->OpenByAccelerator(ch);
  const TShortCut shortcut = ShortCutOf(msg);
  TMenuItem* found = bar->BarMenu() ? bar->BarMenu()->FindShortCut(shortcut) : nullptr;
  if (!found && bar->OpenItem()) {
    for (TMenuItem* item : bar->OpenItem()->Items()) {
      if (item->Visible() && item->Enabled() && !item->ShortCut.Empty() &&
          item->ShortCut == shortcut) {
        found = item;
        break;
      }
    }
  }
  if (!found) return false;
  found->Click();
  return true;
}

void TskSkinForm::KeyMenu() {
  if (menu_mode_) {
    LeaveMenuMode();
    return;
  }
  if (skin_menu_->Visible()) skin_menu_->CloseAll();
  if (MainMenuBar) MainMenuBar->EnterMenuModeFromKeyboard();
}

// The system menu.

std::vector<TMenuItem*> TskSkinForm::SystemMenuItems() {
  if (!system_menu_) system_menu_ = new TPopupMenu(this);
  while (!system_menu_->Items().empty()) delete system_menu_->Items().back();
  const bool minimized = window_state_ == TskWindowState::wsMinimized;
  const bool maximized = window_state_ == TskWindowState::wsMaximized;
  auto add = [this](const char* name, const char* text_name, std::function<void()> action) {
    auto* item =
        new TMenuItem(system_menu_, system_menu_, SkinResourceText(MenusSkinData(), text_name));
    item->SetName(name);
    item->OnClick = std::move(action);
    return item;
  };
  bool any = false;
  if (border_icons_.minimize && !minimized) {
    add("BSF_MINITEM", "MI_MINCAPTION", [this] { SetWindowState(TskWindowState::wsMinimized); });
    any = true;
  }
  if (border_icons_.maximize && !maximized) {
    add("BSF_MAXITEM", "MI_MAXCAPTION", [this] { SetWindowState(TskWindowState::wsMaximized); });
    any = true;
  }
  if (window_state_ != TskWindowState::wsNormal || rolled_up_) {
    add("BSF_RESTORE", "MI_RESTORECAPTION", [this] {
      if (rolled_up_while_maximized_ || (rolled_up_ && window_state_ == TskWindowState::wsNormal)) {
        SetRolledUp(false);
      } else {
        SetWindowState(TskWindowState::wsNormal);
      }
    });
    any = true;
  }
  if (border_icons_.roll_up && !rolled_up_ && !minimized) {
    add("BSF_ROLLUP", "MI_ROLLUPCAPTION", [this] { SetRolledUp(true); });
    any = true;
  }
  if (border_icons_.minimize_to_tray) {
    // Without a tray icon the tray item has nothing to do.
    add("BSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", [] {});
    any = true;
  }
  if (any) new TMenuItem(system_menu_, system_menu_, "-");
  TMenuItem* close = add("BSF_CLOSE", "MI_CLOSECAPTION", [this] { form_.Close(); });
  close->ShortCut = {VK_F4, false, false, true};
  return system_menu_->VisibleItems();
}

void TskSkinForm::ShowSystemMenuUnder(const TRect& screen_rect) {
  if (skin_menu_->Visible()) skin_menu_->CloseAll();
  const std::vector<TMenuItem*> items = SystemMenuItems();
  SkinMenuOpened();
  ShowMenuChain(nullptr, MenusSkinData(), false, items, screen_rect);
  // A chain that could not open leaves no menu state behind.
  if (!skin_menu_->Visible()) SkinMenusClosed();
}

void TskSkinForm::ShowSystemMenuAt(TPoint screen) {
  ShowSystemMenuUnder({screen.x, screen.y, screen.x, screen.y});
}

void TskSkinForm::ShowSystemMenuUnderButton() {
  TskSkinStdButtonObject* button = FindButton(TStdCommand::cmSysMenu);
  if (button && !DisableSystemMenu) ShowSystemMenuUnderObject(*button);
}

void TskSkinForm::ShowSystemMenuUnderObject(const TskActiveSkinObject& object) {
  const TRect window = WindowBounds();
  ShowSystemMenuUnder(object.rect.Offset(window.left, window.top));
}

}  // namespace vl
