// The contact editor at 50,000 contacts, on the headless screen: opening it
// on a contact with 40 values to its first painted frame, each frame of a
// deleted row's collapse, and saving a new contact with 40 values.
//
//   build/bin/editor_bench     (seeds a store under $TMPDIR with `vornactl seed`, then measures)
//
// Each benchmark reports the median and the 99th percentile in milliseconds
// of work done by this thread (cpu_*_ms) and of time passed (wall_*_ms).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "contacts/editor/ContactEditWnd.h"
#include "contacts/editor/UiListContactEdit.h"
#include "first_frame.h"
#include "platform/PimContract.h"
#include "qzfc/Robot.h"
#include "qzfc/Screen.h"
#include "samples.h"
#include "seeded_root.h"

namespace {

using vorna::bench::OpenOverWorkArea;
using vorna::bench::Samples;

constexpr int kContacts = 50000;
constexpr int kScreenTop = 80;

// 10 numbers, 10 e-mail addresses, 5 addresses, 5 QQ numbers, 5 MSN
// accounts and 5 web pages.
CContactInfo FortyValues() {
  CContactInfo record;
  record.UpdateNameInfo(L"Lee", L"Ann", L"Acme");
  for (int i = 0; i < 10; ++i) {
    record.AddPhoneNumber(0, (L"1380013" + std::to_wstring(8000 + i)).c_str(), i % 5, i == 0);
    record.AddEmail(0, (L"ann" + std::to_wstring(i) + L"@example.com").c_str(), i % 3);
  }
  for (int i = 0; i < 5; ++i) {
    record.AddAddress(0, L"深圳", L"中国", L"518000", L"广东", (L"深南大道" + std::to_wstring(i + 1) + L"号").c_str(),
                      i % 3);
    record.AddQQ(0, (L"1000" + std::to_wstring(i)).c_str(), 0);
    record.AddMSN(0, (L"ann" + std::to_wstring(i) + L"@msn.example").c_str(), 0);
    record.AddWebPage(0, (L"www.example.com/" + std::to_wstring(i)).c_str(), 0);
  }
  record.UpdateBirthday(L"19800229");
  record.UpdateRemark(L"喜欢喝茶");
  return record;
}

// Dark pixels where the header shows the contact's name: the frame was painted.
int NamePixels() {
  cairo_surface_t* surface = qzfc::Screen::Get().Surface();
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  int dark = 0;
  for (int y = kScreenTop + 60; y < kScreenTop + 100; ++y)
    for (int x = 200; x < 400; ++x) dark += (data[y * stride + x * 4 + 1] < 96) ? 1 : 0;
  return dark;
}

void OpenEditorFirstFrame(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  const int id = CContactsDbIf::GetContactDbIf()->AddContact(FortyValues());
  vorna::bench::TimeFirstFrames(
      state, WS_POPUP,
      [&] {
        auto editor = std::make_unique<CContactEditWnd>();
        editor->SetMode(EDIT_MODE_EDIT);
        editor->SetContactId(id);
        return editor;
      },
      [&](CContactEditWnd&) { state.counters["name_pixels"] = NamePixels(); });
}
BENCHMARK(OpenEditorFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(50);

// A value deleted from a new contact's list (the record only): each 50 ms
// frame of its row shrinking away.
void CollapseFrame(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  qzfc::Robot robot;
  CContactEditWnd editor;
  editor.SetMode(EDIT_MODE_NEW);
  editor.GetContactInfo() = FortyValues();
  OpenOverWorkArea(editor, robot, WS_POPUP);
  UiListContactEdit& list = *editor.GetFieldList();
  Samples samples;
  for (auto _ : state) {
    state.PauseTiming();
    editor.GetContactInfo() = FortyValues();
    editor.RefreshFieldList();
    RECT rc = list.GetItemRect(3);  // the second number, on screen
    const int y = kScreenTop + (rc.top + rc.bottom) / 2;
    robot.Tap(430, y);
    robot.Advance(300);
    robot.Tap(430, y);
    state.ResumeTiming();
    while (list.GetCollapsingItem() >= 0) samples.Measure([&] { robot.Advance(50); });
  }
  samples.Report(state);
  editor.DestroyWindow();
}
BENCHMARK(CollapseFrame)->Unit(benchmark::kMillisecond)->Iterations(20);

void SaveNewContactWith40Values(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  qzfc::Robot robot;
  Samples samples;
  for (auto _ : state) {
    state.PauseTiming();
    CContactEditWnd editor;
    editor.SetMode(EDIT_MODE_NEW);
    editor.GetContactInfo() = FortyValues();
    OpenOverWorkArea(editor, robot, WS_POPUP);
    state.ResumeTiming();
    samples.Measure([&] { robot.Tap(420, 765); });  // save
    state.PauseTiming();
    if (editor.GetContactId() <= 0) state.SkipWithError("the contact was not saved");
    editor.DestroyWindow();
    robot.Settle();
    state.ResumeTiming();
  }
  samples.Report(state);
}
BENCHMARK(SaveNewContactWith40Values)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace
