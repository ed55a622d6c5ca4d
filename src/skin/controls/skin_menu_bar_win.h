#pragma once
// The skinned menu bar: the top-level items of a main menu drawn from the skin's `mainmenubar`
// section and its item object, with the default look (system colours) without one. It opens
// the items' menus as skinned popups through the window's menu host only, so the bar never
// depends on the frame; a bar without a host highlights its items and does nothing else. Items
// that do not fit are hidden behind an arrow strip at the right end, whose menu lists them.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/menu_bar_layout.h"
#include "skin/controls/menu_host.h"
#include "skin/controls/pointer_host_win.h"
#include "skin/controls/skin_control_win.h"
#include "skin/paint/effect_steps.h"

namespace vl {

class TMainMenu;
class TMenuItem;
class TskDataSkinMainMenuItem;
class TskMenuHost;
class TskSkinMainMenuBar;

// One item of the bar, standing for one visible top-level menu item.
class TskSkinMainMenuBarItem {
 public:
  TskSkinMainMenuBarItem(const TskSkinMainMenuBar& bar, TMenuItem* item)
      : bar_(bar), menu_item_(item) {}

  TMenuItem* MenuItem() const { return menu_item_; }
  const std::string& IDName() const { return id_name_; }
  const TRect& Rect() const { return slot_.rect; }
  // Lit: the pointer or the keyboard selects it (the bar's pointer host hovers it).
  bool Hot() const;
  bool Down() const { return down_; }
  bool Enabled() const { return slot_.enabled; }
  bool Fits() const { return slot_.fits; }
  bool HasChildren() const;
  double MorphFactor() const { return morph_.Value(); }
  int AnimationFrame() const { return frame_; }

 private:
  friend class TskSkinMainMenuBar;
  const TskSkinMainMenuBar& bar_;
  TMenuItem* menu_item_;
  std::string id_name_;
  int text_width_ = 0;
  TskBarSlot slot_;
  bool down_ = false;
  TskMorphFactor morph_;
  int frame_ = 0;
};

class TskSkinMainMenuBar : public TskSkinControl, public TskMenuBarLink, private TskPointerObjects {
 public:
  explicit TskSkinMainMenuBar(TComponent* owner);
  ~TskSkinMainMenuBar() override;

  TMainMenu* MainMenu() const { return main_menu_; }
  // Rebuilds the items and repaints.
  void SetMainMenu(TMainMenu* menu);
  // The host set here, else the one among the components of the bar's owner (or its owner's
  // owner); null when there is none.
  TskMenuHost* SkinForm() const;
  void SetSkinForm(TskMenuHost* host);
  bool ScrollMenu() const { return scroll_menu_; }
  void SetScrollMenu(bool on);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool on);
  TFont& DefItemFont() { return def_item_font_; }
  int DefaultHeight() const { return default_height_; }
  void SetDefaultHeight(int height);
  bool PopupToUp = false;
  std::function<void(TMenuItem*)> OnItemMouseEnter;
  std::function<void(TMenuItem*)> OnItemMouseLeave;
  // The hint of the item the pointer or the keyboard entered last.
  const std::wstring& Hint() const { return hint_; }

  const std::vector<std::unique_ptr<TskSkinMainMenuBarItem>>& Items() const { return items_; }
  TRect ItemsArea() const { return items_area_; }
  // Some item does not fit; with ScrollMenu the overflow strip is shown.
  bool Overflow() const { return overflow_; }
  TRect OverflowStripRect() const { return OverflowStrip(items_area_); }
  bool OverflowMarkerHot() const { return marker_hot_; }
  bool SelectionKept() const { return host_.HoverKept(); }
  // The item the hover test settled on, or -1.
  int HoveredIndex() const { return host_.Hovered(); }
  const TskSkinMainMenuBarItem* HoveredItem() const { return ItemAt(host_.Hovered()); }
  bool PointerTracking() const { return host_.Polling(); }
  bool Morphing() const { return host_.EffectRunning(TskEffectTimer::kMorph); }
  bool Animating() const { return host_.EffectRunning(TskEffectTimer::kAnimation); }

  // The keyboard side, called by the window's frame while the bar is linked to it. Each one that
  // returns a flag reports a key as handled only when it pressed an item.
  bool OpenByAccelerator(wchar_t key) override;
  bool HasAccelerator(wchar_t key) const override;
  void SelectNextItem() override;
  void SelectPreviousItem() override;
  bool OpenSelectedItem() override;
  void EnterMenuModeFromKeyboard() override;
  // The host's chain closed while menu mode stays on: the open item stays selected, drawn up.
  void PopupClosedInMenuMode() override;
  // Menu mode ended (a command, a click elsewhere, Esc twice): nothing stays selected.
  void LeaveMenuMode() override;
  TMenu* BarMenu() const override;
  TMenuItem* OpenItem() const override;

  void BeforeApplySkinData() override;
  void ApplySkinData() override;
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  void Paint(HDC dc) override;
  void MouseEnter() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Resized() override;

 private:
  const TskDataSkinMainMenuItem* ItemObject() const;
  bool HasSection() const;
  TskMenuBarFrame Frame() const;
  TskBarItemFrame ItemFrame() const;
  TFont ItemFont() const;
  void RebuildItems();
  void FreeItems();
  void ApplyHeight();
  void MeasureItems();
  void Layout();
  void DrawBar(HDC dc);
  void DrawItem(TBitmap& bitmap, const TskSkinMainMenuBarItem& item);
  void DrawDefaultItem(TBitmap& bitmap, const TskSkinMainMenuBarItem& item);
  void DrawMarker(TBitmap& bitmap);
  void RepaintItem(const TskSkinMainMenuBarItem& item);

  TskSkinMainMenuBarItem* ItemAt(int index) const;
  int IndexOf(const TskSkinMainMenuBarItem* item) const;
  std::vector<TskBarPick> Picks() const;
  int HitTest(TPoint point) const;
  void HoverTest(const TPoint* point);
  void Press(TPoint point, TskMouseButton button);

  // The items are the host's objects, numbered as in Items(); the host's pointer poll is the
  // bar's pointer tick, and its two effect timers step the items' morphs and animations.
  int ObjectCount() const override { return int(items_.size()); }
  void ObjectEnter(int index) override;
  void ObjectLeave(int index) override;
  void ObjectPress(int index, TskMouseButton button) override;
  void PollPointer() override;
  TskEffectStep StepObject(TskEffectTimer timer, int index) override;
  void RepaintObject(int index) override;
  void EffectStopped(TskEffectTimer timer) override;

  void ItemMouseEnter(TskSkinMainMenuBarItem& item);
  void ItemMouseLeave(TskSkinMainMenuBarItem& item);
  void ItemMouseDown(TskSkinMainMenuBarItem& item, TskMouseButton button);
  void OpenItemMenu(TskSkinMainMenuBarItem& item);
  // Hovers the item (telling it) unless it is hovered already; true when it was not.
  bool HoverAgain(TskSkinMainMenuBarItem& item);
  void OpenOverflowMenu();
  void Select(int index);
  TRect ScreenRect(const TRect& r) const;

  bool MorphOn() const;
  bool AnimationOn() const;
  void StartEffects();
  void StopTimers();

  TMainMenu* main_menu_ = nullptr;
  TskMenuHost* skin_form_ = nullptr;
  bool scroll_menu_ = true;
  bool use_skin_font_ = true;
  TFont def_item_font_{"Arial", 14};
  int default_height_ = 22;
  std::wstring hint_;

  std::vector<std::unique_ptr<TskSkinMainMenuBarItem>> items_;
  TRect items_area_;
  bool overflow_ = false;
  bool marker_hot_ = false;
  bool erased_ = false;
  TskPointerHost host_{*this};
};

}  // namespace vl
