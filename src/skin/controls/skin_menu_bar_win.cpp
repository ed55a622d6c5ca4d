#include "skin/controls/skin_menu_bar_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "framework/menu_win.h"
#include "skin/controls/menu_host.h"
#include "skin/controls/menu_session_win.h"
#include "skin/data/skin_controls.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_objects.h"
#include "skin/paint/effect_steps.h"
#include "skin/paint/effects.h"
#include "skin/paint/fitting.h"
#include "skin/paint/glyphs.h"
#include "skin/paint/parent_background_win.h"
#include "skin/paint/paint_win.h"
#include "skin/paint/default_look.h"

namespace vl {
namespace {

constexpr unsigned kMorphMilliseconds = 25;

TskMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      return TskMouseButton::kLeft;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
      return TskMouseButton::kRight;
    default:
      return TskMouseButton::kMiddle;
  }
}

TRect BarItemFrameRect(const TskDataSkinMainMenuItem& d, int frame) {
  return StripFrame(d.animateskinrect, d.framecount, frame,
                    StripLayoutByWidth(d.animateskinrect, d.skinrect.Width()));
}

}  // namespace

bool TskSkinMainMenuBarItem::Hot() const {
  return bar_.HoveredItem() == this;
}

bool TskSkinMainMenuBarItem::HasChildren() const {
  return menu_item_ && !menu_item_->Items().empty();
}

TskSkinMainMenuBar::TskSkinMainMenuBar(TComponent* owner) : TskSkinControl(owner, "mainmenubar") {
  SetBounds(0, 0, 200, default_height_);
  SetAlign(TAlign::alTop);
  def_item_font_.SetColor(ColorToRGB(clBtnText));
  def_item_font_.OnChange = [this] {
    MeasureItems();
    Invalidate();
  };
}

TskSkinMainMenuBar::~TskSkinMainMenuBar() {
  StopTimers();
  def_item_font_.OnChange = nullptr;
}

// Settings.

void TskSkinMainMenuBar::SetMainMenu(TMainMenu* menu) {
  if (main_menu_ && main_menu_ != menu) RemoveFreeNotification(main_menu_);
  main_menu_ = menu;
  if (main_menu_) FreeNotification(main_menu_);
  RebuildItems();
  Invalidate();
}

TskMenuHost* TskSkinMainMenuBar::SkinForm() const {
  return skin_form_ ? skin_form_ : TskMenuHost::Find(Owner());
}

void TskSkinMainMenuBar::SetSkinForm(TskMenuHost* host) {
  if (auto* old = dynamic_cast<TComponent*>(skin_form_)) RemoveFreeNotification(old);
  skin_form_ = host;
  if (auto* component = dynamic_cast<TComponent*>(host)) FreeNotification(component);
}

void TskSkinMainMenuBar::SetScrollMenu(bool on) {
  scroll_menu_ = on;
  Layout();
  Invalidate();
}

void TskSkinMainMenuBar::SetUseSkinFont(bool on) {
  use_skin_font_ = on;
  MeasureItems();
  Invalidate();
}

void TskSkinMainMenuBar::SetDefaultHeight(int height) {
  default_height_ = height;
  ApplyHeight();
}

void TskSkinMainMenuBar::Notification(TComponent* component, TOperation operation) {
  const bool had_skin = SkinData() != nullptr;
  TskSkinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  // No skin change follows the removal of the skin data: the items come back in the default look.
  if (had_skin && !SkinData()) {
    if (!Destroying()) ApplySkinData();
    return;
  }
  if (component == main_menu_) {
    main_menu_ = nullptr;
    FreeItems();
    Invalidate();
    return;
  }
  if (skin_form_ && component == dynamic_cast<TComponent*>(skin_form_)) skin_form_ = nullptr;
  const auto gone = std::find_if(items_.begin(), items_.end(), [&](const auto& item) {
    return static_cast<TComponent*>(item->MenuItem()) == component;
  });
  if (gone != items_.end()) {
    items_.erase(gone);
    host_.Forget();
    Layout();
    Invalidate();
  }
}

// The skin.

bool TskSkinMainMenuBar::HasSection() const {
  return DefinitionAs<TskDataSkinMainMenuBar>() != nullptr;
}

TskMenuBarFrame TskSkinMainMenuBar::Frame() const {
  TskMenuBarFrame f;
  f.default_height = default_height_;
  if (const auto* d = DefinitionAs<TskDataSkinMainMenuBar>()) {
    f.has_section = true;
    f.skin_rect = d->skinrect;
    f.items_rect = d->itemsrect;
  }
  return f;
}

const TskDataSkinMainMenuItem* TskSkinMainMenuBar::ItemObject() const {
  const auto* d = DefinitionAs<TskDataSkinMainMenuBar>();
  if (!d || d->menubaritem.empty()) return nullptr;
  return SkinData()->ObjectAs<TskDataSkinMainMenuItem>(SkinData()->FindObjectIndex(d->menubaritem));
}

TskBarItemFrame TskSkinMainMenuBar::ItemFrame() const {
  TskBarItemFrame f;
  if (const auto* d = ItemObject()) {
    f.skinned = true;
    f.skin_rect = d->skinrect;
    f.text_rect = d->textrect;
  }
  return f;
}

TFont TskSkinMainMenuBar::ItemFont() const {
  const auto* d = ItemObject();
  if (d && use_skin_font_) {
    return SkinFont(d->fontname, d->fontheight, d->fontstyle, d->fontcolor, def_item_font_);
  }
  TFont font = def_item_font_;
  font.OnChange = nullptr;
  font.SetCharset(SkinCharset(def_item_font_));
  return font;
}

void TskSkinMainMenuBar::BeforeApplySkinData() {
  StopTimers();
  FreeItems();
  TskSkinControl::BeforeApplySkinData();
}

void TskSkinMainMenuBar::ApplySkinData() {
  LookUpDefinition();
  ApplyHeight();
  RebuildItems();
  Invalidate();
}

void TskSkinMainMenuBar::ApplyHeight() {
  const int height = MenuBarHeight(Frame());
  if (height > 0 && height != Height()) {
    SetBounds(Left(), Top(), Width(), height);
  } else {
    Layout();
  }
}

void TskSkinMainMenuBar::SetBounds(int left, int top, int width, int height) {
  const int fixed = MenuBarHeight(Frame());
  TskSkinControl::SetBounds(left, top, width, fixed > 0 ? fixed : height);
  Layout();
  Invalidate();
}

void TskSkinMainMenuBar::Resized() {
  Layout();
  Invalidate();
}

// Items.

void TskSkinMainMenuBar::FreeItems() {
  for (const auto& item : items_) RemoveFreeNotification(item->MenuItem());
  items_.clear();
  host_.Forget();
  overflow_ = marker_hot_ = false;
}

void TskSkinMainMenuBar::RebuildItems() {
  FreeItems();
  if (!main_menu_) return;
  for (TMenuItem* menu_item : main_menu_->VisibleItems()) {
    auto item = std::make_unique<TskSkinMainMenuBarItem>(*this, menu_item);
    item->id_name_ = menu_item->Name();
    item->slot_.enabled = item->slot_.saved_enabled = menu_item->Enabled();
    FreeNotification(menu_item);
    items_.push_back(std::move(item));
  }
  MeasureItems();
}

void TskSkinMainMenuBar::MeasureItems() {
  if (items_.empty()) {
    Layout();
    return;
  }
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(ItemFont());
  for (const auto& item : items_) {
    item->text_width_ = measure.Canvas().TextWidth(item->MenuItem()->ShownCaption());
  }
  Layout();
}

void TskSkinMainMenuBar::Layout() {
  const TskMenuBarFrame frame = Frame();
  items_area_ = MenuBarItemsArea(frame, Width(), Height());
  const TskBarItemFrame item_frame = ItemFrame();
  std::vector<TskBarSlot> slots;
  slots.reserve(items_.size());
  for (const auto& item : items_) {
    item->slot_.size = BarItemSize(item_frame, item->text_width_, items_area_.Height());
    slots.push_back(item->slot_);
  }
  overflow_ = PlaceBarItems(slots, items_area_, scroll_menu_);
  for (std::size_t i = 0; i < items_.size(); ++i) items_[i]->slot_ = slots[i];
  if (!overflow_ || !scroll_menu_) marker_hot_ = false;
}

TskSkinMainMenuBarItem* TskSkinMainMenuBar::ItemAt(int index) const {
  return index >= 0 && index < int(items_.size()) ? items_[std::size_t(index)].get() : nullptr;
}

int TskSkinMainMenuBar::IndexOf(const TskSkinMainMenuBarItem* item) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == item) return int(i);
  }
  return -1;
}

std::vector<TskBarPick> TskSkinMainMenuBar::Picks() const {
  std::vector<TskBarPick> picks;
  for (const auto& item : items_) {
    picks.push_back({item->Enabled(), item->Fits(), item->Hot(), item->down_});
  }
  return picks;
}

// Painting. The whole picture is composed off-screen and copied on the background erase; the
// paint step only draws when no erase came before it (a print into a given context).

LRESULT TskSkinMainMenuBar::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_ERASEBKGND:
      DrawBar(reinterpret_cast<HDC>(wparam));
      erased_ = true;
      return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      erased_ = false;
      break;
    case WM_MOUSEMOVE: {
      host_.StartPolling();
      // A move can be reported after the pointer has gone on; the hover test follows where it
      // is now, so that a late move over the previous item does not switch the menus back.
      POINT now{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      if (GetCursorPos(&now)) {
        if (WindowFromPoint(now) != Handle()) break;
        ScreenToClient(Handle(), &now);
      }
      const TPoint at{now.x, now.y};
      HoverTest(&at);
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      Press({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}, ButtonOf(msg));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      host_.Release(ButtonOf(msg));
      return 0;
    default:
      break;
  }
  return TskSkinControl::WndProc(msg, wparam, lparam);
}

void TskSkinMainMenuBar::Paint(HDC dc) {
  if (erased_) {
    erased_ = false;
    return;
  }
  DrawBar(dc);
}

void TskSkinMainMenuBar::DrawBar(HDC dc) {
  if (Width() < 1 || Height() < 1) return;
  TBitmap bitmap(Width(), Height());
  const auto* d = DefinitionAs<TskDataSkinMainMenuBar>();
  const PixelBitmap* picture = d ? SkinData()->ActivePicture(d->pictureindex) : nullptr;
  if (d && SkinData()->FormInfo().mainmenubartransparent && HandleAllocated()) {
    PaintParentBackground(Handle(), bitmap.DC());
  } else if (picture) {
    PutPixels(
        bitmap,
        PaintThreePartHorz(*picture, d->skinrect, d->itemsrect.left,
                           d->skinrect.Width() - d->itemsrect.right, d->stretcheffect, Width()),
        0, 0);
  } else {
    bitmap.Canvas().FillRect({0, 0, Width(), Height()}, ColorToRGB(clBtnFace));
  }
  Layout();
  for (const auto& item : items_) {
    if (item->Fits()) DrawItem(bitmap, *item);
  }
  if (overflow_ && scroll_menu_) DrawMarker(bitmap);
  GdiFlush();
  bitmap.Draw(dc, 0, 0);
}

void TskSkinMainMenuBar::DrawItem(TBitmap& bitmap, const TskSkinMainMenuBarItem& item) {
  const TskDataSkinMainMenuItem* d = ItemObject();
  if (!d) {
    DrawDefaultItem(bitmap, item);
    return;
  }
  const PixelBitmap* picture = SkinData()->ActivePicture(d->activepictureindex);
  if (!picture) return;
  const auto* bar = DefinitionAs<TskDataSkinMainMenuBar>();
  const TRect& r = item.Rect();
  const TRect hot_rect = d->activeskinrect.IsEmpty() ? d->skinrect : d->activeskinrect;
  const TRect down_rect = d->downrect.IsEmpty() ? hot_rect : d->downrect;
  auto fit = [&](const TRect& source, bool stretch) {
    return PaintThreePartHorz(*picture, source, d->itemleftoffset, d->itemrightoffset, stretch,
                              r.Width());
  };
  const bool stretch = d->stretcheffect;
  const TRect frame = AnimationOn() && Animating() ? BarItemFrameRect(*d, item.frame_) : TRect{};
  if (item.down_) {
    PutPixels(bitmap, fit(down_rect, stretch), r.left, r.top);
  } else if (!frame.IsEmpty()) {
    PutPixels(bitmap, fit(frame, stretch), r.left, r.top);
  } else if (MorphOn() && item.morph_.Between()) {
    TskEffectBmp blend(fit(d->skinrect, false));
    blend.Morph(TskEffectBmp(fit(hot_rect, stretch)), d->morphkind, item.morph_.Value());
    PutPixels(bitmap, blend.Picture(), r.left, r.top);
  } else if (MorphOn() ? item.morph_.Full() : item.Hot()) {
    PutPixels(bitmap, fit(hot_rect, stretch), r.left, r.top);
  } else if (!(bar && bar->itemtransparent)) {
    PutPixels(bitmap, fit(d->skinrect, false), r.left, r.top);
  }
  TFont font = ItemFont();
  font.SetColor(item.down_       ? d->downfontcolor
                : item.Hot()     ? d->activefontcolor
                : item.Enabled() ? d->fontcolor
                                 : d->unenabledfontcolor);
  bitmap.Canvas().SetFont(font);
  const TRect text = BarItemTextRect(ItemFrame(), r.Width(), r.Height()).Offset(r.left, r.top);
  bitmap.Canvas().DrawText(item.MenuItem()->Caption(), text,
                           DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TskSkinMainMenuBar::DrawDefaultItem(TBitmap& bitmap, const TskSkinMainMenuBarItem& item) {
  TCanvas& canvas = bitmap.Canvas();
  const TRect& r = item.Rect();
  canvas.FillRect(r, ColorToRGB(clBtnFace));
  if (item.down_ || item.Hot()) {
    canvas.FillRect(r, item.down_ ? kDefaultLookDownFill : kDefaultLookHotFill);
    canvas.FrameRect(r, kDefaultLookFrame);
  }
  TFont font = ItemFont();
  if (!item.Enabled()) font.SetColor(ColorToRGB(clGrayText));
  canvas.SetFont(font);
  const TRect text = item.down_ ? r.Offset(1, 1) : r;
  canvas.DrawText(item.MenuItem()->Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TskSkinMainMenuBar::DrawMarker(TBitmap& bitmap) {
  const auto* d = DefinitionAs<TskDataSkinMainMenuBar>();
  const COLORREF color = d ? (marker_hot_ ? d->trackmarkactivecolor : d->trackmarkcolor)
                           : ColorToRGB(marker_hot_ ? clBtnText : clBtnShadow);
  const TRect strip = OverflowStripRect();
  PixelBitmap picture = GrabPixels(bitmap, strip);
  DrawArrow(picture, picture.Bounds(), ColorToPixel(color), TskArrowDirection::kRight);
  PutPixels(bitmap, picture, strip.left, strip.top);
}

void TskSkinMainMenuBar::RepaintItem(const TskSkinMainMenuBarItem& item) {
  if (!HandleAllocated()) return;
  const RECT r = ToRECT(item.Rect());
  InvalidateRect(Handle(), &r, TRUE);
}

void TskSkinMainMenuBar::RepaintObject(int index) {
  if (const auto* item = ItemAt(index)) RepaintItem(*item);
}

// The pointer.

void TskSkinMainMenuBar::MouseEnter() {
  TskSkinControl::MouseEnter();
  host_.StartPolling();
}

void TskSkinMainMenuBar::PollPointer() {
  POINT at{};
  if (!HandleAllocated() || !GetCursorPos(&at)) return;
  // A popup may lie over the bar (on a short work area a menu opens over it): the pointer
  // there belongs to the popup, not to the bar item underneath.
  const bool over_bar = WindowFromPoint(at) == Handle();
  ScreenToClient(Handle(), &at);
  const TPoint point{at.x, at.y};
  if (!over_bar || !ClientRect().Contains(point)) {
    host_.StopPolling();
    host_.ForgetPointer();
    HoverTest(nullptr);
    return;
  }
  // A pointer resting on an item leaves the keyboard's selection alone.
  if (!host_.PointerMoved(point)) return;
  HoverTest(&point);
}

int TskSkinMainMenuBar::HitTest(TPoint point) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const auto& item = items_[i];
    if (item->Enabled() && item->Fits() && item->Rect().Contains(point)) return int(i);
  }
  return -1;
}

void TskSkinMainMenuBar::HoverTest(const TPoint* point) {
  if (point) host_.PointerMoved(*point);
  const int hovered = host_.Hovered();
  const int captured = host_.Captured();
  int found = point ? HitTest(*point) : -1;
  if (found == -1 && host_.HoverKept() && ItemAt(hovered)) found = hovered;
  if (captured != -1 && found != captured) found = -1;
  if (overflow_ && scroll_menu_) {
    const bool over = point && OverflowStripRect().Contains(*point);
    if (over != marker_hot_) {
      marker_hot_ = over;
      if (HandleAllocated()) {
        const RECT r = ToRECT(OverflowStripRect());
        InvalidateRect(Handle(), &r, TRUE);
      }
    }
  }
  host_.Hover(found);
}

void TskSkinMainMenuBar::Press(TPoint point, TskMouseButton button) {
  HoverTest(&point);
  if (ItemAt(host_.Hovered())) {
    host_.Press(host_.Hovered(), button);
    return;
  }
  if (overflow_ && scroll_menu_ && OverflowStripRect().Contains(point)) OpenOverflowMenu();
}

// Item behaviour.

void TskSkinMainMenuBar::ObjectEnter(int index) {
  if (auto* item = ItemAt(index)) ItemMouseEnter(*item);
}

void TskSkinMainMenuBar::ObjectLeave(int index) {
  if (auto* item = ItemAt(index)) ItemMouseLeave(*item);
}

void TskSkinMainMenuBar::ObjectPress(int index, TskMouseButton button) {
  if (auto* item = ItemAt(index)) ItemMouseDown(*item, button);
}

void TskSkinMainMenuBar::ItemMouseEnter(TskSkinMainMenuBarItem& item) {
  for (const auto& other : items_) {
    if (other.get() == &item || !other->down_) continue;
    // Moving along the bar while a menu is open switches menus without a click.
    other->down_ = false;
    other->morph_.Set(false);
    RepaintItem(*other);
    if (item.HasChildren()) {
      OpenItemMenu(item);
      return;
    }
    // An item without a menu has nothing to switch to: the open menu closes and the item only
    // lights, so that passing over it never runs its command. Leaving menu mode put out every
    // item, this one too: it is entered again.
    if (TskMenuHost* host = SkinForm()) host->MenuSession().End();
    if (HoverAgain(item)) return;
    break;
  }
  StartEffects();
  RepaintItem(item);
  hint_ = item.MenuItem()->Hint;
  if (OnItemMouseEnter) OnItemMouseEnter(item.MenuItem());
}

void TskSkinMainMenuBar::ItemMouseLeave(TskSkinMainMenuBarItem& item) {
  const auto* d = ItemObject();
  if (!(d && d->inactiveanimation)) item.frame_ = 0;
  StartEffects();
  RepaintItem(item);
  if (OnItemMouseLeave) OnItemMouseLeave(item.MenuItem());
}

void TskSkinMainMenuBar::ItemMouseDown(TskSkinMainMenuBarItem& item, TskMouseButton button) {
  TskMenuHost* host = SkinForm();
  if (button != TskMouseButton::kLeft || !item.Enabled() || !host) return;
  if (item.HasChildren()) {
    OpenItemMenu(item);
    return;
  }
  host->MenuSession().End();
  RepaintItem(item);
  // The command may close the window and with it the bar: nothing of the bar is touched after.
  item.MenuItem()->Click();
}

void TskSkinMainMenuBar::OpenItemMenu(TskSkinMainMenuBarItem& item) {
  TskMenuHost* host = SkinForm();
  if (!host) return;
  // The chain open now ends first, so that its end (which leaves menu mode and tells the bar)
  // cannot undo the state the new menu sets up.
  TskMenuSession& session = host->MenuSession();
  session.CloseChain();
  for (const auto& other : items_) {
    if (other.get() == &item || !other->down_) continue;
    other->down_ = false;
    RepaintItem(*other);
  }
  HoverAgain(item);
  host_.KeepHover(true);
  item.down_ = true;
  item.morph_.Set(true);
  RepaintItem(item);
  if (session.OpenFromBar(SkinData(), PopupToUp, item.MenuItem()->VisibleItems(),
                          ScreenRect(item.Rect()))) {
    return;
  }
  // Nothing opened (no visible sub-item): the item must not stay drawn down over no menu.
  item.down_ = false;
  RepaintItem(item);
}

bool TskSkinMainMenuBar::HoverAgain(TskSkinMainMenuBarItem& item) {
  const int index = IndexOf(&item);
  if (host_.Hovered() == index) return false;
  host_.Hover(index);
  return true;
}

void TskSkinMainMenuBar::OpenOverflowMenu() {
  TskMenuHost* host = SkinForm();
  if (!host) return;
  std::vector<TMenuItem*> hidden;
  for (const auto& item : items_) {
    if (!item->Fits()) hidden.push_back(item->MenuItem());
  }
  if (hidden.empty()) return;
  host->MenuSession().OpenPopup(nullptr, SkinData(), false, hidden,
                                ScreenRect(OverflowStripRect()));
}

TRect TskSkinMainMenuBar::ScreenRect(const TRect& r) const {
  if (!HandleAllocated()) return r;
  POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
  MapWindowPoints(Handle(), nullptr, corners, 2);
  return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

// The keyboard.

void TskSkinMainMenuBar::Select(int index) {
  TskSkinMainMenuBarItem* item = ItemAt(index);
  if (!item) return;
  // The selected item is entered again: its hint and look are taken afresh.
  if (!HoverAgain(*item)) ItemMouseEnter(*item);
}

void TskSkinMainMenuBar::SelectNextItem() {
  const std::vector<TskBarPick> picks = Picks();
  Select(StepBarItem(picks, SelectedBarItem(picks), true));
}

void TskSkinMainMenuBar::SelectPreviousItem() {
  const std::vector<TskBarPick> picks = Picks();
  Select(StepBarItem(picks, SelectedBarItem(picks), false));
}

bool TskSkinMainMenuBar::OpenByAccelerator(wchar_t key) {
  if (!SkinForm()) return false;
  std::vector<wchar_t> accels;
  for (const auto& item : items_) accels.push_back(item->MenuItem()->Accelerator());
  const int index = AcceleratorBarItem(Picks(), accels, key);
  TskSkinMainMenuBarItem* item = ItemAt(index);
  if (!item) return false;
  Select(index);
  // Entering an item while another one's menu is open has opened its menu already.
  if (!item->down_) ItemMouseDown(*item, TskMouseButton::kLeft);
  return true;
}

bool TskSkinMainMenuBar::HasAccelerator(wchar_t key) const {
  std::vector<wchar_t> accels;
  for (const auto& item : items_) accels.push_back(item->MenuItem()->Accelerator());
  return AcceleratorBarItem(Picks(), accels, key) >= 0;
}

TMenu* TskSkinMainMenuBar::BarMenu() const {
  return main_menu_;
}

TMenuItem* TskSkinMainMenuBar::OpenItem() const {
  for (const auto& item : items_) {
    if (item->down_ && item->HasChildren()) return item->MenuItem();
  }
  return nullptr;
}

bool TskSkinMainMenuBar::OpenSelectedItem() {
  TskMenuHost* host = SkinForm();
  if (!host) return false;
  for (const auto& item : items_) {
    if (!item->Enabled() || !item->Fits()) continue;
    if ((item->down_ && !item->HasChildren()) ||
        (item->Hot() && !host->MenuSession().PopupOpen())) {
      ItemMouseDown(*item, TskMouseButton::kLeft);
      return true;
    }
  }
  return false;
}

void TskSkinMainMenuBar::EnterMenuModeFromKeyboard() {
  TskMenuHost* host = SkinForm();
  if (!host) return;
  host_.KeepHover(true);
  const std::vector<TskBarPick> picks = Picks();
  int index = SelectedBarItem(picks);
  if (index == -1) index = StepBarItem(picks, -1, true);
  Select(index);
  host->MenuSession().SelectBar();
}

void TskSkinMainMenuBar::PopupClosedInMenuMode() {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    auto& item = *items_[i];
    if (!item.down_) continue;
    item.down_ = false;
    HoverAgain(item);
    RepaintItem(item);
  }
}

void TskSkinMainMenuBar::LeaveMenuMode() {
  host_.KeepHover(false);
  const TskSkinMainMenuBarItem* hovered = HoveredItem();
  host_.ForgetHover();
  const auto* d = ItemObject();
  for (const auto& item : items_) {
    if (!item->down_ && item.get() != hovered) continue;
    item->down_ = false;
    if (!(d && d->inactiveanimation)) item->frame_ = 0;
    StartEffects();
    RepaintItem(*item);
  }
  // The item under a resting pointer lights again on the next tick.
  host_.ForgetPointer();
}

// Morphing and animation.

bool TskSkinMainMenuBar::MorphOn() const {
  const auto* d = ItemObject();
  return d && SkinData()->EnableSkinEffects && d->morphing && !d->activeskinrect.IsEmpty();
}

bool TskSkinMainMenuBar::AnimationOn() const {
  const auto* d = ItemObject();
  return d && SkinData()->EnableSkinEffects && d->framecount > 0 && !d->animateskinrect.IsEmpty();
}

void TskSkinMainMenuBar::StartEffects() {
  if (MorphOn()) host_.StartEffect(TskEffectTimer::kMorph, kMorphMilliseconds);
  if (AnimationOn() && !Animating()) {
    const int interval = ItemObject()->animateinterval;
    host_.StartEffect(TskEffectTimer::kAnimation,
                      interval > 0 ? unsigned(interval) : kMorphMilliseconds);
  }
}

// A lit item (hot or down) morphs towards its hot look and a dark one back; a hot item plays
// its animation forwards and any other one backwards.
TskEffectStep TskSkinMainMenuBar::StepObject(TskEffectTimer timer, int index) {
  TskSkinMainMenuBarItem& item = *items_[std::size_t(index)];
  if (timer == TskEffectTimer::kMorph) {
    const bool lit = item.Hot() || item.down_;
    if (!item.morph_.Step(lit)) return {};
    return {true, true};
  }
  const auto* d = ItemObject();
  if (!d) return {};
  TskFrameCounter counter(d->framecount, 0);
  counter.SetFrame(item.frame_);
  if (!counter.Step(item.Hot())) return {};
  item.frame_ = counter.Frame();
  return {true, true};
}

void TskSkinMainMenuBar::EffectStopped(TskEffectTimer timer) {
  // The last frame gives way to the hot look once the animation has played.
  if (timer == TskEffectTimer::kAnimation) Invalidate();
}

void TskSkinMainMenuBar::StopTimers() {
  host_.StopPolling();
  host_.StopEffects();
}

}  // namespace vl
