#include "skin/form/frame_layout.h"

#include <algorithm>
#include <array>

#include "skin/paint/effect_steps.h"

namespace vl {
namespace {

TPoint Shift(TPoint p, int dx, int dy) {
  return {p.x + dx, p.y + dy};
}

// The four fixed corners of the frame picture, in picture coordinates.
struct CornerRegions {
  std::array<TRect, 4> rects;  // top-left, top-right, bottom-left, bottom-right
  int Find(TPoint p) const {
    for (int i = 0; i < 4; ++i) {
      if (rects[std::size_t(i)].Contains(p)) return i;
    }
    return -1;
  }
};

CornerRegions CornersOf(const TskFrameSkin& skin) {
  const TskFormInfo& f = *skin.info;
  const int pw = skin.picture_width;
  const int ph = skin.picture_height;
  return {{TRect{0, 0, f.lefttoppoint.x, f.lefttoppoint.y},
           TRect{f.righttoppoint.x, 0, pw, f.righttoppoint.y},
           TRect{0, f.leftbottompoint.y, f.leftbottompoint.x, ph},
           TRect{f.rightbottompoint.x, f.rightbottompoint.y, pw, ph}}};
}

bool Within(const TRect& inner, const TRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

enum Corner { kTopLeft, kTopRight, kBottomLeft, kBottomRight };

const TskLayoutItem* FirstWithCommand(const std::vector<TskLayoutItem>& items, TStdCommand c) {
  for (const TskLayoutItem& item : items) {
    if (item.is_button && item.auto_placed && item.visible && item.command == c) return &item;
  }
  return nullptr;
}

TskLayoutItem* FirstCaption(std::vector<TskLayoutItem>& items) {
  for (TskLayoutItem& item : items) {
    if (item.is_caption) return &item;
  }
  return nullptr;
}

// The buttons of the right-hand (or left-hand) group in their placing order.
std::vector<TskLayoutItem*> ButtonOrder(std::vector<TskLayoutItem>& items) {
  std::vector<TskLayoutItem*> order;
  for (TStdCommand c : {TStdCommand::cmClose, TStdCommand::cmMaximize, TStdCommand::cmMinimize,
                        TStdCommand::cmRollUp, TStdCommand::cmMinimizeToTray}) {
    if (const TskLayoutItem* item = FirstWithCommand(items, c)) {
      order.push_back(const_cast<TskLayoutItem*>(item));
    }
  }
  for (TskLayoutItem& item : items) {
    if (item.is_button && item.auto_placed && item.visible &&
        item.command == TStdCommand::cmDefault) {
      order.push_back(&item);
    }
  }
  return order;
}

bool NearEdgeWithoutMask(const TskFrameGeometry& g, const std::array<TPoint, 4>& probes) {
  const TRect window{0, 0, g.width, g.height};
  return std::any_of(probes.begin(), probes.end(), [&](TPoint q) { return !window.Contains(q); });
}

int EdgeCode(const TskFrameGeometry& g, TPoint p) {
  const TRect& c = g.points.client;
  if (p.x <= g.hit_lt.x && p.y <= g.hit_lt.y) return kHtTopLeft;
  if (p.x >= g.hit_rt.x && p.y <= g.hit_rt.y) return kHtTopRight;
  if (p.x <= g.hit_lb.x && p.y >= g.hit_lb.y) return kHtBottomLeft;
  if (p.x >= g.hit_rb.x && p.y >= g.hit_rb.y) return kHtBottomRight;
  if (TRect{g.hit_lt.x, 0, g.hit_rt.x, c.top}.Contains(p)) return kHtTop;
  if (TRect{g.hit_lb.x, c.bottom, g.hit_rb.x, g.height}.Contains(p)) return kHtBottom;
  if (TRect{0, g.hit_lt.y, c.left, g.hit_lb.y}.Contains(p)) return kHtLeft;
  if (TRect{c.right, g.hit_rt.y, g.width, g.hit_rb.y}.Contains(p)) return kHtRight;
  return 0;
}

bool InAny(const std::vector<TRect>& rects, TPoint p) {
  return std::any_of(rects.begin(), rects.end(), [p](const TRect& r) { return r.Contains(p); });
}

}  // namespace

TskSkinPoints FramePoints(const TskFormInfo& f) {
  return {f.lefttoppoint, f.righttoppoint, f.leftbottompoint, f.rightbottompoint, f.clientrect};
}

TskFrameGeometry SizeFrameGeometry(const TskFrameSkin& skin, int width, int height) {
  const TskFormInfo& f = *skin.info;
  const int dw = width - skin.picture_width;
  const int dh = height - skin.picture_height;
  TskFrameGeometry g;
  g.width = width;
  g.height = height;
  g.points = SizePoints(FramePoints(f), dw, dh);
  if (!f.captionrect.IsEmpty()) {
    g.caption = f.captionrect;
    g.caption.right += dw;
  }
  g.buttons = f.buttonsrect;
  if (!f.buttonsrect.IsEmpty() && f.buttonsrect.left > skin.picture_width / 2) {
    g.buttons = f.buttonsrect.Offset(dw, 0);
  }
  g.mask_area = {f.maskrectarea.left, f.maskrectarea.top, f.maskrectarea.right + dw,
                 f.maskrectarea.bottom + dh};
  g.hit_lt = f.hittestlefttoppoint;
  g.hit_rt = Shift(f.hittestrighttoppoint, dw, 0);
  g.hit_lb = Shift(f.hittestleftbottompoint, 0, dh);
  g.hit_rb = Shift(f.hittestrightbottompoint, dw, dh);
  return g;
}

TskFrameInsets SkinFrameInsets(const TskFrameSkin& skin) {
  const TRect& c = skin.info->clientrect;
  return {c.left, c.top, skin.picture_width - c.right, skin.picture_height - c.bottom};
}

TskFrameInsets DefaultFrameInsets(int caption_height) {
  return {3, 3 + caption_height, 3, 3};
}

TRect ClientOfWindow(const TRect& w, const TskFrameInsets& in) {
  TRect c{w.left + in.left, w.top + in.top, w.right - in.right, w.bottom - in.bottom};
  c.right = std::max(c.right, c.left);
  c.bottom = std::max(c.bottom, c.top);
  return c;
}

TRect FollowFrame(const TRect& r, const TskFrameSkin& skin, int dw, int dh) {
  const CornerRegions corners = CornersOf(skin);
  for (int i = 0; i < 4; ++i) {
    if (!Within(r, corners.rects[std::size_t(i)])) continue;
    switch (i) {
      case kTopLeft:
        return r;
      case kTopRight:
        return r.Offset(dw, 0);
      case kBottomLeft:
        return r.Offset(0, dh);
      default:
        return r.Offset(dw, dh);
    }
  }
  // The bottom-right corner of a rectangle is outside it; its last pixel decides.
  const int a = corners.Find({r.left, r.top});
  const int b = corners.Find({r.right - 1, r.bottom - 1});
  if (a == kTopLeft && b == kBottomRight) return {r.left, r.top, r.right + dw, r.bottom + dh};
  if (a == kTopLeft && b == kTopRight) return {r.left, r.top, r.right + dw, r.bottom};
  if (a == kBottomLeft && b == kBottomRight) {
    return {r.left, r.top + dh, r.right + dw, r.bottom + dh};
  }
  if (a == kTopLeft && b == kBottomLeft) return {r.left, r.top, r.right, r.bottom + dh};
  if (a == kTopRight && b == kBottomRight) {
    return {r.left + dw, r.top, r.right + dw, r.bottom + dh};
  }
  return r;
}

void LayoutFrameObjects(std::vector<TskLayoutItem>& items, const TskFrameSkin& skin,
                        const TskFrameGeometry& g) {
  const int dw = g.width - skin.picture_width;
  const int dh = g.height - skin.picture_height;
  for (TskLayoutItem& item : items) {
    item.rect = item.auto_placed ? item.skin_rect : FollowFrame(item.skin_rect, skin, dw, dh);
  }
  const bool has_buttons_area = !skin.info->buttonsrect.IsEmpty();
  const TRect area = has_buttons_area ? g.buttons : g.caption;
  if (area.IsEmpty()) return;
  const int gap = skin.info->buttonsoffset;
  const int top = area.top;
  TskLayoutItem* caption = FirstCaption(items);
  TskLayoutItem* sysmenu =
      const_cast<TskLayoutItem*>(FirstWithCommand(items, TStdCommand::cmSysMenu));
  if (!skin.info->buttonsinleft) {
    int x = area.right;
    for (TskLayoutItem* item : ButtonOrder(items)) {
      const int w = item->skin_rect.Width();
      item->rect = {x - w, top, x, top + item->skin_rect.Height()};
      x -= w + gap;
    }
    if (!has_buttons_area && caption) caption->rect.right = x + gap;
    if (sysmenu) {
      x = g.caption.left;
      const int w = sysmenu->skin_rect.Width();
      const int h = sysmenu->skin_rect.Height();
      const int t = g.caption.top + g.caption.Height() / 2 - h / 2;
      sysmenu->rect = {x, t, x + w, t + h};
      x += w + gap;
      if (caption) caption->rect.left = x - gap;
    }
    return;
  }
  int x = area.left;
  std::vector<TskLayoutItem*> order = ButtonOrder(items);
  if (!has_buttons_area && sysmenu) order.push_back(sysmenu);
  for (TskLayoutItem* item : order) {
    const int w = item->skin_rect.Width();
    item->rect = {x, top, x + w, top + item->skin_rect.Height()};
    x += w + gap;
  }
  if (!has_buttons_area && caption) caption->rect.left = x + gap;
}

TskDefaultLayout LayoutDefaultFrame(int width, int caption_height, int s, int visible_buttons,
                                    bool system_menu) {
  return LayoutDefaultFrame(width, caption_height, s, visible_buttons, system_menu, {s, s});
}

TskDefaultLayout LayoutDefaultFrame(int width, int caption_height, int s, int visible_buttons,
                                    bool system_menu, TPoint menu_size) {
  TskDefaultLayout layout;
  layout.caption_area = {3, 3, width - 3, caption_height};
  int x = width - 3;
  for (int i = 0; i < visible_buttons; ++i) {
    layout.buttons.push_back({x - s, 4, x, 4 + s});
    x -= s;
  }
  layout.caption_area.right = x;
  if (system_menu) {
    layout.system_menu = {3, 4, 3 + menu_size.x, 4 + menu_size.y};
    layout.caption_area.left = 3 + menu_size.x;
  }
  return layout;
}

int SkinFrameHitTest(const TskFrameGeometry& g, const TskFormInfo& info,
                     const std::vector<TRect>& captions, const TskHitTestState& state,
                     const std::function<bool(TPoint)>& mask_inside, TPoint p) {
  const bool in_caption = InAny(captions, p);
  const bool in_client = g.points.client.Contains(p);
  if (state.rolled_up_or_minimized) return in_caption ? kHtCaption : kHtObject;
  if (state.object_hovered && !in_caption && !in_client && !state.size_move_loop) {
    return kHtObject;
  }
  if (!state.maximized && state.resizable) {
    const int b = info.borderwidth;
    const std::array<TPoint, 4> probes{
        {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}}};
    bool near_edge = false;
    if (!mask_inside) {
      near_edge = NearEdgeWithoutMask(g, probes);
    } else if (!g.mask_area.Contains(p)) {
      near_edge =
          std::any_of(probes.begin(), probes.end(), [&](TPoint q) { return !mask_inside(q); });
    }
    if (near_edge) {
      if (int code = EdgeCode(g, p)) return code;
    }
  }
  if (in_client) return kHtClient;
  if (in_caption) return kHtCaption;
  return kHtObject;
}

int DefaultFrameHitTest(int width, int height, int caption_height, const TRect& caption_area,
                        const TskHitTestState& state, TPoint p) {
  if (state.resizable && !state.maximized && !state.rolled_up_or_minimized) {
    if (state.object_hovered) return kHtObject;
    const bool left = p.x <= 2;
    const bool top = p.y <= 2;
    const bool right = p.x >= width - 2;
    const bool bottom = p.y >= height - 2;
    if (left && top) return kHtTopLeft;
    if (right && top) return kHtTopRight;
    if (left && bottom) return kHtBottomLeft;
    if (right && bottom) return kHtBottomRight;
    if (left) return kHtLeft;
    if (top) return kHtTop;
    if (right) return kHtRight;
    if (bottom) return kHtBottom;
  }
  if (TRect{caption_area.left, 3, caption_area.right, caption_height}.Contains(p)) {
    return kHtCaption;
  }
  if (TRect{3, caption_height + 3, width - 3, height - 3}.Contains(p)) return kHtClient;
  return kHtObject;
}

TskTrackSize SkinMinTrackSize(const TskFrameSkin& skin, const TskSizeLimits& limits, bool minimized,
                              bool rolled_up) {
  const TskFormInfo& f = *skin.info;
  TskTrackSize size;
  if (skin.picture_width < limits.min_width && !minimized) {
    size.min_width = limits.min_width;
  } else if (f.formminwidth > 0) {
    size.min_width =
        limits.min_width > f.formminwidth && !minimized ? limits.min_width : f.formminwidth;
  } else {
    size.min_width = skin.picture_width;
  }
  const int frame_height = skin.picture_height - f.clientrect.Height();
  size.min_height = frame_height >= limits.min_height || rolled_up || minimized ? frame_height
                                                                                : limits.min_height;
  return size;
}

TskTrackSize DefaultMinTrackSize(int caption_height, const TskSizeLimits& limits, bool minimized,
                                 bool rolled_up) {
  const int frame_height = caption_height + 6;
  return {limits.min_width > 0 ? limits.min_width : 120,
          frame_height >= limits.min_height || rolled_up || minimized ? frame_height
                                                                      : limits.min_height};
}

TPoint CaptionTextOrigin(const TRect& r, int text_width, int text_height, TAlignment alignment) {
  const int y = r.top + r.Height() / 2 - text_height / 2;
  switch (alignment) {
    case TAlignment::taRightJustify:
      return {r.right - text_width, y};
    case TAlignment::taCenter:
      return {r.left + r.Width() / 2 - text_width / 2, y};
    case TAlignment::taLeftJustify:
      break;
  }
  return {r.left, y};
}

TRect CaptionTextRect(const TRect& textrect, const TRect& skin_rect, const TRect& object_rect,
                      const TRect& framerect, const TRect& frametextrect) {
  TRect r = textrect;
  r.right += object_rect.Width() - skin_rect.Width();
  if (!framerect.IsEmpty()) {
    r.left += frametextrect.left;
    r.top += frametextrect.top;
    r.right += frametextrect.right - framerect.Width();
  }
  return r;
}

TRect FrameObjectAnimationRect(const TRect& strip, const TRect& skin_rect, int count, int n) {
  return StripFrame(strip, count, n, StripLayoutByHeight(strip, skin_rect.Height()));
}

TskObjectAnimation MakeObjectAnimation(int count, int interval, bool cycle) {
  TskObjectAnimation a;
  a.count = std::max(count, 1);
  a.interval = std::max(interval, TskObjectAnimation::kTick);
  a.cycle = cycle;
  return a;
}

namespace {

TskFrameCounter CounterOf(const TskObjectAnimation& a) {
  TskFrameCounter counter(a.count, 1, a.cycle);
  counter.SetFrame(a.frame);
  return counter;
}

}  // namespace

bool AnimationPending(const TskObjectAnimation& a, bool pointer_over) {
  return CounterOf(a).Pending(pointer_over);
}

bool StepAnimation(TskObjectAnimation& a, bool pointer_over) {
  if (!AnimationPending(a, pointer_over)) return false;
  if (a.elapsed < a.interval) {
    a.elapsed += TskObjectAnimation::kTick;
    return false;
  }
  a.elapsed = TskObjectAnimation::kTick;
  TskFrameCounter counter = CounterOf(a);
  counter.Step(pointer_over);
  a.frame = counter.Frame();
  return true;
}

}  // namespace vl
