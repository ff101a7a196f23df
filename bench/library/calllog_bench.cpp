// The call log at 50,000 contacts and 100,000 calls over 5,000 numbers (4,000
// of them contacts' mobiles, 1,000 strangers; one number has 2,000 calls):
//   Shown_p99        a new call recorded, then the tab shown: the change
//                    check, 50 threads with region lookups, the painted frame
//   MoreRecords      the more-records row: every thread, painted
//   ThreadsFromStore the store's read of every thread alone
//   CallsTableScan   a bare SQLite scan of every column of every call, on its
//                    own connection (the baseline of both)
//   Details_Limited  the details of the number with 2,000 calls (20 lines)
//   Details_All      the same number's whole history
//   SwipeDelete      a thread deleted from the store and the list
//   FlingFrame_p99   one frame of a fling through every thread
//
//   build/bin/calllog_bench     (seeds a store under $TMPDIR, then measures)
//
// The _p99 benchmarks, MoreRecords, ThreadsFromStore and CallsTableScan
// report the median and the 99th percentile of single events in
// milliseconds, as work done by this thread (cpu_*_ms) and as time passed
// (wall_*_ms).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "calllog/CCallHistoryWnd.h"
#include "calllog/details/UiListCallInfo.h"
#include "first_frame.h"
#include "platform/PimContract.h"
#include "qzfc/Robot.h"
#include "qzpam/StoreBatch.h"
#include "samples.h"
#include "seeded_root.h"

namespace {

using vorna::bench::Samples;

constexpr int kContacts = 50000;
constexpr int kCalls = 100000;
constexpr int kContactNumbers = 4000;
constexpr int kStrangers = 1000;
constexpr int kHeavyCalls = 2000;
constexpr int kYearStart = 1735689600;  // 2025-01-01 UTC
constexpr int kYear = 365 * 24 * 3600;
const wchar_t kHeavyNumber[] = L"13300001111";

// The seeded contacts' store with the calls added once.
CContactsDbIf* CallStore() {
  static bool seeded = false;
  vorna::bench::UseSeededRoot(kContacts, 0);
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (seeded || !db) return db;
  seeded = true;
  std::vector<std::wstring> numbers;
  int id = 0, type = 0;
  qzu::string name, number;
  for (bool first = true; static_cast<int>(numbers.size()) < kContactNumbers &&
                          db->GetPhoneNumberlist(id, name, number, type, first);
       first = false)
    if (number.length() == 11 && number[0] == L'1') numbers.emplace_back(number.view());
  for (int i = 0; i < kStrangers; ++i) numbers.push_back(L"1590000" + std::to_wstring(1000 + i));
  qzpam::StoreBatch batch;
  for (int i = 0; i < kHeavyCalls; ++i) db->InsertCall(kHeavyNumber, kYearStart + kYear / kHeavyCalls * i, 60, 1 + i % 5);
  for (int i = kHeavyCalls; i < kCalls; ++i)
    db->InsertCall(numbers[static_cast<size_t>(i) % numbers.size()].c_str(), kYearStart + kYear / kCalls * i, i % 900,
                   1 + i % 5);
  batch.Commit();
  return db;
}

class CallLog {
 public:
  CallLog() { vorna::bench::OpenOverWorkArea(log, robot); }
  ~CallLog() { log.DestroyWindow(); }
  qzfc::Robot robot;
  CCallHistoryWnd log;
};

void Shown_p99(benchmark::State& state) {
  CContactsDbIf* db = CallStore();
  CallLog window;
  Samples samples;
  int stranger = 0;
  for (auto _ : state) {
    state.PauseTiming();
    window.log.Show(FALSE);
    window.robot.Settle();
    db->InsertCall((L"1860000" + std::to_wstring(1000 + stranger++ % 9000)).c_str(), kYearStart + kYear, 42, 1);
    state.ResumeTiming();
    samples.Measure([&] {
      window.log.Show(TRUE);
      window.robot.Settle();
    });
  }
  if (window.log.GetCollection().GetItemCount() != 51) state.SkipWithError("the log does not show 50 threads");
  samples.Report(state);
}
BENCHMARK(Shown_p99)->Unit(benchmark::kMillisecond)->Iterations(50);

void MoreRecords(benchmark::State& state) {
  CallStore();
  CallLog window;
  Samples samples;
  for (auto _ : state) {
    state.PauseTiming();
    window.log.GetCollection().LoadCallHistory(false, true);
    state.ResumeTiming();
    samples.Start();
    // What the thread list reports when its more-records row is tapped.
    window.log.SendMessageW(QZ_WM_LIST_CLICK, CCallHistoryWnd::kThreadListId, 50);
    window.robot.Settle();
    samples.Stop();
  }
  state.counters["threads"] = window.log.GetCollection().GetItemCount() - 1;
  samples.Report(state);
}
BENCHMARK(MoreRecords)->Unit(benchmark::kMillisecond)->Iterations(20);

// The store's own read of every thread.
void ThreadsFromStore(benchmark::State& state) {
  CContactsDbIf* db = CallStore();
  qzu::string number, name;
  int time = 0, value = 0, type = 0, contactId = 0, threads = 0;
  Samples samples;
  for (auto _ : state) {
    samples.Start();
    threads = 0;
    for (bool first = true; db->GetCallHistory(CallHistoryCollection::kAllThreads, number, time, value, type, name,
                                               contactId, first);
         first = false)
      ++threads;
    samples.Stop();
  }
  state.counters["threads"] = threads;
  samples.Report(state);
}
BENCHMARK(ThreadsFromStore)->Unit(benchmark::kMillisecond)->Iterations(20);

// The baseline: every column of every call read by SQLite alone.
void CallsTableScan(benchmark::State& state) {
  const std::string file = (vorna::bench::UseSeededRoot(kContacts, 0) / "pim" / "contacts.db").string();
  CallStore();
  sqlite3* db = nullptr;
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(db, "SELECT number, time, value, type, match_key FROM calls", -1, &stmt, nullptr) != SQLITE_OK) {
    state.SkipWithError("cannot read the store");
    sqlite3_close(db);
    return;
  }
  Samples samples;
  int64_t sum = 0;
  int calls = 0;
  for (auto _ : state) {
    samples.Start();
    calls = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      sum += sqlite3_column_bytes(stmt, 0) + sqlite3_column_int(stmt, 1) + sqlite3_column_int(stmt, 2) +
             sqlite3_column_int(stmt, 3) + sqlite3_column_bytes(stmt, 4);
      ++calls;
    }
    sqlite3_reset(stmt);
    samples.Stop();
  }
  benchmark::DoNotOptimize(sum);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  state.counters["calls"] = calls;
  samples.Report(state);
}
BENCHMARK(CallsTableScan)->Unit(benchmark::kMillisecond)->Iterations(20);

void Details(benchmark::State& state) {
  CallStore();
  CallLog window;
  UiListCallInfo list;
  list.SetPos(0, 0, 480, 650);
  window.log.AddUiWin(&list);
  const bool all = state.range(0) != 0;
  for (auto _ : state) {
    list.SetCallInfo(false, 0, kHeavyNumber);
    list.AddAllItems();
    if (all) list.LoadCallHistory(false);
  }
  window.log.RemoveUiWin(&list);
  state.counters["lines"] = static_cast<double>(list.GetCallEntries().size());
}
BENCHMARK(Details)->Name("Details_Limited")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(Details)->Name("Details_All")->Arg(1)->Unit(benchmark::kMillisecond);

void SwipeDelete(benchmark::State& state) {
  CallStore();
  CallHistoryCollection rows;
  for (auto _ : state) {
    state.PauseTiming();
    rows.LoadCallHistory(false, true);
    state.ResumeTiming();
    rows.DeleteItem(0);
  }
}
BENCHMARK(SwipeDelete)->Unit(benchmark::kMillisecond)->Iterations(100);

void FlingFrame_p99(benchmark::State& state) {
  CallStore();
  CallLog window;
  window.log.SendMessageW(QZ_WM_LIST_CLICK, CCallHistoryWnd::kThreadListId, 50);
  window.robot.Settle();
  Samples samples;
  for (auto _ : state) {
    window.robot.Swipe(240, 700, 240, 150);
    for (int frame = 0; frame < 60; ++frame) samples.Measure([&] { window.robot.Advance(16); });
  }
  state.counters["threads"] = window.log.GetCollection().GetItemCount() - 1;
  samples.Report(state);
}
BENCHMARK(FlingFrame_p99)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
