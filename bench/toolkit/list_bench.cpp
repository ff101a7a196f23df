// Scrolling a UiCustomList of 10,000 rows on the headless screen: one frame
// is the list moving on by a fling's step and the screen repainting. The
// counter rows_asked shows how many distinct rows the collection was asked
// about per frame (only the rows on the screen should be).
#include <benchmark/benchmark.h>

#include <set>
#include <string>
#include <vector>

#include "qzfc/IItemCollection.h"
#include "qzfc/ImagingHelper.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/Screen.h"
#include "qzfc/UiCustomList.h"
#include "qzfc/WinApi.h"
#include "test_images.h"

namespace {

class CallRows : public IItemCollection {
 public:
  explicit CallRows(int count) {
    std::string svg = vorna::test::MakeSvg(40, 40, "#3a7bd5", "#ffffff");
    icon_.LoadSvg(svg.data(), static_cast<UINT>(svg.size()));
    for (int i = 0; i < count; ++i) {
      names_.push_back(L"Contact " + std::to_wstring(i));
      numbers_.push_back(L"138 " + std::to_wstring(10000000 + i * 7));
    }
  }
  ImagingHelper* GetItemImage(int i) override { return Asked(i), &icon_; }
  ImagingHelper* GetItemRightImage(int i) override { return Asked(i), nullptr; }
  ImagingHelper* GetItemImagePressed(int i) override { return Asked(i), &icon_; }
  ImagingHelper* GetItemRightImagePressed(int i) override { return Asked(i), nullptr; }
  CQzStringW GetItemText(int i) override { return Asked(i), names_[static_cast<size_t>(i)]; }
  CQzStringW GetItemSubText(int i) override { return Asked(i), numbers_[static_cast<size_t>(i)]; }
  CQzStringW GetItemText3(int i) override { return Asked(i), L"12-06 10:15"; }
  CQzStringW GetItemText4(int i) override { return Asked(i), L"1m 15s"; }
  int GetItemCount() override { return static_cast<int>(names_.size()); }
  void SetItemSelected(int, BOOL) override {}
  BOOL CanDeleteItem(int) override { return TRUE; }
  BOOL IsItemSelected(int) override { return FALSE; }
  int GetItemHeight(int) override { return 82; }
  void OnItemClicked(int) override {}
  void DeleteItem(int) override {}

  std::set<int> asked;

 private:
  void Asked(int i) { asked.insert(i); }
  ImagingHelper icon_;
  std::vector<std::wstring> names_;
  std::vector<std::wstring> numbers_;
};

struct ListScreen {
  ListScreen() : rows(10000) {
    RECT wa = QzGetWorkArea();
    wnd.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0);
    wnd.Show(TRUE);
    list.SetPos(0, 0, wa.right - wa.left, wa.bottom - wa.top - 70);
    list.SetCustomItemCollection(&rows);
    list.SetSplitLineMode(LIST_SPLIT_TEXT);
    wnd.AddUiWin(&list);
    qzfc::MessageLoop::Get().PumpPending();
  }
  CQzWndEx wnd;
  CallRows rows;
  UiCustomList list;
};

ListScreen& Screen() {
  static ListScreen* screen = new ListScreen;
  return *screen;
}

void BM_ScrollFrame10k(benchmark::State& state) {
  ListScreen& s = Screen();
  const int step = static_cast<int>(state.range(0));
  const int bottom = s.list.GetHeight() - s.list.CalcContentHeight();
  int top = 0;
  size_t asked = 0;
  for (auto _ : state) {
    top -= step;
    if (top < bottom) top = 0;
    s.rows.asked.clear();
    s.list.SetTopPos(top);
    qzfc::Screen::Get().Paint();
    asked += s.rows.asked.size();
  }
  state.counters["rows_asked"] = benchmark::Counter(static_cast<double>(asked), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScrollFrame10k)
    ->Arg(13)
    ->Arg(82 * 8)
    ->ArgName("step")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
