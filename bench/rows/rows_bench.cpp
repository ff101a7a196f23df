// Drawing detail rows into a memory DC: one repaint of a contact's details
// (the header and the rows below it on one screen), single rows, and the
// height measure of a multi-line row, which a list with rows of varying
// heights asks for whenever it lays its rows out.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/module/Resources.h"
#include "core/rows/RowDrawing.h"

namespace {

constexpr const wchar_t* kAddress = L"北京市海淀区中关村大街27号中关村大厦12层1205室";

// The image library is found in the build's resource folder; the device
// root is a fresh folder so that nothing of the user's is read.
void UseTemporaryDeviceRoot() {
  static bool done = false;
  if (done) return;
  std::string pattern = (std::filesystem::temp_directory_path() / "vorna-bench-XXXXXX").string();
  if (mkdtemp(pattern.data())) setenv("VORNA_ROOT", pattern.c_str(), 1);
  done = true;
}

ImagingHelper* Image(UINT id) { return ImagingHelper::GetImageObject(GetImageModule(), id, TRUE); }

RECT Row(int top, int height = 82) { return RECT{0, top, 480, top + height}; }

void DrawDetailsScreen(HDC dc, int pressedRow) {
  DrawHeaderRow(Row(0, 186), dc, nullptr, L"Wang Fang", L"Star River Ltd", L"", nullptr, HEADER_ROW_DETAILS);
  int top = 186;
  for (int i = 0; i < 3; ++i, top += 82)
    DrawNumberRow(Row(top), dc, Image(370), Image(300), L"138 0013 8000", L"拨打手机", pressedRow == i ? 1 : -1);
  DrawLabelValueRow(Row(top), dc, Image(310), nullptr, L"邮件", L"wang.fang@example.com", FALSE);
  top += 82;
  int height = DrawMultiLineRow(Row(0, 0), nullptr, nullptr, nullptr, nullptr, kAddress, -1, MULTI_LINE_MEASURE,
                                MULTI_LINE_RIGHT_IMAGE);
  DrawMultiLineRow(Row(top, height), dc, Image(304), nullptr, L"地址", kAddress, -1, MULTI_LINE_DRAW,
                   MULTI_LINE_RIGHT_IMAGE);
  top += height;
  DrawCaptionRow(Row(top), dc, Image(366), nullptr, L"发送联系人", FALSE);
}

void BM_DetailsScreen(benchmark::State& state) {
  UseTemporaryDeviceRoot();
  MemoryDC dc(480, 720);
  int frame = 0;
  for (auto _ : state) DrawDetailsScreen(dc, frame++ % 4);
}
BENCHMARK(BM_DetailsScreen)->Unit(benchmark::kMicrosecond);

void BM_NumberRow(benchmark::State& state) {
  UseTemporaryDeviceRoot();
  MemoryDC dc(480, 82);
  int frame = 0;
  for (auto _ : state)
    DrawNumberRow(Row(0), dc, Image(370), Image(300), L"138 0013 8000", L"拨打手机", frame++ % 3);
}
BENCHMARK(BM_NumberRow)->Unit(benchmark::kMicrosecond);

void BM_MeasureMultiLineRow(benchmark::State& state) {
  UseTemporaryDeviceRoot();
  for (auto _ : state)
    benchmark::DoNotOptimize(DrawMultiLineRow(Row(0, 0), nullptr, nullptr, nullptr, nullptr, kAddress, -1,
                                              MULTI_LINE_MEASURE, MULTI_LINE_RIGHT_IMAGE));
}
BENCHMARK(BM_MeasureMultiLineRow)->Unit(benchmark::kMicrosecond);

}  // namespace
