// The toolkit's hot paths on the headless screen:
// - repainting the whole screen with a window of nine rows of text and pictures;
// - drawing text whose layout is cached against text never laid out before;
// - a tap travelling from the input queue to OnQzCommand, painting excluded.
#include <benchmark/benchmark.h>

#include <string>

#include "DemoWnd.h"
#include "qzfc/FontHelper.h"
#include "qzfc/MemoryDC.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/Screen.h"
#include "qzfc/WinApi.h"

namespace {

qzfc::demo::DemoWnd& Demo() {
  static qzfc::demo::DemoWnd* wnd = [] {
    auto* w = new qzfc::demo::DemoWnd;
    RECT wa = QzGetWorkArea();
    w->Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0);
    w->Show(TRUE);
    qzfc::MessageLoop::Get().PumpPending();
    return w;
  }();
  return *wnd;
}

void BM_FullScreenRepaint(benchmark::State& state) {
  Demo();
  qzfc::Screen& screen = qzfc::Screen::Get();
  for (auto _ : state) {
    screen.Invalidate(RECT{0, 0, qzfc::Screen::kWidth, qzfc::Screen::kHeight});
    screen.Paint();
  }
}
BENCHMARK(BM_FullScreenRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// Nine rows of a name and a number, as a list paints them.
void DrawRows(HDC dc, int seed) {
  SetBkMode(dc, TRANSPARENT);
  for (int row = 0; row < 9; ++row) {
    std::wstring name = L"Contact name " + std::to_wstring(seed * 16 + row);
    std::wstring number = L"+86 138 " + std::to_wstring(10000000 + seed * 16 + row);
    RECT rc{84, row * 70, 464, row * 70 + 38};
    SelectObject(dc, FontHelper::GetFont(27, 400, 0, 0, 0, 0));
    DrawTextW(dc, name.c_str(), -1, &rc, 0xA024);
    RECT sub{84, row * 70 + 40, 464, row * 70 + 66};
    SelectObject(dc, FontHelper::GetFont(20, 400, 0, 0, 0, 0));
    DrawTextW(dc, number.c_str(), -1, &sub, 0xA020);
  }
}

void BM_TextCached(benchmark::State& state) {
  MemoryDC dc(480, 640);
  DrawRows(dc, 0);
  for (auto _ : state) DrawRows(dc, 0);  // the same texts every time
}
BENCHMARK(BM_TextCached)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_TextFresh(benchmark::State& state) {
  MemoryDC dc(480, 640);
  int seed = 1;
  for (auto _ : state) DrawRows(dc, seed++);  // texts never drawn before
}
BENCHMARK(BM_TextFresh)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_TapToCommand(benchmark::State& state) {
  qzfc::demo::DemoWnd& wnd = Demo();
  qzfc::MessageLoop& loop = qzfc::MessageLoop::Get();
  const LPARAM at = MAKELPARAM(240, 80 + 3 * 70 + 35);
  for (auto _ : state) {
    int before = wnd.Commands();
    loop.Post(nullptr, WM_LBUTTONDOWN, MK_LBUTTON, at);
    loop.Post(nullptr, WM_LBUTTONUP, MK_LBUTTON, at);
    // Posted messages come before repainting, so the command arrives first.
    while (wnd.Commands() == before && loop.PumpOnce()) {
    }
    state.PauseTiming();
    if (wnd.Commands() == before) state.SkipWithError("the tap did not reach OnQzCommand");
    loop.AdvanceClock(1000);  // the next tap is not a double-click; repaints happen here
    state.ResumeTiming();
  }
}
// A fixed count: the untimed repaint between taps costs far more than the tap.
BENCHMARK(BM_TapToCommand)->Unit(benchmark::kMicrosecond)->Iterations(300)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
