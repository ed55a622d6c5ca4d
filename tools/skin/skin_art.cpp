#include "skin_art.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "sheet.h"
#include "skin/data/skin_controls.h"
#include "skin/data/skin_objects.h"
#include "skin/data/window_sections.h"

namespace vl::art {
namespace {

// The palette the carried colours imply.
const Pixel kWhite = Rgb(255, 255, 255);
const Pixel kFace = Rgb(227, 238, 253);
const Pixel kHighlight = Rgb(80, 143, 208);
const Pixel kShadow = Rgb(170, 190, 219);
const Pixel kCaptionText = Rgb(62, 106, 170);
const Pixel kOrange = Rgb(248, 161, 63);
const Pixel kOutline = Rgb(112, 146, 196);
const Pixel kBorder = Rgb(133, 165, 208);
const Pixel kSoftBorder = Rgb(184, 203, 230);
const Pixel kPale = Rgb(244, 248, 254);
const Pixel kBar = Rgb(232, 241, 253);
const Pixel kMagenta = Rgb(255, 0, 255);
const Pixel kGlyph = Rgb(62, 106, 170);
const Pixel kDisabledGlyph = Rgb(170, 190, 219);

const BoxStyle kNormalBox{kBorder, kWhite, Rgb(220, 233, 251), 3, true, false};
const BoxStyle kHotBox{kHighlight, Rgb(250, 252, 255), Rgb(206, 226, 251), 3, true, true};
const BoxStyle kDownBox{kHighlight, Rgb(190, 214, 244), Rgb(214, 230, 250), 3, false, false};
const BoxStyle kDisabledBox{
    Rgb(200, 213, 232), Rgb(236, 242, 251), Rgb(236, 242, 251), 3, false, false};

enum class State { kNormal, kHot, kDown, kDisabled };

const BoxStyle& StyleOf(State state) {
  switch (state) {
    case State::kHot:
      return kHotBox;
    case State::kDown:
      return kDownBox;
    case State::kDisabled:
      return kDisabledBox;
    case State::kNormal:
      break;
  }
  return kNormalBox;
}

// The caption band of the window picture, row by row; caption buttons repeat the rows they
// cover so that they sit on the caption seamlessly.
Pixel CaptionRow(int y) {
  if (y <= 0) return kOutline;
  if (y == 1) return kWhite;
  if (y >= 26) return kShadow;
  return Mix(Rgb(248, 251, 255), Rgb(214, 229, 249), double(y - 2) / 23.0);
}

PixelBitmap Look(const TRect& r, Pixel background = kFace) {
  return PixelBitmap(r.Width(), r.Height(), background);
}

TRect Whole(const PixelBitmap& b) {
  return b.Bounds();
}

PixelBitmap StateBox(const TRect& r, State state, Pixel background = kFace) {
  PixelBitmap b = Look(r, background);
  DrawBox(b, Whole(b), StyleOf(state));
  return b;
}

PixelBitmap GlyphBox(const TRect& r, State state, Glyph glyph) {
  PixelBitmap b = StateBox(r, state);
  TRect area = Whole(b);
  if (state == State::kDown) area = area.Offset(1, 1);
  DrawGlyph(b, area, glyph, state == State::kDisabled ? kDisabledGlyph : kGlyph);
  return b;
}

// A white, framed field: edits, memos, list boxes.
PixelBitmap Field(const TRect& r, Pixel border, Pixel background = kFace) {
  PixelBitmap b = Look(r, background);
  DrawBox(b, Whole(b), {border, kWhite, kWhite, 1, false, false});
  HLine(b, 1, b.Width() - 1, 1, Rgb(232, 240, 251));
  return b;
}

class Skin {
 public:
  explicit Skin(const TIniText& ini) : ini_(ini) {}
  std::map<std::string, SkinPicture> Draw();

 private:
  Sheet& Active(int index, const std::string& owner);
  void Put(int picture, const TRect& r, const PixelBitmap& look, const std::string& owner) {
    if (!r.IsEmpty()) Active(picture, owner).Place(r, look, owner);
  }
  template <class Make>
  void PutEach(int picture, std::initializer_list<std::pair<TRect, State>> rects, Make make,
               const std::string& owner) {
    for (auto [r, state] : rects) {
      if (!r.IsEmpty()) Put(picture, r, make(r, state), owner);
    }
  }

  void DrawFrame(SkinPicture& picture, SkinPicture& mask);
  void DrawPopup(const TskDataSkinPopupWindow& popup);
  void DrawHint(const TskDataSkinHintWindow& hint);
  void DrawMdiBackground(int index);
  void DrawObject(TskDataSkinObject& object);
  void DrawCaptionButton(const TskDataSkinStdButton& b);
  void DrawBarButton(const TskDataSkinStdButton& b);
  void DrawMenuItem(const TskDataSkinMenuItem& item);
  void DrawMenuBarItem(const TskDataSkinMainMenuItem& item);
  void DrawControl(TskDataSkinControl& control);
  void DrawButton(const TskDataSkinButtonControl& b);
  void DrawPanel(const TskDataSkinPanelControl& p);
  void DrawScrollBar(const TskDataSkinScrollBarControl& s);
  void DrawCheckImages(const std::string& owner, int picture, bool radio,
                       std::initializer_list<std::pair<TRect, State>> cells, bool grayed_from);
  void DrawEditButtons(const TskDataSkinEditControl& e);
  void DrawListBox(const TskDataSkinListBox& l);
  void DrawUnusedKinds(TskDataSkinControl& control);

  const TIniText& ini_;
  std::map<int, Sheet> sheets_;
  std::vector<std::string> names_;
};

Sheet& Skin::Active(int index, const std::string& owner) {
  auto found = sheets_.find(index);
  if (found == sheets_.end()) {
    throw std::runtime_error(owner + " names picture " + std::to_string(index) +
                             ", which the skin does not draw");
  }
  return found->second;
}

struct ActivePictureFile {
  const char* name;
  int width;
  int height;
  Pixel background;
};

// The sizes of the carried pictures, in the order the PICTURES section lists them.
const ActivePictureFile kActivePictures[] = {
    {"active.bmp", 75, 263, Rgb(232, 241, 253)},
    {"hintwindow.bmp", 28, 21, kWhite},
    {"pw.bmp", 93, 55, kWhite},
    {"menuitems.bmp", 132, 126, kWhite},
    {"controls.bmp", 556, 410, kFace},
    {"mdibg.bmp", 219, 178, kFace},
    {"pwmask.bmp", 93, 55, kWhite},
    {"hintwindowmask.bmp", 28, 21, kWhite},
};

std::vector<Pixel> GrayPalette(int bits) {
  int n = 1 << bits;
  std::vector<Pixel> palette;
  for (int i = 0; i < n; ++i) {
    int v = n == 2 ? i * 255 : i * 255 / (n - 1);
    palette.push_back(Rgb(v, v, v));
  }
  return palette;
}

// The shape of a window picture: rounded top corners, slightly rounded bottom ones.
bool InsideWindow(int x, int y, int w, int h, int top_radius, int bottom_radius) {
  auto outside_corner = [](int dx, int dy, int r) {
    if (dx >= r || dy >= r) return false;
    double cx = r - dx - 0.5, cy = r - dy - 0.5;
    return cx * cx + cy * cy > r * r;
  };
  return !(outside_corner(x, y, top_radius) || outside_corner(w - 1 - x, y, top_radius) ||
           outside_corner(x, h - 1 - y, bottom_radius) ||
           outside_corner(w - 1 - x, h - 1 - y, bottom_radius));
}

}  // namespace

void Skin::DrawFrame(SkinPicture& picture, SkinPicture& mask) {
  const int w = 285, h = 210;
  TskFormInfo info;
  info.masked = true;
  info.Read(ini_);
  const TRect& c = info.clientrect;
  PixelBitmap frame(w, h, kFace);
  PixelBitmap shape(w, h, kWhite);
  auto inside = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < w && y < h && InsideWindow(x, y, w, h, 8, 4);
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!inside(x, y)) continue;
      shape.At(x, y) = 0;
      Pixel color = kFace;
      if (y < c.top) {
        color = CaptionRow(y);
      } else if (x < c.left) {
        const Pixel left[] = {kOutline, kWhite, kFace, kShadow};
        color = left[std::min(x, 3)];
      } else if (x >= c.right) {
        const Pixel right[] = {kShadow, kFace, Rgb(200, 218, 242), kOutline};
        color = right[std::min(x - c.right, 3)];
      } else if (y >= c.bottom) {
        const Pixel bottom[] = {kShadow, kFace, Rgb(200, 218, 242), kOutline};
        color = bottom[std::min(y - c.bottom, 3)];
      }
      bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      frame.At(x, y) = edge ? kOutline : color;
    }
  }
  picture = {frame, 24, {}};
  mask = {shape, 8, GrayPalette(8)};
}

void Skin::DrawPopup(const TskDataSkinPopupWindow& popup) {
  Sheet& sheet = Active(popup.windowpictureindex, "POPUPWINDOW");
  PixelBitmap look(sheet.Bitmap().Width(), sheet.Bitmap().Height(), kWhite);
  DrawBox(look, Whole(look), {Rgb(128, 160, 204), kWhite, kWhite, 3, false, false});
  Fill(look, popup.itemsrect, kWhite);
  sheet.Place(Whole(look), look, "POPUPWINDOW");

  PixelBitmap shape(look.Width(), look.Height(), kWhite);
  DrawBox(shape, Whole(shape), {0, 0, 0, 3, false, false});
  Active(popup.maskpictureindex, "POPUPWINDOW").Place(Whole(shape), shape, "POPUPWINDOW mask");
}

void Skin::DrawHint(const TskDataSkinHintWindow& hint) {
  Sheet& sheet = Active(hint.windowpictureindex, "HINTWINDOW");
  PixelBitmap look(sheet.Bitmap().Width(), sheet.Bitmap().Height(), kWhite);
  DrawBox(look, Whole(look), {Rgb(118, 157, 210), kWhite, Rgb(228, 239, 253), 3, false, false});
  sheet.Place(Whole(look), look, "HINTWINDOW");
  PixelBitmap shape(look.Width(), look.Height(), kWhite);
  DrawBox(shape, Whole(shape), {0, 0, 0, 3, false, false});
  Active(hint.maskpictureindex, "HINTWINDOW").Place(Whole(shape), shape, "HINTWINDOW mask");
}

void Skin::DrawMdiBackground(int index) {
  Sheet& sheet = Active(index, "FORMINFO mdibgpictureindex");
  PixelBitmap look(sheet.Bitmap().Width(), sheet.Bitmap().Height());
  for (int y = 0; y < look.Height(); ++y) {
    Pixel row = Mix(Rgb(240, 246, 254), Rgb(212, 227, 248), double(y) / (look.Height() - 1));
    for (int x = 0; x < look.Width(); ++x) {
      bool line = (x + y) % 14 == 0;
      look.At(x, y) = line ? Mix(row, kWhite, 0.45) : row;
    }
  }
  sheet.Place(Whole(look), look, "mdi background");
}

void Skin::DrawCaptionButton(const TskDataSkinStdButton& b) {
  static const std::map<TStdCommand, std::pair<Glyph, Glyph>> kGlyphs = {
      {TStdCommand::cmClose, {Glyph::kClose, Glyph::kClose}},
      {TStdCommand::cmMaximize, {Glyph::kMaximize, Glyph::kRestore}},
      {TStdCommand::cmMinimize, {Glyph::kMinimize, Glyph::kRestore}},
      {TStdCommand::cmRollUp, {Glyph::kRollUp, Glyph::kRollDown}},
      {TStdCommand::cmMinimizeToTray, {Glyph::kTray, Glyph::kTray}},
      {TStdCommand::cmSysMenu, {Glyph::kMagnifier, Glyph::kMagnifier}},
  };
  auto glyphs = kGlyphs.at(b.command);
  // Caption buttons lie on the caption from row 5 (the system menu button from row 8).
  int caption_top = b.command == TStdCommand::cmSysMenu ? 8 : 5;
  bool close = b.command == TStdCommand::cmClose;
  bool sysmenu = b.command == TStdCommand::cmSysMenu;
  auto make = [caption_top, close, sysmenu](Glyph glyph) {
    return [=](const TRect& r, State state) {
      PixelBitmap look = Look(r);
      for (int y = 0; y < look.Height(); ++y)
        HLine(look, 0, look.Width(), y, CaptionRow(caption_top + y));
      Pixel color = state == State::kDisabled ? kDisabledGlyph : kGlyph;
      if (state == State::kHot || state == State::kDown) {
        BoxStyle style = StyleOf(state);
        style.hot_mark = false;
        if (close)
          style = {Rgb(214, 120, 40),
                   state == State::kHot ? Rgb(252, 196, 128) : Rgb(236, 140, 52),
                   state == State::kHot ? kOrange : Rgb(244, 170, 90),
                   3,
                   false,
                   false};
        DrawBox(look, Whole(look), style);
        if (close) color = kWhite;
      }
      TRect area = Whole(look);
      if (state == State::kDown) area = area.Offset(1, 1);
      if (sysmenu && state == State::kNormal) color = kHighlight;
      DrawGlyph(look, area, glyph, color);
      return look;
    };
  };
  int p = b.activepictureindex;
  PutEach(p,
          {{b.skinrect, State::kNormal},
           {b.activeskinrect, State::kHot},
           {b.downrect, State::kDown},
           {b.disableskinrsect, State::kDisabled}},
          make(glyphs.first), b.SectionName);
  PutEach(p,
          {{b.restorerect, State::kNormal},
           {b.restoreactiverect, State::kHot},
           {b.restoredownrect, State::kDown}},
          make(glyphs.second), b.SectionName + " restore");
}

void Skin::DrawBarButton(const TskDataSkinStdButton& b) {
  static const std::map<TStdCommand, Glyph> kGlyphs = {
      {TStdCommand::cmClose, Glyph::kClose},
      {TStdCommand::cmMaximize, Glyph::kRestore},
      {TStdCommand::cmMinimize, Glyph::kMinimize},
      {TStdCommand::cmSysMenu, Glyph::kMagnifier},
  };
  Glyph glyph = kGlyphs.at(b.command);
  auto make = [glyph](const TRect& r, State state) {
    PixelBitmap look = Look(r, kBar);
    BoxStyle style = StyleOf(state);
    style.hot_mark = false;
    if (state != State::kNormal) DrawBox(look, Whole(look), style);
    DrawGlyph(look, state == State::kDown ? Whole(look).Offset(1, 1) : Whole(look), glyph, kGlyph);
    return look;
  };
  PutEach(
      b.activepictureindex,
      {{b.skinrect, State::kNormal}, {b.activeskinrect, State::kHot}, {b.downrect, State::kDown}},
      make, b.SectionName);
}

void Skin::DrawMenuItem(const TskDataSkinMenuItem& item) {
  const int column = item.imagerect.right + 1;
  auto background = [&](const TRect& r) {
    PixelBitmap look = Look(r, kWhite);
    Fill(look, {0, 0, column, look.Height()}, Rgb(233, 241, 253));
    VLine(look, column, 0, look.Height(), Rgb(214, 228, 247));
    return look;
  };
  int p = item.activepictureindex;
  Put(p, item.skinrect, background(item.skinrect), item.SectionName);
  PixelBitmap hot = background(item.activeskinrect);
  DrawBox(hot, {1, 0, hot.Width() - 1, hot.Height()},
          {Rgb(122, 167, 220), Rgb(241, 247, 255), Rgb(210, 228, 251), 3, true, false});
  Put(p, item.activeskinrect, hot, item.SectionName + " hot");
  // A popup draws a separator from the same left edge as an item, so the column sits at the
  // same offset from the divider's own left edge, wherever the divider lies in the picture.
  PixelBitmap divider = Look(item.dividerrect, kWhite);
  Fill(divider, {0, 0, column, divider.Height()}, Rgb(233, 241, 253));
  VLine(divider, column, 0, divider.Height(), Rgb(214, 228, 247));
  HLine(divider, item.dividerleftoffset, divider.Width() - item.dividerrightoffset,
        divider.Height() / 2, Rgb(197, 213, 235));
  Put(p, item.dividerrect, divider, item.SectionName + " divider");
}

void Skin::DrawMenuBarItem(const TskDataSkinMainMenuItem& item) {
  auto make = [](const TRect& r, State state) {
    PixelBitmap look = Look(r, kBar);
    if (state == State::kHot) {
      DrawBox(look, Whole(look),
              {Rgb(122, 167, 220), Rgb(250, 252, 255), Rgb(214, 230, 251), 3, true, true});
    } else if (state == State::kDown) {
      DrawBox(look, Whole(look), kDownBox);
    }
    return look;
  };
  PutEach(item.activepictureindex,
          {{item.skinrect, State::kNormal},
           {item.activeskinrect, State::kHot},
           {item.downrect, State::kDown}},
          make, item.SectionName);
}

void Skin::DrawObject(TskDataSkinObject& object) {
  if (auto* bar_button = dynamic_cast<TskDataSkinMainMenuBarButton*>(&object)) {
    DrawBarButton(*bar_button);
  } else if (auto* button = dynamic_cast<TskDataSkinStdButton*>(&object)) {
    DrawCaptionButton(*button);
  } else if (auto* item = dynamic_cast<TskDataSkinMenuItem*>(&object)) {
    DrawMenuItem(*item);
  } else if (auto* bar_item = dynamic_cast<TskDataSkinMainMenuItem*>(&object)) {
    DrawMenuBarItem(*bar_item);
  }
  // The caption is text on the window picture's own caption band.
}

void Skin::DrawButton(const TskDataSkinButtonControl& b) {
  const std::string& name = b.SectionName;
  int p = b.pictureindex;
  auto states = {std::pair{b.skinrect, State::kNormal},
                 {b.activeskinrect, State::kHot},
                 {b.downskinrect, State::kDown},
                 {b.disabledskinrect, State::kDisabled},
                 {b.focusedskinrect, State::kHot}};
  if (name == "resizetoolbutton") {
    // Column headers: square sections side by side, the hot one marked in orange.
    auto header = [](const TRect& r, State state) {
      PixelBitmap look = Look(r);
      Pixel top = state == State::kDown ? Rgb(205, 223, 247)
                                        : (state == State::kHot ? Rgb(252, 253, 255) : kWhite);
      Pixel bottom = state == State::kDown
                         ? Rgb(222, 234, 251)
                         : (state == State::kHot ? Rgb(229, 240, 254) : Rgb(223, 235, 252));
      FillGradient(look, Whole(look), top, bottom);
      HLine(look, 0, look.Width(), look.Height() - 1, kShadow);
      VLine(look, look.Width() - 1, 3, look.Height() - 3, Rgb(190, 207, 232));
      VLine(look, look.Width() - 2, 3, look.Height() - 3, kWhite);
      if (state == State::kHot) {
        HLine(look, 0, look.Width(), look.Height() - 3, kOrange);
        HLine(look, 0, look.Width(), look.Height() - 2, kOrange);
      }
      return look;
    };
    PutEach(p, states, header, name);
  } else {
    Glyph glyph = name == "combobutton"        ? Glyph::kArrowDown
                  : name == "vtracktoolbutton" ? Glyph::kGrip
                                               : Glyph::kDot;
    bool plain = glyph == Glyph::kDot;
    PutEach(
        p, states,
        [=](const TRect& r, State state) {
          return plain ? StateBox(r, state) : GlyphBox(r, state, glyph);
        },
        name);
  }
  if (!b.menumarkerrect.IsEmpty()) {
    PixelBitmap marker = Look(b.menumarkerrect, kMagenta);
    for (int i = 0; i < marker.Height(); ++i) HLine(marker, i, marker.Width() - i, i, kCaptionText);
    Put(p, b.menumarkerrect, marker, "menu marker");
  }
  if (auto* menu = dynamic_cast<const TskDataSkinMenuButtonControl*>(&b)) {
    Put(p, menu->trackbuttonrect,
        GlyphBox(menu->trackbuttonrect, State::kNormal, Glyph::kSmallArrowDown),
        name + " track button");
  }
}

void Skin::DrawPanel(const TskDataSkinPanelControl& panel) {
  const std::string& name = panel.SectionName;
  PixelBitmap look = Look(panel.skinrect);
  int w = look.Width(), h = look.Height();
  if (name == "groupbox") {
    DrawBox(look, {0, 7, w, h}, {kSoftBorder, kFace, kFace, 2, false, false});
    Fill(look, panel.captionrect, kFace);
  } else if (name == "statusbar") {
    HLine(look, 0, w, 0, kSoftBorder);
    HLine(look, 0, w, 1, kWhite);
  } else if (name.find("tool") != std::string::npos) {
    FillGradient(look, Whole(look), Rgb(249, 251, 255), Rgb(221, 233, 251));
    HLine(look, 0, w, h - 1, kSoftBorder);
  } else {
    FrameRect(look, Whole(look), kSoftBorder);
    HLine(look, 1, w - 1, 1, kWhite);
    VLine(look, 1, 1, h - 1, kWhite);
    HLine(look, 1, w - 1, h - 2, Rgb(214, 228, 247));
    VLine(look, w - 2, 2, h - 1, Rgb(214, 228, 247));
  }
  Put(panel.pictureindex, panel.skinrect, look, name);
}

namespace {

PixelBitmap ScrollButton(const TRect& r, State state, Glyph glyph) {
  PixelBitmap look = Look(r, Rgb(240, 245, 252));
  BoxStyle style = StyleOf(state);
  style.hot_mark = false;
  style.radius = 2;
  DrawBox(look, Whole(look), style);
  DrawGlyph(look, state == State::kDown ? Whole(look).Offset(1, 1) : Whole(look), glyph, kGlyph);
  return look;
}

PixelBitmap Thumb(const TRect& r, State state, bool vertical) {
  PixelBitmap look = Look(r, Rgb(240, 245, 252));
  BoxStyle style = state == State::kHot ? kHotBox : kNormalBox;
  style.hot_mark = false;
  DrawBox(look, Whole(look), style);
  int cx = look.Width() / 2, cy = look.Height() / 2;
  for (int i = -2; i <= 2; i += 2) {
    if (vertical) {
      HLine(look, cx - 3, cx + 3, cy + i, kShadow);
    } else {
      VLine(look, cx + i, cy - 3, cy + 3, kShadow);
    }
  }
  return look;
}

}  // namespace

void Skin::DrawScrollBar(const TskDataSkinScrollBarControl& s) {
  bool vertical = s.SectionName == "vscrollbar";
  Glyph low = vertical ? Glyph::kArrowUp : Glyph::kArrowLeft;
  Glyph high = vertical ? Glyph::kArrowDown : Glyph::kArrowRight;
  int p = s.pictureindex;
  PixelBitmap bar = Look(s.skinrect, Rgb(240, 245, 252));
  const TRect& t = s.trackarea;
  Fill(bar, t, Rgb(240, 245, 252));
  if (vertical) {
    VLine(bar, t.left, t.top, t.bottom, Rgb(214, 228, 247));
    VLine(bar, t.right - 1, t.top, t.bottom, Rgb(214, 228, 247));
  } else {
    HLine(bar, t.left, t.right, t.top, Rgb(214, 228, 247));
    HLine(bar, t.left, t.right, t.bottom - 1, Rgb(214, 228, 247));
  }
  auto place_in_bar = [&](const TRect& r, const PixelBitmap& look) {
    for (int y = 0; y < look.Height(); ++y)
      for (int x = 0; x < look.Width(); ++x) bar.At(r.left + x, r.top + y) = look.At(x, y);
  };
  place_in_bar(s.downbuttonrect, ScrollButton(s.downbuttonrect, State::kNormal, low));
  place_in_bar(s.upbuttonrect, ScrollButton(s.upbuttonrect, State::kNormal, high));
  if (s.SectionName == "bothhscrollbar") {
    TRect corner{s.upbuttonrect.right, 0, bar.Width(), bar.Height()};
    Fill(bar, corner, kFace);
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j <= i; ++j)
        Fill(bar, RectOfSize(corner.right - 4 - 3 * j, corner.bottom - 4 - 3 * (i - j), 2, 2),
             kShadow);
  }
  Put(p, s.skinrect, bar, s.SectionName);
  auto button = [](Glyph glyph) {
    return [glyph](const TRect& r, State state) { return ScrollButton(r, state, glyph); };
  };
  PutEach(p, {{s.activeupbuttonrect, State::kHot}, {s.downupbuttonrect, State::kDown}},
          button(high), s.SectionName + " end button");
  PutEach(p, {{s.activedownbuttonrect, State::kHot}, {s.downdownbuttonrect, State::kDown}},
          button(low), s.SectionName + " start button");
  PutEach(
      p,
      {{s.thumbrect, State::kNormal},
       {s.activethumbrect, State::kHot},
       {s.downthumbrect, State::kDown}},
      [vertical](const TRect& r, State state) { return Thumb(r, state, vertical); },
      s.SectionName + " thumb");
}

void Skin::DrawCheckImages(const std::string& owner, int picture, bool radio,
                           std::initializer_list<std::pair<TRect, State>> cells, bool grayed_from) {
  int n = 0;
  for (auto [r, state] : cells) {
    int index = n++;
    if (r.IsEmpty()) continue;
    bool checked = index % 2 == 0;
    bool grayed = grayed_from && index >= 6;
    PixelBitmap look = Look(r);
    Pixel border = state == State::kDisabled ? Rgb(200, 213, 232)
                                             : (state == State::kHot ? kHighlight : kBorder);
    Pixel fill_top = state == State::kDisabled ? Rgb(240, 244, 250) : kWhite;
    Pixel fill_bottom = state == State::kHot ? Rgb(222, 236, 253) : fill_top;
    DrawBox(look, Whole(look), {border, fill_top, fill_bottom, radio ? 6 : 1, false, false});
    Pixel mark = state == State::kDisabled ? kDisabledGlyph : kCaptionText;
    if (grayed) {
      Fill(look, {3, 3, look.Width() - 3, look.Height() - 3}, kShadow);
    } else if (checked) {
      DrawGlyph(look, Whole(look), radio ? Glyph::kDot : Glyph::kCheck, mark);
    }
    Put(picture, r, look, owner);
  }
}

void Skin::DrawEditButtons(const TskDataSkinEditControl& e) {
  PutEach(
      e.pictureindex,
      {{e.buttonrect, State::kNormal},
       {e.activebuttonrect, State::kHot},
       {e.downbuttonrect, State::kDown},
       {e.unenabledbuttonrect, State::kDisabled}},
      [](const TRect& r, State state) { return GlyphBox(r, state, Glyph::kEllipsis); },
      e.SectionName + " button");
}

void Skin::DrawListBox(const TskDataSkinListBox& l) {
  int p = l.pictureindex;
  PixelBitmap box = Field(l.skinrect, kBorder);
  if (!l.captionrect.IsEmpty()) {
    TRect band{1, 1, box.Width() - 1, l.captionrect.bottom};
    FillGradient(box, band, Rgb(249, 251, 255), Rgb(221, 233, 251));
    HLine(box, 1, box.Width() - 1, band.bottom, kSoftBorder);
  }
  Put(p, l.skinrect, box, l.SectionName);
  Put(p, l.itemrect, Look(l.itemrect, kWhite), "list item");
  PixelBitmap selected = Look(l.activeitemrect, kWhite);
  DrawBox(selected, Whole(selected),
          {Rgb(122, 167, 220), Rgb(232, 242, 255), Rgb(206, 225, 250), 2, false, false});
  Put(p, l.activeitemrect, selected, "selected list item");
  PixelBitmap focused = Look(l.focusitemrect, kWhite);
  for (int x = 0; x < focused.Width(); x += 2) {
    Plot(focused, x, 0, kShadow);
    Plot(focused, x, focused.Height() - 1, kShadow);
  }
  Put(p, l.focusitemrect, focused, "focused list item");
  if (auto* check = dynamic_cast<const TskDataSkinCheckListBox*>(&l)) {
    DrawCheckImages(
        "check box", p, false,
        {{check->checkimagerect, State::kNormal}, {check->uncheckimagerect, State::kNormal}},
        false);
  }
}

void Skin::DrawControl(TskDataSkinControl& control) {
  const std::string& name = control.SectionName;
  int p = control.pictureindex;
  if (p < 0) return;
  if (auto* b = dynamic_cast<TskDataSkinButtonControl*>(&control)) return DrawButton(*b);
  if (auto* panel = dynamic_cast<TskDataSkinPanelControl*>(&control)) return DrawPanel(*panel);
  if (auto* s = dynamic_cast<TskDataSkinScrollBarControl*>(&control)) return DrawScrollBar(*s);
  if (auto* label = dynamic_cast<TskDataSkinLabelControl*>(&control)) {
    PixelBitmap look = Look(label->skinrect);
    if (name != "label") {
      DrawBox(look, Whole(look), {kSoftBorder, kPale, kPale, 1, false, false});
    }
    return Put(p, label->skinrect, look, name);
  }
  if (auto* memo = dynamic_cast<TskDataSkinMemoControl*>(&control)) {
    return Put(p, memo->skinrect, Field(memo->skinrect, Rgb(152, 180, 218)), name);
  }
  if (auto* edit = dynamic_cast<TskDataSkinEditControl*>(&control)) {
    Put(p, edit->skinrect, Field(edit->skinrect, kBorder), "edit field");
    Put(p, edit->activeskinrect, Field(edit->activeskinrect, kHighlight), "active edit field");
    return DrawEditButtons(*edit);
  }
  if (auto* bar = dynamic_cast<TskDataSkinMainMenuBar*>(&control)) {
    PixelBitmap look = Look(bar->skinrect, kBar);
    HLine(look, 0, look.Width(), 0, kWhite);
    HLine(look, 0, look.Width(), look.Height() - 1, Rgb(190, 207, 232));
    return Put(p, bar->skinrect, look, name);
  }
  if (auto* l = dynamic_cast<TskDataSkinListBox*>(&control)) return DrawListBox(*l);
  DrawUnusedKinds(control);
}

void Skin::DrawUnusedKinds(TskDataSkinControl& control) {
  const std::string& name = control.SectionName;
  int p = control.pictureindex;
  if (auto* c = dynamic_cast<TskDataSkinCheckRadioControl*>(&control)) {
    Put(p, c->skinrect, Look(c->skinrect), "check box face");
    PixelBitmap hot = Look(c->activeskinrect);
    DrawBox(hot, Whole(hot), {Rgb(214, 228, 247), kPale, kPale, 2, false, false});
    Put(p, c->activeskinrect, hot, "check box hot face");
    bool radio = name == "radiobox";
    DrawCheckImages(radio ? "radio box" : "check box", p, radio,
                    {{c->checkimagerect, State::kNormal},
                     {c->uncheckimagerect, State::kNormal},
                     {c->activecheckimagerect, State::kHot},
                     {c->activeuncheckimagerect, State::kHot},
                     {c->unenabledcheckimagerect, State::kDisabled},
                     {c->unenableduncheckimagerect, State::kDisabled},
                     {c->grayedcheckimagerect, State::kNormal},
                     {c->activegrayedcheckimagerect, State::kHot}},
                    true);
  } else if (auto* g = dynamic_cast<TskDataSkinGaugeControl*>(&control)) {
    PixelBitmap trough = Look(g->skinrect);
    DrawBox(trough, Whole(trough), {Rgb(152, 180, 218), kPale, kWhite, 2, false, false});
    Put(p, g->skinrect, trough, name);
    PixelBitmap progress = Look(g->progressrect);
    if (g->vertical) {
      for (int x = 0; x < progress.Width(); ++x)
        VLine(progress, x, 0, progress.Height(),
              Mix(Rgb(120, 172, 228), kHighlight, double(x) / (progress.Width() - 1)));
    } else {
      FillGradient(progress, Whole(progress), Rgb(120, 172, 228), kHighlight);
    }
    Put(p, g->progressrect, progress, name + " progress");
  } else if (auto* t = dynamic_cast<TskDataSkinTrackBarControl*>(&control)) {
    PixelBitmap groove = Look(t->skinrect);
    int w = groove.Width(), h = groove.Height();
    TRect line = t->vertical ? TRect{w / 2 - 2, t->trackarea.top, w / 2 + 2, t->trackarea.bottom}
                             : TRect{t->trackarea.left, h / 2 - 2, t->trackarea.right, h / 2 + 2};
    DrawBox(groove, line, {kBorder, Rgb(214, 228, 247), kWhite, 1, false, false});
    Put(p, t->skinrect, groove, name);
    Put(p, t->activeskinrect, groove, name);
    PutEach(
        p, {{t->buttonrect, State::kNormal}, {t->activebuttonrect, State::kHot}},
        [](const TRect& r, State state) { return StateBox(r, state); }, name + " thumb");
  } else if (auto* s = dynamic_cast<TskDataSkinSplitterControl*>(&control)) {
    PixelBitmap face = Look(s->skinrect);
    Put(p, s->skinrect, face, name);
    PixelBitmap grip = Look(s->gripperrect);
    bool tall = grip.Height() > grip.Width();
    for (int i = 2; i < (tall ? grip.Height() : grip.Width()) - 2; i += 4) {
      Fill(grip, tall ? RectOfSize(2, i, 2, 2) : RectOfSize(i, 2, 2, 2), kShadow);
    }
    Put(p, s->gripperrect, grip, name + " grip");
  } else if (auto* u = dynamic_cast<TskDataSkinUpDownControl*>(&control)) {
    bool vertical = name == "vupdown";
    Glyph up = vertical ? Glyph::kArrowUp : Glyph::kArrowRight;
    Glyph down = vertical ? Glyph::kArrowDown : Glyph::kArrowLeft;
    auto make = [](Glyph glyph) {
      return [glyph](const TRect& r, State state) { return ScrollButton(r, state, glyph); };
    };
    PutEach(p,
            {{u->upbuttonrect, State::kNormal},
             {u->activeupbuttonrect, State::kHot},
             {u->downupbuttonrect, State::kDown}},
            make(up), name);
    PutEach(p,
            {{u->downbuttonrect, State::kNormal},
             {u->activedownbuttonrect, State::kHot},
             {u->downdownbuttonrect, State::kDown}},
            make(down), name);
    PixelBitmap both = Look(u->skinrect);
    int half = vertical ? both.Height() / 2 : both.Width() / 2;
    TRect first =
        vertical ? TRect{0, 0, both.Width(), half} : TRect{half, 0, both.Width(), both.Height()};
    TRect second =
        vertical ? TRect{0, half, both.Width(), both.Height()} : TRect{0, 0, half, both.Height()};
    for (auto [r, glyph] : {std::pair{first, up}, {second, down}}) {
      PixelBitmap b = ScrollButton(r, State::kNormal, glyph);
      for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) both.At(r.left + x, r.top + y) = b.At(x, y);
    }
    Put(p, u->skinrect, both, name + " pair");
  } else if (auto* grid = dynamic_cast<TskDataSkinGridControl*>(&control)) {
    PixelBitmap fixed = Look(grid->fixedcellrect);
    FillGradient(fixed, Whole(fixed), kWhite, Rgb(223, 235, 252));
    HLine(fixed, 0, fixed.Width(), fixed.Height() - 1, kShadow);
    VLine(fixed, fixed.Width() - 1, 0, fixed.Height(), Rgb(190, 207, 232));
    Put(p, grid->fixedcellrect, fixed, name + " fixed cell");
    PixelBitmap selected = Look(grid->selectcellrect, kWhite);
    Fill(selected, Whole(selected), Rgb(206, 225, 250));
    Put(p, grid->selectcellrect, selected, name + " selected cell");
    PixelBitmap focus = Look(grid->focuscellrect, kWhite);
    FrameRect(focus, Whole(focus), kHighlight);
    Put(p, grid->focuscellrect, focus, name + " focus cell");
  } else if (auto* tab = dynamic_cast<TskDataSkinTabControl*>(&control)) {
    PixelBitmap page = Look(tab->skinrect);
    DrawBox(page, Whole(page), {kBorder, kPale, kFace, 2, true, false});
    Put(p, tab->skinrect, page, name);
    auto make = [](const TRect& r, State state) {
      PixelBitmap look = Look(r);
      BoxStyle style = state == State::kDown ? BoxStyle{kBorder, kWhite, kPale, 3, false, false}
                                             : StyleOf(state);
      style.hot_mark = false;
      DrawBox(look, {0, 0, look.Width(), look.Height() + 3}, style);
      if (state == State::kHot) HLine(look, 2, look.Width() - 2, 1, kOrange);
      return look;
    };
    PutEach(p,
            {{tab->tabrect, State::kNormal},
             {tab->activetabrect, State::kDown},
             {tab->focustabrect, State::kDown},
             {tab->mouseintabrect, State::kHot}},
            make, name + " tab");
  } else if (auto* bar = dynamic_cast<TskDataSkinControlBar*>(&control)) {
    PixelBitmap bg = Look(bar->skinrect);
    FillGradient(bg, Whole(bg), Rgb(249, 251, 255), Rgb(221, 233, 251));
    Put(p, bar->skinrect, bg, name);
    PixelBitmap band = Look(bar->itemrect);
    DrawBox(band, Whole(band), {kSoftBorder, kWhite, Rgb(226, 236, 252), 2, true, false});
    Put(p, bar->itemrect, band, name + " band");
    for (const TRect& r : {bar->hgriprect, bar->vgriprect}) {
      PixelBitmap grip = Look(r);
      bool tall = grip.Height() > grip.Width();
      for (int i = 3; i < (tall ? grip.Height() : grip.Width()) - 3; i += 3)
        Fill(grip, tall ? RectOfSize(2, i, 2, 2) : RectOfSize(i, 2, 2, 2), kShadow);
      Put(p, r, grip, name + " grip");
    }
  } else if (auto* combo = dynamic_cast<TskDataSkinComboBox*>(&control)) {
    Put(p, combo->skinrect, Field(combo->skinrect, kBorder), "combo field");
    Put(p, combo->activeskinrect, Field(combo->activeskinrect, kHighlight), "active combo field");
    PutEach(
        p,
        {{combo->buttonrect, State::kNormal},
         {combo->activebuttonrect, State::kHot},
         {combo->downbuttonrect, State::kDown},
         {combo->unenabledbuttonrect, State::kDisabled}},
        [](const TRect& r, State state) { return GlyphBox(r, state, Glyph::kArrowDown); },
        "combo button");
    Put(p, combo->itemrect, Look(combo->itemrect, kWhite), "combo item");
    PixelBitmap selected = Look(combo->activeitemrect, kWhite);
    DrawBox(selected, Whole(selected),
            {Rgb(122, 167, 220), Rgb(232, 242, 255), Rgb(206, 225, 250), 2, false, false});
    Put(p, combo->activeitemrect, selected, "combo selected item");
    PixelBitmap focused = Look(combo->focusitemrect, Rgb(206, 225, 250));
    Put(p, combo->focusitemrect, focused, "combo focused item");
  } else if (auto* spin = dynamic_cast<TskDataSkinSpinEditControl*>(&control)) {
    Put(p, spin->skinrect, Field(spin->skinrect, kBorder), "edit field");
    Put(p, spin->activeskinrect, Field(spin->activeskinrect, kHighlight), "active edit field");
    auto make = [](Glyph glyph) {
      return [glyph](const TRect& r, State state) { return ScrollButton(r, state, glyph); };
    };
    PutEach(p,
            {{spin->upbuttonrect, State::kNormal},
             {spin->activeupbuttonrect, State::kHot},
             {spin->downupbuttonrect, State::kDown}},
            make(Glyph::kArrowUp), "spin up");
    PutEach(p,
            {{spin->downbuttonrect, State::kNormal},
             {spin->activedownbuttonrect, State::kHot},
             {spin->downdownbuttonrect, State::kDown}},
            make(Glyph::kArrowDown), "spin down");
  } else if (auto* box = dynamic_cast<TskDataSkinScrollBoxControl*>(&control)) {
    PixelBitmap look = Look(box->skinrect);
    FrameRect(look, Whole(look), kSoftBorder);
    Put(p, box->skinrect, look, name);
  } else if (auto* slider = dynamic_cast<TskDataSkinSlider*>(&control)) {
    for (const TRect& r : {slider->hrulerrect, slider->vrulerrect}) {
      PixelBitmap ruler = Look(r);
      DrawBox(ruler, Whole(ruler), {kBorder, Rgb(214, 228, 247), kWhite, 2, false, false});
      Put(p, r, ruler, name + " ruler");
    }
    for (const TRect& r : {slider->hthumbrect, slider->vthumbrect})
      Put(p, r, StateBox(r, State::kNormal), name + " thumb");
  } else if (auto* ex = dynamic_cast<TskDataSkinExPanelControl*>(&control)) {
    auto with_caption = [](const TRect& r, bool vertical) {
      PixelBitmap look = Look(r);
      DrawBox(look, Whole(look), {kSoftBorder, kFace, kFace, 2, false, false});
      TRect band =
          vertical ? TRect{1, 1, 19, look.Height() - 1} : TRect{1, 1, look.Width() - 1, 19};
      FillGradient(look, band, Rgb(249, 251, 255), Rgb(214, 229, 249));
      return look;
    };
    Put(p, ex->skinrect, with_caption(ex->skinrect, false), name);
    Put(p, ex->rollhskinrect, with_caption(ex->rollhskinrect, false), name + " rolled");
    Put(p, ex->rollvskinrect, with_caption(ex->rollvskinrect, true), name + " rolled sideways");
    auto cell = [](Glyph glyph) {
      return [glyph](const TRect& r, State state) { return GlyphBox(r, state, glyph); };
    };
    PutEach(p,
            {{ex->closebuttonrect, State::kNormal},
             {ex->closebuttonactiverect, State::kHot},
             {ex->closebuttondownrect, State::kDown}},
            cell(Glyph::kClose), name);
    PutEach(p,
            {{ex->hrollbuttonrect, State::kNormal},
             {ex->hrollbuttonactiverect, State::kHot},
             {ex->hrollbuttondownrect, State::kDown}},
            cell(Glyph::kRollUp), name);
    PutEach(p,
            {{ex->hrestorebuttonrect, State::kNormal},
             {ex->hrestorebuttonactiverect, State::kHot},
             {ex->hrestorebuttondownrect, State::kDown}},
            cell(Glyph::kRollDown), name);
    PutEach(p,
            {{ex->vrollbuttonrect, State::kNormal},
             {ex->vrollbuttonactiverect, State::kHot},
             {ex->vrollbuttondownrect, State::kDown}},
            cell(Glyph::kArrowLeft), name);
    PutEach(p,
            {{ex->vrestorebuttonrect, State::kNormal},
             {ex->vrestorebuttonactiverect, State::kHot},
             {ex->vrestorebuttondownrect, State::kDown}},
            cell(Glyph::kArrowRight), name);
  }
}

namespace {

// SKINOBJECTS and SKINCONTROLS entries "name:kind", in index order.
template <class T, class Create>
std::vector<std::unique_ptr<T>> ReadList(const TIniText& ini, const char* section, Create create) {
  std::vector<std::unique_ptr<T>> out;
  int count = ini.ReadInteger(section, "count", 0);
  for (int i = 0; i < count; ++i) {
    std::string entry = ini.ReadString(section, std::to_string(i), "");
    std::size_t colon = entry.find(':');
    if (colon == std::string::npos) continue;
    auto definition = create(entry.substr(colon + 1), entry.substr(0, colon));
    if (!definition) continue;
    definition->Read(ini);
    out.push_back(std::move(definition));
  }
  return out;
}

}  // namespace

std::map<std::string, SkinPicture> Skin::Draw() {
  int count = ini_.ReadInteger("PICTURES", "activepicturescount", 0);
  if (count != int(std::size(kActivePictures)))
    throw std::runtime_error("PICTURES: expected 8 active pictures");
  for (int i = 0; i < count; ++i) {
    const ActivePictureFile& file = kActivePictures[i];
    if (ini_.ReadString("PICTURES", std::to_string(i), "") != file.name) {
      throw std::runtime_error(std::string("PICTURES: picture ") + std::to_string(i) +
                               " should be " + file.name);
    }
    sheets_.emplace(i, Sheet(file.width, file.height, file.background));
  }
  std::map<std::string, SkinPicture> pictures;
  DrawFrame(pictures[ini_.ReadString("PICTURES", "picture", "")],
            pictures[ini_.ReadString("PICTURES", "mask", "")]);
  TskFormInfo info;
  info.Read(ini_);
  DrawMdiBackground(info.mdibgpictureindex);
  TskDataSkinPopupWindow popup;
  popup.Read(ini_);
  DrawPopup(popup);
  TskDataSkinHintWindow hint;
  hint.Read(ini_);
  DrawHint(hint);
  for (auto& object : ReadList<TskDataSkinObject>(ini_, "SKINOBJECTS", CreateSkinObject))
    DrawObject(*object);
  for (auto& control : ReadList<TskDataSkinControl>(ini_, "SKINCONTROLS", CreateSkinControl))
    DrawControl(*control);

  for (auto& [index, sheet] : sheets_) {
    const ActivePictureFile& file = kActivePictures[index];
    SkinPicture picture{sheet.Bitmap(), 24, {}};
    if (file.name == std::string("pwmask.bmp")) picture = {sheet.Bitmap(), 4, GrayPalette(4)};
    if (file.name == std::string("hintwindowmask.bmp"))
      picture = {sheet.Bitmap(), 1, GrayPalette(1)};
    pictures[file.name] = picture;
  }
  return pictures;
}

std::map<std::string, SkinPicture> DrawCarriedSkin(const TIniText& definition) {
  return Skin(definition).Draw();
}

}  // namespace vl::art
