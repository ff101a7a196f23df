// The value picker and the contacts list model at 50,000 contacts (about
// 75,000 numbers), on the headless screen:
//   Picker_NumbersFirstFrame   SELECT_PHONE_NUMBERS from Create to the first painted frame
//   Picker_OneContactFirstFrame  SELECT_ONE_CONTACT, the same
//   Picker_SelectAll           a tap on "全选" over every row, with the repaint
//   Picker_OpenGroup           a tap on a group of about 5,000 members, with the repaint
//   Picker_AlphabetJump        a tap on a letter of the bar, with the repaint
//   ContactList_Reload         ContactListCollection::Reload of every contact
//
//   build/bin/picker_bench     (seeds a store under $TMPDIR with `vornactl seed`, then measures)
//
// Each reports the median and 99th percentile of single events in
// milliseconds, as work done by this thread (cpu_*_ms) and as time passed
// (wall_*_ms, which on a busy machine includes waiting for the processor).
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "contacts/list/ContactListCollection.h"
#include "contacts/picker/CContactValueSelectWnd.h"
#include "first_frame.h"
#include "platform/PimContract.h"
#include "qzfc/Robot.h"
#include "samples.h"
#include "seeded_root.h"

namespace {

constexpr int kContacts = 50000;
constexpr int kScreenTop = 80;

// Times `event` once per iteration; `between` runs untimed after each.
void Measure(benchmark::State& state, const std::function<void()>& event, const std::function<void()>& between) {
  vorna::bench::Samples samples;
  for (auto _ : state) {
    samples.Measure(event);
    state.PauseTiming();
    if (between) between();
    state.ResumeTiming();
  }
  samples.Report(state);
}

// A picker created over the work area and shown, as a program runs it.
class Picker {
 public:
  explicit Picker(CONTACT_VALUE_SELECT_TYPE type) {
    wnd.SetSelectType(type);
    vorna::bench::OpenOverWorkArea(wnd, robot, WS_POPUP);
  }
  ~Picker() { wnd.DestroyWindow(); }
  void TapToolBar(int button) {
    RECT rc = robot.Find<UiToolBarPro>(CContactValueSelectWnd::kToolBarId)->GetButtonRect(button);
    Tap((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  }
  void Tap(int x, int windowY) {
    robot.Tap(x, kScreenTop + windowY);
    robot.Advance(300);
  }

  qzfc::Robot robot;
  CContactValueSelectWnd wnd;
};

void FirstFrame(benchmark::State& state, CONTACT_VALUE_SELECT_TYPE type) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  vorna::bench::TimeFirstFrames(
      state, WS_POPUP,
      [type] {
        auto picker = std::make_unique<CContactValueSelectWnd>();
        picker->SetSelectType(type);
        return picker;
      },
      [&](CContactValueSelectWnd& picker) { state.counters["rows"] = picker.GetValidItemCount(); });
}

void Picker_NumbersFirstFrame(benchmark::State& state) { FirstFrame(state, SELECT_PHONE_NUMBERS); }
void Picker_OneContactFirstFrame(benchmark::State& state) { FirstFrame(state, SELECT_ONE_CONTACT); }

void Picker_SelectAll(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  Picker picker(SELECT_PHONE_NUMBERS);
  Measure(state, [&] { picker.TapToolBar(TOOLBAR_BUTTON_MIDDLE); }, nullptr);
  state.counters["selected"] = picker.wnd.GetSelectedContactCount();
}

void Picker_OpenGroup(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  Picker picker(SELECT_PHONE_NUMBERS);
  Measure(state, [&] { picker.Tap(240, 41); }, [&] { picker.TapToolBar(TOOLBAR_BUTTON_LEFT); });
  // The numbers shown in the group, counted once more afterwards.
  picker.Tap(240, 41);
  auto* list = picker.robot.Find<UiCustomList>(CContactValueSelectWnd::kListId);
  int shown = 0;
  for (int i = 0; i < list->GetItemCount(); ++i) shown += list->CalcItemHeight(i) > 0 ? 1 : 0;
  state.counters["group_numbers"] = shown;
}

void Picker_AlphabetJump(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  Picker picker(SELECT_PHONE_NUMBERS);
  auto* bar = picker.robot.Find<UiAlphabetBar>(CContactValueSelectWnd::kAlphabetBarId);
  int letter = 0;
  Measure(state, [&] {
    // Letters in turn, so that each tap moves the list.
    picker.Tap(bar->GetLeft() + 25, bar->GetTop() + (2 * letter + 1) * bar->GetHeight() / 52);
  }, [&] { letter = (letter + 7) % 26; });
}

void ContactList_Reload(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  ContactListCollection list;
  list.kind = AllContacts;
  Measure(state, [&] { list.Reload(); }, nullptr);
  state.counters["rows"] = list.GetItemCount();
}

BENCHMARK(Picker_NumbersFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(Picker_OneContactFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(Picker_SelectAll)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(Picker_OpenGroup)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(Picker_AlphabetJump)->Unit(benchmark::kMillisecond)->Iterations(100);
BENCHMARK(ContactList_Reload)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace
