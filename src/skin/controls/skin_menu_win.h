#pragma once
// The popup controller of one skinned window: it owns the chain of open popup levels (the first
// level, and a sub-menu level for every open sub-menu), opens and closes levels, runs chosen
// items and routes keys to the topmost popup. The window's skinned frame owns one.

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/font_win.h"
#include "framework/geometry.h"
#include "framework/timer_win.h"
#include "skin/controls/menu_session_win.h"

namespace vl {

class TComponent;
class TMenuItem;
class TWinControl;
class TskSkinData;
class TskSkinPopupWindow;

class TskSkinMenu : public TskMenuChain {
 public:
  // `window` is the skinned window the chains belong to; it receives SKN_CLOSEMENUS when a
  // chain is closed all at once.
  explicit TskSkinMenu(TWinControl& window);
  ~TskSkinMenu() override;
  TskSkinMenu(const TskSkinMenu&) = delete;
  TskSkinMenu& operator=(const TskSkinMenu&) = delete;

  // The menus' settings, read whenever a level opens: a change shows on the next menu.
  int DefMenuItemHeight = 20;
  TFont DefMenuItemFont{"Arial", 14, 0, GetSysColor(COLOR_WINDOWTEXT)};
  bool UseSkinFont = true;
  int MaxMenuItemsInWindow = 0;
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 200;

  // Closes any open chain and opens the first level with the visible `items` at `anchor` (screen
  // coordinates; a zero-size rectangle for a point), above the anchor when `popup_up`. `asker`
  // (may be null) receives SKN_CLOSEMENUS when the chain ends and SKN_POPUPCOMMAND after one of
  // its commands ran; `once_close` becomes OnceClose. Nothing opens without a visible item.
  void ShowChain(TWinControl* asker, TskSkinData* skin_data, bool popup_up,
                 const std::vector<TMenuItem*>& items, const TRect& anchor,
                 std::function<void()> once_close = nullptr) override;
  // Closes levels `level` and deeper; closing level 0 ends the chain.
  void CloseFrom(int level) override;
  // Ends the chain and tells the window (SKN_CLOSEMENUS). Does nothing when no chain is open.
  void CloseAll() override;
  bool Visible() const override;
  int LevelCount() const override;
  TskSkinPopupWindow* Level(int level) const;
  TskSkinPopupWindow* Topmost() const;
  // A key for the topmost popup (from the window's application message hook); true when a
  // popup took it.
  bool KeyDown(WPARAM key) override;
  // The topmost popup's active item has a sub-menu.
  bool TopmostActiveHasChildren() const override;

  // Fired once when the current chain ends, then cleared.
  std::function<void()> OnceClose;

  // What the popups of the chain report.
  // An item was clicked, or chosen with Enter, Right or its accelerator.
  void ItemActivated(TskSkinPopupWindow& popup, int index);
  // The pointer or a key moved the highlight onto an item.
  void ItemEntered(TskSkinPopupWindow& popup, int index, bool by_pointer);
  void ItemLeft(TskSkinPopupWindow& popup, int index);

  TWinControl& Window() const { return window_; }
  TskSkinData* ChainSkinData() const { return skin_data_; }
  // The control that asked for the open chain, while it exists.
  TWinControl* Asker() const;
  // The sub-menu wait is running.
  bool Waiting() const;

 private:
  class AskerLink;
  void OpenLevel(const std::vector<TMenuItem*>& items, const TRect& anchor, bool sub_menu,
                 bool popup_up);
  void StopWait();
  void WaitElapsed();
  int LevelOf(const TskSkinPopupWindow& popup) const;

  TWinControl& window_;
  std::vector<std::unique_ptr<TskSkinPopupWindow>> popups_;
  TskSkinData* skin_data_ = nullptr;
  TRect work_area_;
  bool visible_ = false;
  std::shared_ptr<AskerLink> asker_;
  TTimer wait_timer_;
  TskSkinPopupWindow* waiting_popup_ = nullptr;
  int waiting_index_ = -1;
};

}  // namespace vl
