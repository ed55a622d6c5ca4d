#include "sheet.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "skin/data/ini_text.h"

namespace vl::art {

Pixel Rgb(int r, int g, int b) {
  return MakePixel(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
}

Pixel Mix(Pixel a, Pixel b, double t) {
  auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return Rgb(channel(PixelRed(a), PixelRed(b)), channel(PixelGreen(a), PixelGreen(b)),
             channel(PixelBlue(a), PixelBlue(b)));
}

void Plot(PixelBitmap& bmp, int x, int y, Pixel color) {
  if (x >= 0 && y >= 0 && x < bmp.Width() && y < bmp.Height()) bmp.At(x, y) = color;
}

void Fill(PixelBitmap& bmp, const TRect& r, Pixel color) {
  for (int y = r.top; y < r.bottom; ++y) HLine(bmp, r.left, r.right, y, color);
}

void FillGradient(PixelBitmap& bmp, const TRect& r, Pixel top, Pixel bottom) {
  int h = r.Height();
  for (int y = r.top; y < r.bottom; ++y) {
    double t = h > 1 ? double(y - r.top) / (h - 1) : 0.0;
    HLine(bmp, r.left, r.right, y, Mix(top, bottom, t));
  }
}

void HLine(PixelBitmap& bmp, int x0, int x1, int y, Pixel color) {
  for (int x = x0; x < x1; ++x) Plot(bmp, x, y, color);
}

void VLine(PixelBitmap& bmp, int x, int y0, int y1, Pixel color) {
  for (int y = y0; y < y1; ++y) Plot(bmp, x, y, color);
}

void FrameRect(PixelBitmap& bmp, const TRect& r, Pixel color) {
  HLine(bmp, r.left, r.right, r.top, color);
  HLine(bmp, r.left, r.right, r.bottom - 1, color);
  VLine(bmp, r.left, r.top, r.bottom, color);
  VLine(bmp, r.right - 1, r.top, r.bottom, color);
}

namespace {

// Whether a pixel of a w x h box lies inside its rounded corners.
bool InsideRounded(int x, int y, int w, int h, int radius) {
  int cx = x < radius ? radius : (x >= w - radius ? w - radius - 1 : x);
  int cy = y < radius ? radius : (y >= h - radius ? h - radius - 1 : y);
  double dx = x - cx, dy = y - cy;
  return dx * dx + dy * dy <= (radius + 0.3) * (radius + 0.3);
}

}  // namespace

void DrawBox(PixelBitmap& bmp, const TRect& r, const BoxStyle& style) {
  int w = r.Width(), h = r.Height();
  int radius = std::min({style.radius, w / 2, h / 2});
  auto inside = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < w && y < h && InsideRounded(x, y, w, h, radius);
  };
  for (int y = 0; y < h; ++y) {
    Pixel fill = Mix(style.top, style.bottom, h > 1 ? double(y) / (h - 1) : 0.0);
    for (int x = 0; x < w; ++x) {
      if (!inside(x, y)) continue;
      bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      Pixel color = fill;
      if (style.inner_highlight && y == 1) color = Mix(fill, Rgb(255, 255, 255), 0.8);
      if (style.hot_mark && y >= h - 3 && y < h - 1) color = Rgb(248, 161, 63);
      Plot(bmp, r.left + x, r.top + y, edge ? style.border : color);
    }
  }
}

namespace {

using Points = std::vector<std::pair<int, int>>;

// Each glyph is drawn on a 10 x 10 grid; the grid is centred in the target rectangle.
Points GlyphPoints(Glyph glyph) {
  Points p;
  auto rect = [&p](int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) p.push_back({x, y});
  };
  auto frame = [&](int x0, int y0, int x1, int y1, int top) {
    rect(x0, y0, x1, y0 + top);
    rect(x0, y1 - 1, x1, y1);
    rect(x0, y0, x0 + 1, y1);
    rect(x1 - 1, y0, x1, y1);
  };
  switch (glyph) {
    case Glyph::kClose:
      for (int i = 0; i < 8; ++i) {
        rect(1 + i, 1 + i, 3 + i, 2 + i);
        rect(7 - i, 1 + i, 9 - i, 2 + i);
      }
      break;
    case Glyph::kMaximize:
      frame(0, 0, 10, 9, 2);
      break;
    case Glyph::kRestore: {
      // The back window shows only where the front one does not cover it.
      frame(3, 0, 10, 6, 2);
      std::erase_if(p, [](auto xy) { return xy.first < 7 && xy.second >= 3; });
      frame(0, 3, 7, 9, 2);
      break;
    }
    case Glyph::kMinimize:
      rect(1, 7, 8, 9);
      break;
    case Glyph::kRollUp:
      for (int i = 0; i < 4; ++i) rect(4 - i, 3 + i, 6 + i, 4 + i);
      break;
    case Glyph::kRollDown:
      for (int i = 0; i < 4; ++i) rect(1 + i, 3 + i, 9 - i, 4 + i);
      break;
    case Glyph::kTray:
      rect(1, 7, 9, 9);
      rect(6, 2, 9, 5);
      break;
    case Glyph::kArrowLeft:
      for (int i = 0; i < 4; ++i) rect(3 + i, 4 - i, 4 + i, 6 + i);
      break;
    case Glyph::kArrowRight:
      for (int i = 0; i < 4; ++i) rect(6 - i, 4 - i, 7 - i, 6 + i);
      break;
    case Glyph::kArrowUp:
      for (int i = 0; i < 4; ++i) rect(4 - i, 3 + i, 6 + i, 4 + i);
      break;
    case Glyph::kArrowDown:
      for (int i = 0; i < 4; ++i) rect(1 + i, 3 + i, 9 - i, 4 + i);
      break;
    case Glyph::kSmallArrowDown:
      for (int i = 0; i < 3; ++i) rect(2 + i, 4 + i, 7 - i, 5 + i);
      break;
    case Glyph::kCheck:
      for (int i = 0; i < 3; ++i) rect(1 + i, 4 + i, 2 + i, 7 + i);
      for (int i = 0; i < 5; ++i) rect(4 + i, 5 - i, 5 + i, 8 - i);
      break;
    case Glyph::kDot:
      rect(3, 2, 7, 8);
      rect(2, 3, 8, 7);
      break;
    case Glyph::kEllipsis:
      rect(1, 6, 3, 8);
      rect(4, 6, 6, 8);
      rect(7, 6, 9, 8);
      break;
    case Glyph::kGrip:
      for (int i = 0; i < 3; ++i) rect(4, 1 + 3 * i, 6, 3 + 3 * i);
      break;
    case Glyph::kMagnifier:
      frame(1, 0, 7, 6, 1);
      rect(6, 5, 8, 7);
      rect(7, 6, 9, 8);
      rect(8, 7, 10, 9);
      break;
  }
  return p;
}

}  // namespace

void DrawGlyph(PixelBitmap& bmp, const TRect& r, Glyph glyph, Pixel color) {
  int ox = r.left + (r.Width() - 10) / 2, oy = r.top + (r.Height() - 10) / 2;
  for (auto [x, y] : GlyphPoints(glyph)) Plot(bmp, ox + x, oy + y, color);
}

Sheet::Sheet(int width, int height, Pixel background)
    : bitmap_(width, height, background), owner_of_(std::size_t(width) * std::size_t(height), -1) {}

void Sheet::Place(const TRect& where, const PixelBitmap& look, const std::string& owner) {
  if (where.IsEmpty()) return;
  if (where.left < 0 || where.top < 0 || where.right > bitmap_.Width() ||
      where.bottom > bitmap_.Height() || where.Width() != look.Width() ||
      where.Height() != look.Height()) {
    throw std::runtime_error(owner + ": rectangle " + FormatRect(where) +
                             " does not fit its picture");
  }
  owners_.push_back(owner);
  int id = int(owners_.size()) - 1;
  for (int y = 0; y < look.Height(); ++y) {
    for (int x = 0; x < look.Width(); ++x) {
      std::size_t i =
          std::size_t(where.top + y) * std::size_t(bitmap_.Width()) + std::size_t(where.left + x);
      Pixel& target = bitmap_.At(where.left + x, where.top + y);
      if (owner_of_[i] >= 0 && target != look.At(x, y)) {
        throw std::runtime_error(owner + " draws over " + owners_[std::size_t(owner_of_[i])] +
                                 " at " + std::to_string(where.left + x) + "," +
                                 std::to_string(where.top + y));
      }
      target = look.At(x, y);
      owner_of_[i] = id;
    }
  }
}

}  // namespace vl::art
