// Repainting a list draws the same icons and photo again and again: after
// the first paint each should cost one copy of an already rendered surface.
#include <benchmark/benchmark.h>

#include "ce/modules.h"
#include "ce/resource_module.h"
#include "qzfc/ImagingHelper.h"
#include "test_images.h"

namespace {

struct Canvas {
  Canvas() : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 480, 800)), cr(cairo_create(surface)) {}
  ~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  cairo_surface_t* surface;
  cairo_t* cr;
};

// Lists ask for their row images by id on every paint.
void BM_SharedImageLookup(benchmark::State& state) {
  std::vector<ce::ResourceEntry> entries;
  for (UINT id = 100; id < 400; ++id) {
    std::string svg = vorna::test::MakeSvg(80, 82, "#3a7bd5", "#ffffff");
    ce::ResourceEntry entry{RT_QZIMAGE, id, {}};
    for (char c : svg) entry.data.push_back(static_cast<std::byte>(c));
    entries.push_back(std::move(entry));
  }
  auto bytes = ce::PackResourceModule(std::move(entries));
  HMODULE module = ce::RegisterResourceModule(L"bench_images.dll", *bytes);
  for (UINT id = 100; id < 400; ++id) ImagingHelper::GetImageObject(module, id, TRUE);
  UINT id = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ImagingHelper::GetImageObject(module, id, TRUE));
    id = id == 399 ? 100 : id + 1;
  }
}
BENCHMARK(BM_SharedImageLookup);

void BM_DrawRenderedIcon(benchmark::State& state) {
  std::string svg = vorna::test::MakeSvg(80, 82, "#3a7bd5", "#ffffff");
  ImagingHelper icon;
  icon.LoadSvg(svg.data(), static_cast<UINT>(svg.size()));
  Canvas canvas;
  RECT cell{0, 100, 80, 182};
  for (auto _ : state) benchmark::DoNotOptimize(icon.DrawOnCairo(canvas.cr, &cell, FALSE, FALSE));
}
BENCHMARK(BM_DrawRenderedIcon);

void BM_DrawPhotoIntoFrame(benchmark::State& state) {
  std::vector<unsigned char> jpeg = vorna::test::MakeJpeg(640, 480, {200, 80, 40}, {40, 80, 200});
  ImagingHelper photo;
  photo.LoadFromBuffer(jpeg.data(), static_cast<UINT>(jpeg.size()), TRUE, TRUE, state.range(0));
  Canvas canvas;
  RECT frame{20, 14, 175, 172};
  for (auto _ : state) benchmark::DoNotOptimize(photo.DrawOnCairo(canvas.cr, &frame, TRUE, TRUE));
}
BENCHMARK(BM_DrawPhotoIntoFrame)->Arg(0)->Arg(1)->ArgName("keepScaled");

void BM_DecodeJpegPhoto(benchmark::State& state) {
  std::vector<unsigned char> jpeg = vorna::test::MakeJpeg(1600, 1200, {200, 80, 40}, {40, 80, 200});
  for (auto _ : state) {
    ImagingHelper photo;
    benchmark::DoNotOptimize(
        photo.LoadFromBuffer(jpeg.data(), static_cast<UINT>(jpeg.size()), TRUE, state.range(0), TRUE));
  }
}
BENCHMARK(BM_DecodeJpegPhoto)->Arg(0)->Arg(1)->ArgName("fitScreen")->Unit(benchmark::kMillisecond);

}  // namespace
