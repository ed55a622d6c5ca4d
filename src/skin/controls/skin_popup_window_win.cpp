#include "skin/controls/skin_popup_window_win.h"

#include <algorithm>
#include <string>

#include "framework/canvas_win.h"
#include "framework/handles_win.h"
#include "framework/menu_win.h"
#include "skin/controls/control_skin.h"
#include "skin/controls/skin_control_win.h"
#include "skin/controls/skin_menu_win.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_data.h"
#include "skin/paint/blit.h"
#include "skin/paint/effects.h"
#include "skin/paint/fitting.h"
#include "skin/paint/glyphs.h"
#include "skin/paint/paint_win.h"
#include "skin/paint/region.h"
#include "skin/paint/default_look.h"

namespace vl {
namespace {

constexpr unsigned kScrollMilliseconds = 100;
// Between two morph steps when the items do not animate.
constexpr unsigned kMorphMilliseconds = 20;
constexpr int kDefaultSeparatorHeight = 4;
constexpr int kDefaultColumn = 19;

Pixel SystemPixel(TColor color) {
  return ColorToPixel(ColorToRGB(color));
}

// The caption of a header without its first and last hyphen.
std::wstring HeaderText(const std::wstring& caption) {
  return caption.size() >= 2 ? caption.substr(1, caption.size() - 2) : std::wstring();
}

std::wstring ShownText(const TskSkinMenuItem& item) {
  return item.IsHeader() ? HeaderText(item.MenuItem().Caption()) : item.MenuItem().ShownCaption();
}

// The right-pointing sub-menu arrow: four vertical lines shrinking towards the tip.
void DrawSubMenuArrow(PixelBitmap& picture, int x, int y, Pixel colour) {
  for (int i = 0; i < 4; ++i) DrawLine(picture, {x + i, y + i}, {x + i, y + 7 - i}, colour);
}

// A filled 6 x 6 dot with its corners cut.
void DrawRadioDot(PixelBitmap& picture, int x, int y, Pixel colour) {
  FillPixels(picture, {x + 1, y, x + 5, y + 6}, colour);
  FillPixels(picture, {x, y + 1, x + 6, y + 5}, colour);
}

bool SystemGlyph(const std::string& name, TskCaptionGlyph& glyph) {
  if (name == "BSF_CLOSE" || name == "TRAY_BSF_CLOSE") {
    glyph = TskCaptionGlyph::kCross;
  } else if (name == "BSF_MINITEM") {
    glyph = TskCaptionGlyph::kBar;
  } else if (name == "BSF_MAXITEM") {
    glyph = TskCaptionGlyph::kBox;
  } else if (name == "BSF_RESTORE" || name == "TRAY_BSF_RESTORE") {
    glyph = TskCaptionGlyph::kTwoBoxes;
  } else if (name == "BSF_ROLLUP") {
    glyph = TskCaptionGlyph::kUpTriangle;
  } else if (name == "BSF_MINTOTRAY") {
    glyph = TskCaptionGlyph::kSquare;
  } else {
    return false;
  }
  return true;
}

// Check marks, radio dots and system glyphs at `at`.
void DrawItemGlyph(PixelBitmap& picture, const TskSkinMenuItem& item, TPoint at, Pixel colour) {
  TMenuItem& menu_item = item.MenuItem();
  TskCaptionGlyph glyph;
  if (SystemGlyph(menu_item.Name(), glyph)) {
    DrawCaptionGlyph(picture, glyph, at.x, at.y, colour);
  } else if (menu_item.Checked() && menu_item.RadioItem) {
    DrawRadioDot(picture, at.x + 1, at.y + 1, colour);
  } else if (menu_item.Checked()) {
    DrawCheckMark(picture, at.x, at.y, colour);
  }
}

// Draws a piece cut from the item picture without its pixels of the piece's transparent colour:
// the piece is a strip of one frame.
void DrawTransparent(PixelBitmap& target, const PixelBitmap& piece, int x, int y) {
  DrawStripFrame(target, x, y, 1, 1, piece, DefaultTransparentColour(piece));
}

}  // namespace

bool TskSkinMenuItem::IsSeparator() const {
  return item_->IsSeparator();
}

bool TskSkinMenuItem::IsHeader() const {
  return !item_->Enabled() && IsHeaderCaption(item_->Caption());
}

bool TskSkinMenuItem::Selectable() const {
  return item_->Enabled() && !item_->IsSeparator();
}

bool TskSkinMenuItem::HasChildren() const {
  return !item_->VisibleItems().empty();
}

TskSkinPopupWindow::TskSkinPopupWindow(TskSkinMenu& controller, int level, TskSkinData* skin_data,
                                       std::vector<TMenuItem*> items)
    : TCustomControl(nullptr),
      controller_(controller),
      level_(level),
      skin_data_(skin_data),
      scroll_timer_(nullptr, kScrollMilliseconds, [this] { ScrollTick(); }) {
  items_.reserve(items.size());
  for (TMenuItem* item : items) items_.emplace_back(*item);
  ReadSkin();
}

TskSkinPopupWindow::~TskSkinPopupWindow() {
  ClosePopup();
}

void TskSkinPopupWindow::CreateParams(TCreateParams& params) {
  params.style = WS_POPUP | WS_CLIPSIBLINGS;
  params.ex_style = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.popup_class = true;
}

void TskSkinPopupWindow::ReadSkin() {
  if (!skin_data_ || skin_data_->Empty()) return;
  const TskDataSkinPopupWindow& popup = skin_data_->PopupWindow();
  window_picture_ = skin_data_->ActivePicture(popup.windowpictureindex);
  if (!window_picture_) return;
  // A skin whose popups have a picture but no item object cannot lay its items out; such
  // popups take the default look whole.
  for (const auto& object : skin_data_->SkinObjects()) {
    if (auto* item = dynamic_cast<const TskDataSkinMenuItem*>(object.get())) {
      item_skin_ = item;
      break;
    }
  }
  if (!item_skin_) {
    window_picture_ = nullptr;
    return;
  }
  popup_skin_ = &popup;
  mask_picture_ = skin_data_->ActivePicture(popup.maskpictureindex);
  item_picture_ = skin_data_->ActivePicture(item_skin_->activepictureindex);
  skinned_ = true;
}

TFont TskSkinPopupWindow::ItemFont() const {
  TFont font(controller_.DefMenuItemFont);
  if (skinned_ && controller_.UseSkinFont) {
    font =
        TFont(item_skin_->fontname, item_skin_->fontheight, FontStyleBits(item_skin_->fontstyle));
  }
  if (skin_data_ && skin_data_->ResourceStrData()) {
    font.SetCharset(BYTE(skin_data_->ResourceStrData()->CharSet));
  } else {
    font.SetCharset(controller_.DefMenuItemFont.Charset());
  }
  return font;
}

void TskSkinPopupWindow::Measure(const TRect& work_area) {
  metrics_ = {};
  metrics_.skinned = skinned_;
  metrics_.glyph_column = kDefaultColumn;
  metrics_.max_items_in_window = std::max(controller_.MaxMenuItemsInWindow, 0);
  int item_height = std::max(controller_.DefMenuItemHeight, 1);
  int separator_height = kDefaultSeparatorHeight;
  if (skinned_) {
    metrics_.picture_width = window_picture_->Width();
    metrics_.picture_height = window_picture_->Height();
    metrics_.items_rect = popup_skin_->itemsrect;
    metrics_.item_skin_width = item_skin_->skinrect.Width();
    metrics_.item_text_width = item_skin_->textrect.Width();
    item_height = item_skin_->skinrect.Height();
    separator_height = item_skin_->dividerrect.Height();
  }
  heights_.clear();
  TBitmap scratch(1, 1);
  scratch.Canvas().SetFont(ItemFont());
  int widest = 0;
  for (const TskSkinMenuItem& item : items_) {
    heights_.push_back(item.IsSeparator() ? separator_height : item_height);
    if (item.IsSeparator()) continue;
    std::wstring text = ShownText(item);
    const std::wstring shortcut = item.MenuItem().ShortCutText();
    if (!shortcut.empty()) text += L"  " + shortcut;
    widest = std::max(widest, scratch.Canvas().TextWidth(text));
  }
  size_ = PopupSize(metrics_, widest, heights_, item_height, work_area.Height());
}

void TskSkinPopupWindow::Relayout() {
  items_rect_ = PopupItemsRect(metrics_, size_.width, size_.height);
  layout_ = LayoutItems(heights_, items_rect_, size_.overflowing, layout_.first_visible);
  for (std::size_t i = 0; i < items_.size(); ++i) items_[i].rect = layout_.rects[i];
}

void TskSkinPopupWindow::Open(const TRect& anchor, bool sub_menu, bool popup_up,
                              const TRect& work_area) {
  Measure(work_area);
  Relayout();
  if (skinned_ && item_skin_->inactivetransparent) background_ = SkinnedFrame(true);
  TskPlacementRequest request;
  request.work_area = work_area;
  request.anchor = anchor;
  request.width = size_.width;
  request.height = size_.height;
  request.sub_menu = sub_menu;
  request.popup_up = popup_up;
  request.overflowing = size_.overflowing;
  request.limited = size_.limited;
  request.items_top = items_rect_.top;
  const TPoint at = PlacePopup(request);
  SetBounds(at.x, at.y, size_.width, size_.height);
  HandleNeeded();
  ApplyRegion();
  SetWindowPos(Handle(), HWND_TOPMOST, at.x, at.y, size_.width, size_.height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  // A pointer resting where the popup opens leaves the first item's highlight alone.
  POINT now;
  if (GetCursorPos(&now)) host_.PointerMoved({now.x, now.y});
  host_.StartPolling();
  for (int i = 0; i < ItemCount(); ++i) {
    if (!items_[std::size_t(i)].Selectable()) continue;
    HighlightByKey(i);
    items_[std::size_t(i)].keyboard_initial = true;
    break;
  }
}

void TskSkinPopupWindow::ApplyRegion() {
  if (!skinned_ || !mask_picture_) return;
  const TskSkinPoints points{popup_skin_->lefttoppoint, popup_skin_->righttoppoint,
                             popup_skin_->leftbottompoint, popup_skin_->rightbottompoint,
                             popup_skin_->itemsrect};
  const TskSkinPoints sized = SizePoints(points, size_.width - window_picture_->Width(),
                                         size_.height - window_picture_->Height());
  HRGN region = CreateWindowRegion(BuildWindowRegion(*mask_picture_, points, size_.width, sized));
  if (!region) return;
  // The window owns a region it accepted; only a refused one is still ours to delete.
  if (!SetWindowRgn(Handle(), region, TRUE)) DeleteObject(region);
}

void TskSkinPopupWindow::ClosePopup() {
  if (!HandleAllocated()) return;
  StopTimers();
  DestroyHandle();
}

void TskSkinPopupWindow::StopTimers() {
  host_.StopPolling();
  host_.StopEffects();
  scroll_timer_.SetEnabled(false);
}

TRect TskSkinPopupWindow::UpMarker() const {
  return UpMarkerRect(items_rect_, skinned_, size_.width);
}

TRect TskSkinPopupWindow::DownMarker() const {
  return DownMarkerRect(items_rect_, skinned_, size_.width, size_.height);
}

TRect TskSkinPopupWindow::ItemScreenRect(int index) const {
  const TRect& r = items_[std::size_t(index)].rect;
  RECT window{};
  if (HandleAllocated()) GetWindowRect(Handle(), &window);
  return r.Offset(window.left, window.top);
}

int TskSkinPopupWindow::ItemAt(TPoint at) const {
  for (int i = layout_.first_visible; i <= layout_.LastVisible(); ++i) {
    if (items_[std::size_t(i)].rect.Contains(at)) return i;
  }
  return -1;
}

void TskSkinPopupWindow::EnterItem(int index, bool by_pointer) {
  TskSkinMenuItem& item = items_[std::size_t(index)];
  for (int i = 0; i < ItemCount(); ++i) {
    if (i == index || !items_[std::size_t(i)].down) continue;
    items_[std::size_t(i)].down = false;
    RepaintItem(i);
  }
  if (item.down) {
    // Back on the item whose sub-menu is open: only what lies deeper than that sub-menu goes.
    controller_.CloseFrom(level_ + 2);
    if (TskSkinPopupWindow* sub = controller_.Level(level_ + 1)) sub->ClearDown();
    return;
  }
  RepaintItem(index);
  StartEffects();
  controller_.ItemEntered(*this, index, by_pointer);
}

void TskSkinPopupWindow::LeaveItem(int index) {
  TskSkinMenuItem& item = items_[std::size_t(index)];
  item.keyboard_initial = false;
  if (Animating() && !item_skin_->inactiveanimation) item.effect.frame = 0;
  RepaintItem(index);
  StartEffects();
  controller_.ItemLeft(*this, index);
}

void TskSkinPopupWindow::PressItem(int index) {
  if (index < 0 || index >= ItemCount()) return;
  const TskSkinMenuItem& item = items_[std::size_t(index)];
  if (!item.Selectable() || item.down) return;
  controller_.ItemActivated(*this, index);
}

void TskSkinPopupWindow::ClearDown() {
  for (int i = 0; i < ItemCount(); ++i) {
    if (!items_[std::size_t(i)].down) continue;
    items_[std::size_t(i)].down = false;
    RepaintItem(i);
  }
}

void TskSkinPopupWindow::HoverAt(TPoint at) {
  if (size_.overflowing) {
    const bool over_up = UpMarker().Contains(at);
    const bool over_down = DownMarker().Contains(at);
    if (over_up && scroll_code_ == 0 && layout_.first_visible > 0) {
      scroll_code_ = 1;
    } else if (over_down && scroll_code_ == 0 && layout_.LastVisible() < ItemCount() - 1) {
      scroll_code_ = 2;
    } else if (scroll_code_ != 0 && !over_up && !over_down) {
      StopScrolling();
    }
    if ((over_up || over_down) && scroll_code_ != 0 && !scroll_timer_.Enabled()) {
      RepaintMarkers();
      controller_.CloseFrom(level_ + 1);
      scroll_timer_.SetEnabled(true);
    }
  }
  const int index = ItemAt(at);
  if (index < 0) return;
  TskSkinMenuItem& item = items_[std::size_t(index)];
  if (index == ActiveIndex()) {
    if (!item.keyboard_initial) return;
    item.keyboard_initial = false;
    if (item.HasChildren()) controller_.ItemEntered(*this, index, true);
    return;
  }
  host_.Hover(item.Selectable() ? index : -1);
}

void TskSkinPopupWindow::ReleaseAt(TPoint at) {
  // A click that falls between two polls must act on the item under the pointer, not on the
  // one the last poll saw.
  HoverAt(at);
  const int index = ItemAt(at);
  if (index < 0 || index != ActiveIndex()) return;
  PressItem(index);
}

void TskSkinPopupWindow::PollPointer() {
  POINT p;
  if (!GetCursorPos(&p) || !host_.PointerMoved({p.x, p.y})) return;
  if (WindowFromPoint(p) == Handle()) {
    ScreenToClient(Handle(), &p);
    HoverAt({p.x, p.y});
  } else if (size_.overflowing && scroll_code_ != 0) {
    StopScrolling();
  }
}

void TskSkinPopupWindow::StopScrolling() {
  scroll_code_ = 0;
  scroll_timer_.SetEnabled(false);
  RepaintMarkers();
}

void TskSkinPopupWindow::ScrollTick() {
  const bool up = scroll_code_ == 1;
  const bool possible = up ? layout_.first_visible > 0 : layout_.LastVisible() < ItemCount() - 1;
  if (scroll_code_ == 0 || !possible) {
    StopScrolling();
    return;
  }
  layout_.first_visible += up ? -1 : 1;
  Relayout();
  Repaint();
}

void TskSkinPopupWindow::RepaintMarkers() {
  if (size_.overflowing) Repaint();
}

void TskSkinPopupWindow::MoveByKey(bool down) {
  std::vector<bool> selectable;
  for (const TskSkinMenuItem& item : items_) selectable.push_back(item.Selectable());
  const int from = ActiveIndex();
  const int target = NextSelectable(selectable, from, down);
  if (target < 0) return;
  if (size_.overflowing && scroll_code_ == 0) {
    const int first = ScrollToShow(heights_, ItemsArea(items_rect_, true).Height(),
                                   layout_.first_visible, from, target, down);
    if (first != layout_.first_visible) {
      layout_.first_visible = first;
      Relayout();
      Invalidate();
    }
  }
  HighlightByKey(target);
}

void TskSkinPopupWindow::HighlightByKey(int index) {
  highlighting_by_key_ = true;
  host_.Hover(index);
  highlighting_by_key_ = false;
}

bool TskSkinPopupWindow::Lit(const TskSkinMenuItem& item) const {
  return Lit(int(&item - items_.data()));
}

bool TskSkinPopupWindow::KeyDown(WPARAM key) {
  switch (key) {
    case VK_RETURN:
      if (ActiveIndex() < 0) return false;
      PressItem(ActiveIndex());
      return true;
    case VK_ESCAPE:
    case VK_LEFT:
      if (controller_.LevelCount() >= 2) {
        if (TskSkinPopupWindow* parent = controller_.Level(level_ - 1)) parent->ClearDown();
        controller_.CloseFrom(level_);
      } else if (key == VK_ESCAPE) {
        controller_.CloseFrom(0);
      }
      return true;
    case VK_DOWN:
    case VK_UP:
      MoveByKey(key == VK_DOWN);
      return true;
    case VK_RIGHT:
      if (ActiveItem() && ActiveItem()->HasChildren()) PressItem(ActiveIndex());
      return true;
    default:
      break;
  }
  const bool letter = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
  if (!letter) return false;
  const wchar_t ch = wchar_t(key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key);
  for (int i = 0; i < ItemCount(); ++i) {
    TskSkinMenuItem& item = items_[std::size_t(i)];
    // A disabled item keeps its accelerator to itself: it can neither be entered nor run.
    if (!item.Selectable() || item.MenuItem().Accelerator() != ch) continue;
    HighlightByKey(i);
    PressItem(i);
    return true;
  }
  return false;
}

COLORREF TskSkinPopupWindow::TextColor(const TskSkinMenuItem& item) const {
  if (skinned_) {
    if (!item.MenuItem().Enabled()) return item_skin_->unenabledfontcolor;
    return Lit(item) ? item_skin_->activefontcolor : item_skin_->fontcolor;
  }
  if (!item.MenuItem().Enabled() && !Lit(item)) return ColorToRGB(clBtnShadow);
  return ColorToRGB(clWindowText);
}

PixelBitmap TskSkinPopupWindow::SkinnedFrame(bool draw_client) const {
  TskNineArea area;
  area.skin_rect = window_picture_->Bounds();
  area.points = {popup_skin_->lefttoppoint, popup_skin_->righttoppoint,
                 popup_skin_->leftbottompoint, popup_skin_->rightbottompoint,
                 popup_skin_->itemsrect};
  area.stretch = {popup_skin_->leftstretch, popup_skin_->topstretch, popup_skin_->rightstretch,
                  popup_skin_->bottomstretch};
  area.stretch_effect = popup_skin_->stretcheffect;
  area.stretch_type = popup_skin_->stretchtype;
  return PaintNineArea(*window_picture_, area, draw_client, size_.width, size_.height);
}

void TskSkinPopupWindow::DrawFrame(TBitmap& target) const {
  const int w = size_.width, h = size_.height;
  if (skinned_) {
    PutPixels(target, SkinnedFrame(size_.overflowing), 0, 0);
    return;
  }
  PixelBitmap frame(w, h, SystemPixel(clWindow));
  FillPixels(frame, {0, 0, kDefaultColumn + 2, h}, SystemPixel(clBtnFace));
  FramePixels(frame, {0, 0, w, h}, SystemPixel(clBtnShadow));
  FramePixels(frame, {1, 1, w - 1, h - 1}, SystemPixel(clWindow));
  PutPixels(target, frame, 0, 0);
}

void TskSkinPopupWindow::DrawSkinnedItem(TBitmap& target, const TskSkinMenuItem& item,
                                         const TRect& r) const {
  const TskDataSkinMenuItem& s = *item_skin_;
  const int width = r.Width();
  if (!item_picture_) return;
  if (item.IsSeparator()) {
    PutPixels(target,
              PaintThreePartHorz(*item_picture_, s.dividerrect, s.dividerleftoffset,
                                 s.dividerrightoffset, s.dividerstretcheffect, width),
              r.left, r.top);
    return;
  }
  if (item.IsHeader() && DrawHeader(target, item, r)) return;
  const bool hot = Lit(item);
  PixelBitmap picture = ItemBackground(item, width);
  if (picture.Empty()) return;
  const COLORREF text_colour = TextColor(item);
  const COLORREF glyph_colour =
      s.useimagecolor ? (hot ? s.activeimagecolor : s.imagecolor) : text_colour;
  const TRect arrow_rect = hot ? s.activearrowimagerect : s.arrowimagerect;
  const TskItemParts parts =
      SkinnedItemParts(s.textrect, s.imagerect, s.skinrect.Width(), width, 0, arrow_rect.Width());
  if (item.HasChildren()) {
    if (!arrow_rect.IsEmpty()) {
      const PixelBitmap arrow = CropPixels(*item_picture_, arrow_rect);
      DrawTransparent(picture, arrow,
                      parts.arrow_box.left + (parts.arrow_box.Width() - arrow.Width()) / 2,
                      parts.arrow_box.top + (parts.arrow_box.Height() - arrow.Height()) / 2);
    } else {
      DrawSubMenuArrow(picture, parts.text.right - 7, parts.text.top + parts.text.Height() / 2 - 4,
                       ColorToPixel(glyph_colour));
    }
  }
  const TRect check_rect = item.MenuItem().RadioItem
                               ? (hot ? s.activeradioimagerect : s.radioimagerect)
                               : (hot ? s.activecheckimagerect : s.checkimagerect);
  TskCaptionGlyph glyph;
  if (item.MenuItem().Checked() && !check_rect.IsEmpty() &&
      !SystemGlyph(item.MenuItem().Name(), glyph)) {
    const PixelBitmap mark = CropPixels(*item_picture_, check_rect);
    const TRect& image = s.imagerect;
    DrawTransparent(picture, mark, image.left + (image.Width() - mark.Width()) / 2,
                    image.top + (image.Height() - mark.Height()) / 2);
  } else {
    DrawItemGlyph(picture, item, parts.glyph, ColorToPixel(glyph_colour));
  }
  PutPixels(target, picture, r.left, r.top);
  TRect caption = parts.caption.Offset(r.left, r.top);
  caption.left -= 1;
  caption.right += 1;
  const TRect shortcut{r.left + parts.text.left, r.top + parts.text.top,
                       r.left + parts.shortcut_right, r.top + parts.text.bottom};
  WriteItemText(target, item, r, text_colour, caption, shortcut);
}

// The caption (a header centred in the whole item) and the short-cut, right-aligned in its box.
void TskSkinPopupWindow::WriteItemText(TBitmap& target, const TskSkinMenuItem& item, const TRect& r,
                                       COLORREF colour, const TRect& caption,
                                       const TRect& shortcut) const {
  TCanvas& canvas = target.Canvas();
  canvas.SetFont(ItemFont());
  SetTextColor(canvas.Handle(), colour);
  const std::wstring text = ShownText(item);
  if (item.IsHeader()) {
    canvas.DrawText(text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return;
  }
  canvas.DrawText(text, caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  const std::wstring shortcut_text = item.MenuItem().ShortCutText();
  if (!shortcut_text.empty()) {
    canvas.DrawText(shortcut_text, shortcut, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

PixelBitmap TskSkinPopupWindow::ItemBackground(const TskSkinMenuItem& item, int width) const {
  const TskDataSkinMenuItem& s = *item_skin_;
  const bool hot = Lit(item);
  auto look = [&](bool active) {
    return PaintThreePartHorz(*item_picture_, active ? s.activeskinrect : s.skinrect,
                              s.itemleftoffset, s.itemrightoffset,
                              active ? s.stretcheffect : s.inactivestretcheffect, width);
  };
  if (Animating() && item.effect.frame > 0) {
    const TRect frame =
        PopupItemFrameRect(s.animateskinrect, s.skinrect.Width(), s.framecount, item.effect.frame);
    return PaintThreePartHorz(*item_picture_, frame, s.itemleftoffset, s.itemrightoffset,
                              s.stretcheffect, width);
  }
  if (Morphing() && item.effect.morph.Between()) {
    TskEffectBmp from(look(false));
    from.Morph(TskEffectBmp(look(true)), s.morphkind, item.effect.morph.Value());
    return from.Picture();
  }
  if (Morphing()) return look(item.effect.morph.Full());
  if (!hot && s.inactivetransparent && !background_.Empty()) {
    return CropPixels(background_, item.rect);
  }
  return look(hot);
}

bool TskSkinPopupWindow::Morphing() const {
  return skinned_ && item_skin_->morphing && skin_data_->EnableSkinEffects;
}

bool TskSkinPopupWindow::Animating() const {
  return skinned_ && !item_skin_->animateskinrect.IsEmpty() && item_skin_->framecount > 0 &&
         skin_data_->EnableSkinEffects;
}

// Morph and animation step together on the host's morph timer, at the animation's pace when
// the items animate. A running timer keeps its pace.
void TskSkinPopupWindow::StartEffects() {
  if (host_.EffectRunning(TskEffectTimer::kMorph) || !HandleAllocated() ||
      !(Morphing() || Animating())) {
    return;
  }
  host_.StartEffect(TskEffectTimer::kMorph, Animating()
                                                ? unsigned(std::max(1, item_skin_->animateinterval))
                                                : kMorphMilliseconds);
}

// The timer stops on the first tick on which no item changed.
TskEffectStep TskSkinPopupWindow::StepObject(TskEffectTimer, int index) {
  TskSkinMenuItem& item = items_[std::size_t(index)];
  if (item.IsSeparator()) return {};
  const bool changed =
      StepItemEffect(item.effect, Lit(item), Morphing(), Animating() ? item_skin_->framecount : 0);
  return {changed, changed};
}

bool TskSkinPopupWindow::DrawHeader(TBitmap& target, const TskSkinMenuItem& item,
                                    const TRect& r) const {
  int index = skin_data_->FindControlIndex("menuheader");
  if (index == -1) index = skin_data_->FindControlIndex("label");
  const auto* section = skin_data_->ControlAs<TskDataSkinLabelControl>(index);
  if (!section) return false;
  const TskControlSkin skin = CopyControlSkin(*skin_data_, *section);
  const PixelBitmap picture =
      DrawBySizeRule(skin, skin.skin_rect, CalcSize(skin, r.Width(), r.Height()));
  if (picture.Empty()) return false;
  if (item_picture_) {
    PutPixels(target,
              PaintThreePartHorz(*item_picture_, item_skin_->skinrect, item_skin_->itemleftoffset,
                                 item_skin_->itemrightoffset, item_skin_->inactivestretcheffect,
                                 r.Width()),
              r.left, r.top);
  }
  PutPixels(target, picture, r.left, r.top + (r.Height() - picture.Height()) / 2);
  TCanvas& canvas = target.Canvas();
  TFont font(section->fontname, section->fontheight, FontStyleBits(section->fontstyle));
  font.SetCharset(ItemFont().Charset());
  canvas.SetFont(font);
  SetTextColor(canvas.Handle(), section->fontcolor);
  canvas.DrawText(ShownText(item), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  return true;
}

void TskSkinPopupWindow::DrawDefaultItem(TBitmap& target, const TskSkinMenuItem& item,
                                         const TRect& r) const {
  const int w = r.Width(), h = r.Height();
  PixelBitmap picture(w, h, SystemPixel(clWindow));
  const bool hot = Lit(item) && !item.IsSeparator();
  if (item.IsHeader()) {
    picture = PixelBitmap(w, h, SystemPixel(clBtnShadow));
  } else if (hot) {
    picture = PixelBitmap(w, h, ColorToPixel(kDefaultLookHotFill));
    FramePixels(picture, {0, 0, w, h}, ColorToPixel(kDefaultLookFrame));
  } else {
    FillPixels(picture, {0, 0, kDefaultColumn, h}, SystemPixel(clBtnFace));
  }
  if (item.IsSeparator()) {
    FillPixels(picture, {kDefaultColumn, h / 2, w, h / 2 + 1}, SystemPixel(clBtnShadow));
    PutPixels(target, picture, r.left, r.top);
    return;
  }
  const TRect inset{2, 2, w - 2, h - 2};
  const COLORREF text_colour = item.IsHeader() ? ColorToRGB(clBtnHighlight) : TextColor(item);
  if (item.HasChildren()) {
    DrawSubMenuArrow(picture, inset.right - 7, inset.top + inset.Height() / 2 - 4,
                     ColorToPixel(text_colour));
  }
  DrawItemGlyph(picture, item, {inset.left + 2, inset.top + inset.Height() / 2 - 4},
                ColorToPixel(text_colour));
  PutPixels(target, picture, r.left, r.top);
  const TRect box{r.left + kDefaultColumn + 2, r.top + inset.top, r.left + inset.right - 19,
                  r.top + inset.bottom};
  WriteItemText(target, item, r, text_colour, box, box);
}

void TskSkinPopupWindow::DrawItem(TBitmap& target, int index, int x, int y) const {
  const TskSkinMenuItem& item = items_[std::size_t(index)];
  const TRect r = RectOfSize(x, y, item.rect.Width(), item.rect.Height());
  if (skinned_) {
    DrawSkinnedItem(target, item, r);
  } else {
    DrawDefaultItem(target, item, r);
  }
}

void TskSkinPopupWindow::DrawMarkers(TBitmap& target) const {
  const TRect markers[2] = {UpMarker(), DownMarker()};
  for (int m = 0; m < 2; ++m) {
    const TRect& r = markers[m];
    const bool lit = scroll_code_ == m + 1;
    PixelBitmap strip(r.Width(), r.Height(), SystemPixel(clWindow));
    Pixel colour = SystemPixel(lit ? clBtnText : clBtnShadow);
    if (skinned_) {
      if (item_picture_) {
        const PixelBitmap normal = PaintThreePartHorz(
            *item_picture_, item_skin_->skinrect, item_skin_->itemleftoffset,
            item_skin_->itemrightoffset, item_skin_->inactivestretcheffect, r.Width());
        strip = CropPixels(normal, {0, 0, r.Width(), r.Height()});
        if (strip.Empty()) strip = PixelBitmap(r.Width(), r.Height(), SystemPixel(clWindow));
      }
      colour =
          ColorToPixel(lit ? popup_skin_->scrollmarkeractivecolor : popup_skin_->scrollmarkercolor);
    }
    DrawArrow(strip, strip.Bounds(), colour,
              m == 0 ? TskArrowDirection::kUp : TskArrowDirection::kDown);
    PutPixels(target, strip, r.left, r.top);
  }
  // The gap between the last visible item and the down marker shows the normal item look.
  if (!skinned_ || !item_picture_ || layout_.visible_count == 0) return;
  const int gap_top = items_[std::size_t(layout_.LastVisible())].rect.bottom;
  const int gap_bottom = DownMarker().top;
  if (gap_bottom <= gap_top) return;
  const PixelBitmap normal = PaintThreePartHorz(
      *item_picture_, item_skin_->skinrect, item_skin_->itemleftoffset, item_skin_->itemrightoffset,
      item_skin_->inactivestretcheffect, items_rect_.Width());
  PutPixels(target, CropPixels(normal, {0, 0, items_rect_.Width(), gap_bottom - gap_top}),
            items_rect_.left, gap_top);
}

void TskSkinPopupWindow::Paint(HDC dc) {
  if (size_.width < 1 || size_.height < 1) return;
  TBitmap bitmap(size_.width, size_.height);
  DrawFrame(bitmap);
  for (int i = layout_.first_visible; i <= layout_.LastVisible(); ++i) {
    DrawItem(bitmap, i, items_[std::size_t(i)].rect.left, items_[std::size_t(i)].rect.top);
  }
  if (size_.overflowing) DrawMarkers(bitmap);
  GdiFlush();
  bitmap.Draw(dc, 0, 0);
}

void TskSkinPopupWindow::RepaintItem(int index) {
  if (!HandleAllocated() || !layout_.IsVisible(index)) return;
  const TRect& r = items_[std::size_t(index)].rect;
  if (r.IsEmpty()) return;
  TBitmap bitmap(r.Width(), r.Height());
  DrawItem(bitmap, index, 0, 0);
  GdiFlush();
  if (const TClientDC dc(Handle()); dc) bitmap.Draw(dc.Get(), r.left, r.top);
}

LRESULT TskSkinPopupWindow::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_DESTROY:
      // However the window goes, its timers stop: their ticks draw onto the window.
      StopTimers();
      return TCustomControl::WndProc(msg, wparam, lparam);
    case WM_LBUTTONUP:
      ReleaseAt({int(short(LOWORD(lparam))), int(short(HIWORD(lparam)))});
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return 0;
    default:
      return TCustomControl::WndProc(msg, wparam, lparam);
  }
}

}  // namespace vl
