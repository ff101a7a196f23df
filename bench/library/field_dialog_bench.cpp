// The editor's value dialog saving a change of a stored contact, at 50,000
// contacts: from the tap on save to the dialog's end, with the change in the
// store (the record updated, the entry written, the modal loop left), on the
// headless screen.
//
//   build/bin/field_dialog_bench     (seeds a store under $TMPDIR with `vornactl seed`, then measures)
//
// Each benchmark reports the median and the 99th percentile of single saves
// in milliseconds, as work done by this thread (cpu_*_ms) and as time passed
// (wall_*_ms, which on a busy machine includes waiting for it).
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "contacts/editor/dialogs/CValueEditWnd.h"
#include "contacts/editor/dialogs/FieldEditKind.h"
#include "first_frame.h"
#include "platform/PimContract.h"
#include "qzfc/Robot.h"
#include "qzfc/Sip.h"
#include "samples.h"
#include "seeded_root.h"

namespace {

constexpr int kContacts = 50000;
constexpr int kScreenTop = 80;
constexpr int kSaves = 200;

// A stored contact with a phone number, as the editor holds it.
bool LoadStoredContactWithNumber(CContactInfo& record) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return false;
  int id = 0, type = 0;
  wchar_t letter = 0;
  qzu::string name, detail;
  for (bool first = true; db->GetContactslist(id, name, detail, type, letter, first); first = false)
    if (!detail.empty()) return db->GetContactInfo(id, record, false) && !record.phoneNumbers.empty();
  return false;
}

class SaveTimer {
 public:
  // Runs the dialog; `prepare` makes a change as a user does, then the
  // keyboard goes down and the tap on save is timed.
  void Run(CValueEditWnd& dialog, const std::function<void()>& prepare) {
    if (!vorna::bench::CreateOverWorkArea(dialog, WS_POPUP)) return;
    robot.WhenModalWaits([&] {
      prepare();
      qzfc::Sip& sip = qzfc::Sip::Instance();
      if (sip.IsVisible()) Tap(sip.KeyRect(L"\u25BC"), 0);
      RECT save = dynamic_cast<UiToolBarPro*>(robot.FindControl(1))->GetButtonRect(TOOLBAR_BUTTON_RIGHT);
      samples.Measure([&] { Tap(save, kScreenTop); });
    });
    if (dialog.DoModal(FALSE) == 1) ++saved;
    dialog.DestroyWindow();
  }
  void Tap(const RECT& rc, int top) {
    robot.Tap((rc.left + rc.right) / 2, top + (rc.top + rc.bottom) / 2);
    robot.Advance(300);
  }
  void Report(benchmark::State& state) {
    if (samples.Empty()) return;
    samples.Report(state);
    state.counters["saved"] = saved;
  }

  qzfc::Robot robot;
  vorna::bench::Samples samples;
  int saved = 0;
};

// Times kSaves saves of a stored contact, each through a fresh dialog of one
// kind on one entry; `change` makes the i-th save's change as a user does.
void TimeSaves(benchmark::State& state, int kind, int entryIndex,
               const std::function<void(SaveTimer&, const CContactInfo&, int)>& change) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  CContactInfo record;
  if (!LoadStoredContactWithNumber(record)) {
    state.SkipWithError("no stored contact with a number");
    return;
  }
  SaveTimer timer;
  for (auto _ : state) {
    for (int i = 0; i < kSaves; ++i) {
      CValueEditWnd dialog(kind, 1);
      dialog.SetContactInfo(&record);
      dialog.SetEntryIndex(entryIndex);
      timer.Run(dialog, [&] { change(timer, record, i); });
    }
  }
  timer.Report(state);
}

// The type of a stored number changed on the slide bar: an update.
void PhoneTypeSave_p99(benchmark::State& state) {
  TimeSaves(state, EDIT_KIND_PHONE, 0, [](SaveTimer& timer, const CContactInfo& record, int) {
    const int type = record.phoneNumbers[0].type == 1 ? 2 : 1;
    timer.Tap(RECT{96 * type, 0, 96 * type + 96, 68}, kScreenTop);
  });
}
BENCHMARK(PhoneTypeSave_p99)->Unit(benchmark::kMillisecond)->Iterations(1);

// A new e-mail address typed: an addition that takes the store's identifier.
void NewEmailSave_p99(benchmark::State& state) {
  TimeSaves(state, EDIT_KIND_EMAIL, -1, [](SaveTimer& timer, const CContactInfo&, int i) {
    timer.robot.Type(L"user" + std::to_wstring(i) + L"@example.com");
  });
}
BENCHMARK(NewEmailSave_p99)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
