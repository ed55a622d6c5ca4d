#include "skin/paint/blit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vl {

TRect Intersect(const TRect& a, const TRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

void FillPixels(PixelBitmap& dst, const TRect& r, Pixel colour) {
  const TRect to = Intersect(r, dst.Bounds());
  if (to.IsEmpty()) return;
  for (int y = to.top; y < to.bottom; ++y)
    std::fill(dst.Row(y) + to.left, dst.Row(y) + to.right, colour);
}

void FramePixels(PixelBitmap& dst, const TRect& r, Pixel colour, int width) {
  FillPixels(dst, {r.left, r.top, r.right, r.top + width}, colour);
  FillPixels(dst, {r.left, r.bottom - width, r.right, r.bottom}, colour);
  FillPixels(dst, {r.left, r.top + width, r.left + width, r.bottom - width}, colour);
  FillPixels(dst, {r.right - width, r.top + width, r.right, r.bottom - width}, colour);
}

PixelBitmap CropPixels(const PixelBitmap& src, const TRect& r) {
  const TRect from = Intersect(r, src.Bounds());
  if (from.IsEmpty()) return {};
  PixelBitmap out(from.Width(), from.Height());
  CopyRect(out, 0, 0, src, from);
  return out;
}

namespace {

// The source group that target index d covers when shrinking: the indexes s whose scaled
// position floor(((2s + 1) * dst - 1) / (2 * src)) is d.
int ShrinkTarget(std::int64_t s, std::int64_t src_size, std::int64_t dst_size) {
  return int(((2 * s + 1) * dst_size - 1) / (2 * src_size));
}

std::vector<int> EnlargeMap(int src_size, int dst_size) {
  std::vector<int> map(static_cast<std::size_t>(dst_size));
  for (std::int64_t i = 0; i < dst_size; ++i) {
    map[std::size_t(i)] = int(((2 * i + 1) * src_size - 1) / (2 * std::int64_t(dst_size)));
  }
  return map;
}

std::vector<int> ShrinkMap(int src_size, int dst_size, StretchAxis axis) {
  std::vector<int> map(static_cast<std::size_t>(dst_size), -1);
  for (int s = 0; s < src_size; ++s) {
    int& slot = map[std::size_t(ShrinkTarget(s, src_size, dst_size))];
    if (axis == StretchAxis::kColumns || slot < 0) slot = s;
  }
  if (axis == StretchAxis::kColumns && dst_size == 1) map[0] = std::max(0, src_size - 2);
  return map;
}

}  // namespace

std::vector<int> StretchSampleMap(int src_size, int dst_size, StretchAxis axis) {
  if (src_size <= 0 || dst_size <= 0) return {};
  if (dst_size >= src_size) return EnlargeMap(src_size, dst_size);
  return ShrinkMap(src_size, dst_size, axis);
}

void CopyRect(PixelBitmap& dst, int x, int y, const PixelBitmap& src, const TRect& src_rect,
              const TRect& clip) {
  // Cut the source to the picture first, moving the target with it, then cut the target.
  TRect from = Intersect(src_rect, src.Bounds());
  x += from.left - src_rect.left;
  y += from.top - src_rect.top;
  TRect to =
      Intersect(Intersect(RectOfSize(x, y, from.Width(), from.Height()), clip), dst.Bounds());
  if (to.IsEmpty()) return;
  int sx = from.left + (to.left - x);
  int sy = from.top + (to.top - y);
  std::size_t bytes = std::size_t(to.Width()) * sizeof(Pixel);
  for (int row = 0; row < to.Height(); ++row) {
    std::memmove(dst.Row(to.top + row) + to.left, src.Row(sy + row) + sx, bytes);
  }
}

void CopyRect(PixelBitmap& dst, int x, int y, const PixelBitmap& src, const TRect& src_rect) {
  CopyRect(dst, x, y, src, src_rect, dst.Bounds());
}

void StretchCopy(PixelBitmap& dst, const TRect& dst_rect, const PixelBitmap& src,
                 const TRect& src_rect, const TRect& clip) {
  if (dst_rect.IsEmpty() || src_rect.IsEmpty()) return;
  TRect to = Intersect(Intersect(dst_rect, clip), dst.Bounds());
  if (to.IsEmpty()) return;
  std::vector<int> cols =
      StretchSampleMap(src_rect.Width(), dst_rect.Width(), StretchAxis::kColumns);
  std::vector<int> rows =
      StretchSampleMap(src_rect.Height(), dst_rect.Height(), StretchAxis::kRows);
  for (int y = to.top; y < to.bottom; ++y) {
    int sy = src_rect.top + rows[std::size_t(y - dst_rect.top)];
    if (sy < 0 || sy >= src.Height()) continue;
    const Pixel* in = src.Row(sy);
    Pixel* out = dst.Row(y);
    for (int x = to.left; x < to.right; ++x) {
      int sx = src_rect.left + cols[std::size_t(x - dst_rect.left)];
      if (sx >= 0 && sx < src.Width()) out[x] = in[sx];
    }
  }
}

void StretchCopy(PixelBitmap& dst, const TRect& dst_rect, const PixelBitmap& src,
                 const TRect& src_rect) {
  StretchCopy(dst, dst_rect, src, src_rect, dst.Bounds());
}

void RepeatAcross(PixelBitmap& dst, int from, int to, int y, const PixelBitmap& src,
                  const TRect& src_rect, const TRect& clip) {
  int w = src_rect.Width();
  if (w <= 0) return;
  TRect band = Intersect(clip, {from, y, to, y + src_rect.Height()});
  for (int i = 0; i <= (to - from) / w; ++i) {
    CopyRect(dst, from + i * w, y, src, src_rect, band);
  }
}

void RepeatDown(PixelBitmap& dst, int from, int to, int x, const PixelBitmap& src,
                const TRect& src_rect, const TRect& clip) {
  int h = src_rect.Height();
  if (h <= 0) return;
  TRect band = Intersect(clip, {x, from, x + src_rect.Width(), to});
  for (int j = 0; j <= (to - from) / h; ++j) {
    CopyRect(dst, x, from + j * h, src, src_rect, band);
  }
}

void RepeatOver(PixelBitmap& dst, const TRect& area, const PixelBitmap& src,
                const TRect& src_rect) {
  int h = src_rect.Height();
  if (h <= 0 || src_rect.Width() <= 0) return;
  for (int j = 0; j <= area.Height() / h; ++j) {
    RepeatAcross(dst, area.left, area.right, area.top + j * h, src, src_rect, area);
  }
}

PixelBitmap StretchedPiece(const PixelBitmap& src, const TRect& src_rect, int width, int height) {
  PixelBitmap piece(width, height);
  StretchCopy(piece, piece.Bounds(), src, src_rect);
  return piece;
}

}  // namespace vl
