#pragma once
// One open level of a skinned popup menu: a topmost tool window that never takes activation or
// the focus, drawn from the skin's POPUPWINDOW section and its first menuitem object (or in the
// default look), tracking the pointer by polling and taking the keys its controller hands it.
//
// The items are the objects of a pointer host, which polls the pointer and steps their morphs
// and animations. The highlight is the popup's own: the pointer moves it, and so do the keys.

#include <windows.h>

#include <vector>

#include "framework/control_win.h"
#include "framework/font_win.h"
#include "framework/pixel_bitmap.h"
#include "framework/timer_win.h"
#include "skin/controls/pointer_host_win.h"
#include "skin/controls/popup_layout.h"
#include "skin/paint/skin_geometry.h"

namespace vl {

class TBitmap;
class TMenuItem;
class TskDataSkinMenuItem;
class TskDataSkinPopupWindow;
class TskSkinData;
class TskSkinMenu;
class TskSkinPopupWindow;

// The layout record of one item of an open popup.
class TskSkinMenuItem {
 public:
  explicit TskSkinMenuItem(TMenuItem& item) : item_(&item) {}

  TMenuItem& MenuItem() const { return *item_; }
  // Can be highlighted and pressed.
  bool Selectable() const;
  bool HasChildren() const;
  bool IsSeparator() const;
  // A disabled item whose caption starts and ends with "-".
  bool IsHeader() const;

  TRect rect;         // popup coordinates; empty outside the visible range
  bool down = false;  // its sub-menu is open
  bool keyboard_initial = false;
  TskItemEffect effect;

 private:
  TMenuItem* item_;
};

class TskSkinPopupWindow : public TCustomControl, private TskPointerObjects {
 public:
  // `level` is the popup's place in its controller's chain; `items` are the visible items it
  // shows, in order.
  TskSkinPopupWindow(TskSkinMenu& controller, int level, TskSkinData* skin_data,
                     std::vector<TMenuItem*> items);
  ~TskSkinPopupWindow() override;

  // Sizes the popup against `work_area`, places it at `anchor` (screen coordinates), shows it
  // without activation and highlights the first selectable item.
  void Open(const TRect& anchor, bool sub_menu, bool popup_up, const TRect& work_area);
  // Stops every timer and destroys the window; the object stays valid until its owner frees it.
  void ClosePopup();

  int Level() const { return level_; }
  bool Skinned() const { return skinned_; }
  int ItemCount() const { return int(items_.size()); }
  TskSkinMenuItem& Item(int index) { return items_[std::size_t(index)]; }
  const TskSkinMenuItem& Item(int index) const { return items_[std::size_t(index)]; }
  // The highlighted item, or -1.
  int ActiveIndex() const { return host_.Hovered(); }
  // The highlighted item or the one whose sub-menu is open: drawn and stepped towards its
  // active look.
  bool Lit(int index) const { return index == ActiveIndex() || Item(index).down; }
  // The items' morphs or animations are still stepping.
  bool EffectsRunning() const { return host_.EffectRunning(TskEffectTimer::kMorph); }
  TskSkinMenuItem* ActiveItem() {
    return ActiveIndex() >= 0 ? &items_[std::size_t(ActiveIndex())] : nullptr;
  }
  bool Overflowing() const { return size_.overflowing; }
  bool Limited() const { return size_.limited; }
  int FirstVisible() const { return layout_.first_visible; }
  int VisibleCount() const { return layout_.visible_count; }
  // 0 none, 1 the up marker scrolls, 2 the down marker scrolls.
  int ScrollCode() const { return scroll_code_; }
  TRect ItemsRect() const { return items_rect_; }
  TRect UpMarker() const;
  TRect DownMarker() const;
  // An item's rectangle on the screen.
  TRect ItemScreenRect(int index) const;

  // The key from the controller; true when the popup took it.
  bool KeyDown(WPARAM key);
  // What the pointer does at a point of the popup (popup coordinates): the markers and the
  // highlight follow it.
  void HoverAt(TPoint at);
  // A left-button release at a point of the popup.
  void ReleaseAt(TPoint at);

  // The item lost its down state (its sub-menu closed).
  void ClearDown();
  // Draws one item straight onto the window.
  void RepaintItem(int index);

 protected:
  void CreateParams(TCreateParams& params) override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  void Paint(HDC dc) override;

 private:
  void ReadSkin();
  bool Morphing() const;
  bool Animating() const;
  void StartEffects();
  PixelBitmap ItemBackground(const TskSkinMenuItem& item, int width) const;
  void Measure(const TRect& work_area);
  void Relayout();
  void ApplyRegion();
  void StopTimers();
  void ScrollTick();
  void StopScrolling();
  void RepaintMarkers();
  void MoveByKey(bool down);
  // The keys move the highlight through the host as the pointer does, so that an item the
  // pointer enters takes it from whichever item holds it.
  void HighlightByKey(int index);
  void EnterItem(int index, bool by_pointer);
  void LeaveItem(int index);
  bool Lit(const TskSkinMenuItem& item) const;
  // The host's objects are the items. Its hovered item is the highlighted one, lit by the
  // pointer or by a key.
  int ObjectCount() const override { return ItemCount(); }
  void ObjectEnter(int index) override { EnterItem(index, !highlighting_by_key_); }
  void ObjectLeave(int index) override { LeaveItem(index); }
  void PollPointer() override;
  TskEffectStep StepObject(TskEffectTimer timer, int index) override;
  void RepaintObject(int index) override { RepaintItem(index); }
  void PressItem(int index);
  int ItemAt(TPoint at) const;
  TFont ItemFont() const;
  void WriteItemText(TBitmap& target, const TskSkinMenuItem& item, const TRect& r, COLORREF colour,
                     const TRect& caption, const TRect& shortcut) const;
  COLORREF TextColor(const TskSkinMenuItem& item) const;
  PixelBitmap SkinnedFrame(bool draw_client) const;
  void DrawFrame(TBitmap& target) const;
  void DrawItem(TBitmap& target, int index, int x, int y) const;
  void DrawSkinnedItem(TBitmap& target, const TskSkinMenuItem& item, const TRect& r) const;
  // A header in the look of the skin's menu-header section, or of its label section; false
  // when the skin has neither to draw from.
  bool DrawHeader(TBitmap& target, const TskSkinMenuItem& item, const TRect& r) const;
  void DrawDefaultItem(TBitmap& target, const TskSkinMenuItem& item, const TRect& r) const;
  void DrawMarkers(TBitmap& target) const;

  TskSkinMenu& controller_;
  int level_;
  TskSkinData* skin_data_;
  std::vector<TskSkinMenuItem> items_;
  const TskDataSkinPopupWindow* popup_skin_ = nullptr;
  const TskDataSkinMenuItem* item_skin_ = nullptr;
  const PixelBitmap* window_picture_ = nullptr;
  const PixelBitmap* mask_picture_ = nullptr;
  const PixelBitmap* item_picture_ = nullptr;
  bool skinned_ = false;
  TskPopupMetrics metrics_;
  TskPopupSize size_;
  TRect items_rect_;
  TskItemsLayout layout_;
  std::vector<int> heights_;
  bool highlighting_by_key_ = false;
  int scroll_code_ = 0;
  TTimer scroll_timer_;
  // The frame behind the items, for a skin whose normal items let it show through.
  PixelBitmap background_;
  TskPointerHost host_{*this};
};

}  // namespace vl
