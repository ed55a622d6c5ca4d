#pragma once
// The menu session of one skinned window: whether a skinned popup chain is open, whether the
// window's menu bar is selected from the keyboard (menu mode), and the application message hook
// that routes keys to the open popups and to the bar meanwhile. Every opener, every closer and
// the frame ask the session; nobody else keeps a flag of it.
//
// Its four states and how they are left:
//   closed        -> popup open (OpenPopup), bar selected (SelectBar), popup from the bar
//                    (OpenFromBar)
//   bar selected  -> popup from the bar (OpenFromBar), closed (LeaveBar, End)
//   popup open    -> closed (the chain ends, End), popup from the bar (OpenFromBar)
//   popup from the bar -> bar selected (Esc on the last level), closed (End, LeaveBar, the
//                    chain ends), popup open (OpenPopup: a context menu over the bar's menu)
// A chain that ends by itself (a command chosen, a press elsewhere) reaches the window as
// SKN_CLOSEMENUS, which the window hands to ChainEnded.

#include <windows.h>

#include <functional>
#include <vector>

#include "framework/geometry.h"

namespace vl {

class TMenuItem;
class TWinControl;
class TskMenuBarLink;
class TskSkinData;

// The open levels of popups: the window's popup controller (TskSkinMenu).
class TskMenuChain {
 public:
  virtual ~TskMenuChain() = default;
  // Closes any open chain and opens the first level with the visible `items`; nothing opens
  // without one. `once_close` runs when this chain ends.
  virtual void ShowChain(TWinControl* asker, TskSkinData* skin_data, bool popup_up,
                         const std::vector<TMenuItem*>& items, const TRect& anchor,
                         std::function<void()> once_close) = 0;
  // Closes levels `level` and deeper without telling the window.
  virtual void CloseFrom(int level) = 0;
  // Ends the chain and tells the window (SKN_CLOSEMENUS).
  virtual void CloseAll() = 0;
  virtual bool Visible() const = 0;
  virtual int LevelCount() const = 0;
  virtual bool KeyDown(WPARAM key) = 0;
  virtual bool TopmostActiveHasChildren() const = 0;
};

// The character a key types without modifiers, in lower case; 0 for keys that type none (Enter
// and Esc included: no caption has them as its accelerator).
wchar_t MenuKeyChar(WPARAM key);

enum class TskMenuState { kClosed, kBarSelected, kPopupOpen, kPopupFromBar };

class TskMenuSession {
 public:
  explicit TskMenuSession(TskMenuChain& chain);
  ~TskMenuSession();
  TskMenuSession(const TskMenuSession&) = delete;
  TskMenuSession& operator=(const TskMenuSession&) = delete;

  TskMenuState State() const;
  // A popup chain opened by a session opener is open (it may have closed by itself since).
  bool PopupOpen() const { return popup_open_; }
  // The menu bar is selected from the keyboard (menu mode).
  bool BarSelected() const { return bar_selected_; }
  // A chain is on screen.
  bool Visible() const { return chain_.Visible(); }
  bool HookInstalled() const;

  // The menu bar the keys drive; null for none.
  TskMenuBarLink* Bar() const { return bar_; }
  void SetBar(TskMenuBarLink* bar) { bar_ = bar; }

  // The open chain closes and, through the window, ends the popup state.
  void CloseChain();
  // Opens a popup chain (a popup menu, the system menu, the bar's overflow menu) in place of any
  // open one; false when nothing opened, and then no menu state is left behind.
  bool OpenPopup(TWinControl* asker, TskSkinData* skin_data, bool popup_up,
                 const std::vector<TMenuItem*>& items, const TRect& anchor,
                 std::function<void()> once_close = nullptr);
  // Opens the menu of a bar item, with the bar selected; false when nothing opened (the bar stays
  // selected). The bar closes the open chain itself first (CloseChain), since that ends menu
  // mode and so clears the bar, before it marks the item it opens.
  bool OpenFromBar(TskSkinData* skin_data, bool popup_up, const std::vector<TMenuItem*>& items,
                   const TRect& anchor);
  // Selects the bar (menu mode on); the main-menu-enter event fires the first time.
  void SelectBar();
  // Leaves menu mode: any chain closes and nothing of the bar stays selected.
  void LeaveBar();
  // The open chain ended and told the window (SKN_CLOSEMENUS).
  void ChainEnded();
  // Whatever is open closes: before the window acts on a press, a move or a change of
  // activation, before a bar command runs, before the popups' items are freed.
  void End();
  // F10 or Alt alone: menu mode toggles; turning it on closes an open chain and selects the bar.
  void ToggleBarFromKeyboard();

  // The hook's filter: keys go to the popups and the bar, the wheel and context menus are
  // dropped. True takes the message.
  bool FilterMessage(MSG& msg);
  // Takes the place of FilterMessage as the hook while set (a stand-in window in tests wraps it).
  std::function<bool(MSG&)> HookFilter;

  std::function<void()> OnPopupOpen;
  std::function<void()> OnPopupClose;
  std::function<void()> OnBarEnter;
  std::function<void()> OnBarExit;
  // The chain ended, whether or not the session had opened it.
  std::function<void()> OnChainEnd;

 private:
  void PopupOpened();
  // The popup state ends; the hook goes unless menu mode holds it.
  void PopupClosed();
  void InstallHook();
  void RemoveHook();
  void Key(WPARAM key);

  TskMenuChain& chain_;
  TskMenuBarLink* bar_ = nullptr;
  bool popup_open_ = false;
  bool bar_selected_ = false;
};

}  // namespace vl
