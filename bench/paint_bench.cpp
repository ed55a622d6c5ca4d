// The skin's picture operations at window sizes: one frame paint and one region rebuild of a
// main window (826 x 502) and of a maximized one on a 1920 x 1080 screen, with the carried
// skin's frame geometry on generated pictures.

#include <benchmark/benchmark.h>

#include "skin/paint/border_strips.h"
#include "skin/paint/fitting.h"
#include "skin/paint/region.h"

namespace {

using namespace vl;

constexpr TskSkinPoints kForm{{9, 29}, {274, 30}, {8, 200}, {274, 200}, {4, 27, 281, 206}};
constexpr TRect kMaskRectArea{4, 3, 282, 206};

PixelBitmap WindowPicture() {
  PixelBitmap picture(285, 210);
  for (int y = 0; y < 210; ++y) {
    for (int x = 0; x < 285; ++x)
      picture.At(x, y) = MakePixel(std::uint8_t(x), std::uint8_t(y), 90);
  }
  return picture;
}

// Black inside, with the outer corners cut off in a quarter circle of radius 6.
PixelBitmap WindowMask() {
  PixelBitmap mask(285, 210, 0);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      if ((6 - x) * (6 - x) + (6 - y) * (6 - y) <= 36) continue;
      const Pixel white = MakePixel(255, 255, 255);
      mask.At(x, y) = mask.At(284 - x, y) = mask.At(x, 209 - y) = mask.At(284 - x, 209 - y) = white;
    }
  }
  return mask;
}

void BM_PaintNineArea(benchmark::State& state) {
  int w = int(state.range(0)), h = int(state.range(1));
  bool draw_client = state.range(2) != 0;
  PixelBitmap picture = WindowPicture();
  TskNineArea area{{0, 0, 285, 210}, kForm, {}, false, TskStretchType::stFull};
  for (auto _ : state) {
    PixelBitmap frame = PaintNineArea(picture, area, draw_client, w, h);
    benchmark::DoNotOptimize(frame.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PaintNineArea)
    ->ArgNames({"w", "h", "client"})
    ->Args({826, 502, 0})
    ->Args({826, 502, 1})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_BuildBorderStrips(benchmark::State& state) {
  int w = int(state.range(0)), h = int(state.range(1));
  PixelBitmap picture = WindowPicture();
  TskNineArea area{{0, 0, 285, 210}, kForm, {}, false, TskStretchType::stFull};
  TskSkinPoints sized = SizePoints(kForm, w - 285, h - 210);
  for (auto _ : state) {
    TskBorderStrips strips = BuildBorderStrips(picture, area, w, h, sized);
    benchmark::DoNotOptimize(strips.top.Pixels().data());
  }
}
BENCHMARK(BM_BuildBorderStrips)
    ->ArgNames({"w", "h"})
    ->Args({826, 502})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

void BM_BuildWindowRegion(benchmark::State& state) {
  int w = int(state.range(0)), h = int(state.range(1));
  PixelBitmap mask = WindowMask();
  TskSkinPoints points = kForm;
  points.client = kMaskRectArea;
  TskSkinPoints sized = SizePoints(points, w - 285, h - 210);
  std::size_t rects = 0;
  for (auto _ : state) {
    auto region = BuildWindowRegion(mask, points, w, sized);
    rects = 0;
    for (const auto& part : region->parts) rects += part.rects.size();
    benchmark::DoNotOptimize(rects);
  }
  state.counters["rects"] = double(rects);
}
BENCHMARK(BM_BuildWindowRegion)
    ->ArgNames({"w", "h"})
    ->Args({826, 502})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
