// The skinned frame's menus: the system menu as a skinned popup, the window's shortcuts and
// accelerators, and the messages that end the menu session (controls/menu_session_win.h, which
// keeps the menu state and routes keys to the open popups and the bar).
#include <windowsx.h>

#include "framework/application_win.h"
#include "framework/text_win.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_messages.h"
#include "skin/form/skin_form_win.h"

namespace vl {
namespace {

TShortCut ShortCutOf(const MSG& msg) {
  return {unsigned(msg.wParam), GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0,
          AltHeld(msg)};
}

}  // namespace

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
  menu_session_.End();
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
  TskMenuBarLink* bar = MainMenuBar();
  if (!bar) return false;
  const wchar_t ch = MenuKeyChar(key);
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
  // The open chain goes before its items are built again.
  menu_session_.CloseChain();
  menu_session_.OpenPopup(nullptr, MenusSkinData(), false, SystemMenuItems(), screen_rect);
}

void TskSkinForm::ShowSystemMenuAt(TPoint screen) {
  ShowSystemMenuUnder({screen.x, screen.y, screen.x, screen.y});
}

void TskSkinForm::ShowSystemMenuUnderButton() {
  if (TskSkinStdButtonObject* button = FindButton(TStdCommand::cmSysMenu)) {
    OpenSystemMenuUnder(*button);
  }
}

void TskSkinForm::OpenSystemMenuUnder(const TskActiveSkinObject& object) {
  if (disable_system_menu_) return;
  // A glow left around the button would show over the menu.
  HideGlowFrames();
  const TRect window = WindowBounds();
  ShowSystemMenuUnder(object.rect.Offset(window.left, window.top));
}

void TskSkinForm::CloseFromSystemMenu() {
  menu_session_.End();
  form_.Close();
}

}  // namespace vl
