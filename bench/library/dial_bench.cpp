// The dialer while the user types, at 50,000 contacts: from the press of a
// key to the repainted number, match line and suggestions (the key's tone,
// the character in the field, the owner's lookup, the smart-dial search and
// the rows it reads, the repaint of the screen), on the headless screen.
//
//   build/bin/dial_bench     (seeds a store under $TMPDIR with `vornactl seed`, then measures)
//
// Digits_p99 reports the median and the 99th percentile of single key
// presses in milliseconds, as work done by this thread (cpu_*_ms) and as
// time passed (wall_*_ms, which on a busy machine includes waiting for it).
//
// SmartDial_Keystroke/N types a name's keys ("zhangwei", then digits only
// numbers hold) and measures the press of the N-th key, thread CPU time in
// milliseconds: the press to the repainted list (key_*); the same press
// behind a "*", which no contact matches, so that nothing is searched or
// listed (bare_*: tone, field, match line, repaint); the store's smart-dial
// query alone reading as many rows as the window did (query_*); the fuzzy
// search of the same store with the same key and rows (fuzzy_*); and
// key_p99 / fuzzy_p99. list_median_ms = key - bare - query (medians) is what
// the suggestion list adds in the window beyond the store's query.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ce/device.h"
#include "dialer/PhoneDialWnd.h"
#include "dialer/SuggestionRows.h"
#include "platform/PimContract.h"
#include "qzfc/Robot.h"
#include "seeded_root.h"

namespace fs = std::filesystem;

namespace {

constexpr int kContacts = 50000;
constexpr int kScreenTop = 80;

// Mobile numbers of stored contacts, typed digit by digit.
std::vector<std::wstring> StoredMobileNumbers(size_t count) {
  std::vector<std::wstring> numbers;
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return numbers;
  int id = 0, type = 0;
  qzu::string name, number;
  for (bool first = true; numbers.size() < count && db->GetPhoneNumberlist(id, name, number, type, first);
       first = false)
    if (number.length() == 11 && number[0] == L'1') numbers.emplace_back(number.view());
  return numbers;
}

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> samples, int percent) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() * static_cast<size_t>(percent) / 100];
}

class Dialer {
 public:
  Dialer() {
    RECT wa = QzGetWorkArea();
    dial.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0);
    dial.Show(TRUE);
    robot.Settle();
  }
  ~Dialer() { dial.DestroyWindow(); }
  void Tap(int key) {
    int x = 13 + 152 * (key % 3) + 76, y = kScreenTop + 163 + 87 * (key / 3) + 43;
    robot.Press(x, y);
    robot.Release(x, y);
    robot.Advance(300);  // no double-clicks
  }
  bool MatchLineShown() const {
    for (UiWin* ui : dial.GetUiWins())
      if (dynamic_cast<UiStatic*>(ui)) return ui->GetTextLength() > 0;
    return false;
  }
  int SuggestionCount() const {
    for (UiWin* ui : dial.GetUiWins())
      if (auto* list = dynamic_cast<SuggestionList*>(ui)) return list->GetItemCount();
    return 0;
  }
  static int KeyFor(wchar_t digit) { return digit == L'0' ? 10 : digit - L'1'; }

  qzfc::Robot robot;
  PhoneDialWnd dial;
};

void Digits_p99(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  std::vector<std::wstring> numbers = StoredMobileNumbers(50);
  if (numbers.empty()) {
    state.SkipWithError("no numbers in the store");
    return;
  }
  Dialer dialer;
  std::vector<double> wall, cpu;
  size_t matched = 0;
  for (auto _ : state) {
    for (const std::wstring& number : numbers) {
      for (wchar_t digit : number) {
        auto start = std::chrono::steady_clock::now();
        double startCpu = ThreadCpuMs();
        dialer.Tap(Dialer::KeyFor(digit));
        cpu.push_back(ThreadCpuMs() - startCpu);
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      }
      state.PauseTiming();
      if (dialer.dial.GetDialPN() == number && dialer.MatchLineShown()) ++matched;
      dialer.Tap(12);  // clear
      state.ResumeTiming();
    }
  }
  state.counters["cpu_median_ms"] = Percentile(cpu, 50);
  state.counters["cpu_p99_ms"] = Percentile(cpu, 99);
  state.counters["wall_median_ms"] = Percentile(wall, 50);
  state.counters["wall_p99_ms"] = Percentile(wall, 99);
  state.counters["names_shown"] = static_cast<double>(matched);
  state.SetItemsProcessed(static_cast<int64_t>(cpu.size()));
}
BENCHMARK(Digits_p99)->Unit(benchmark::kMillisecond)->Iterations(4);

// "zhangwei" on the keypad, then digits that only numbers hold.
constexpr const wchar_t* kTypedName = L"94264934138";
constexpr int kKeystrokes = 100;

void SmartDial_Keystroke(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  const size_t length = static_cast<size_t>(state.range(0));
  const std::wstring typed(kTypedName, length);
  const qzu::string key(typed.c_str());
  Dialer dialer;
  std::vector<double> keys, bare, queries, fuzzy;
  size_t rows = 0;
  for (auto _ : state) {
    for (int i = 0; i < kKeystrokes; ++i) {
      state.PauseTiming();
      dialer.Tap(12);  // clear
      for (size_t k = 0; k + 1 < length; ++k) dialer.Tap(Dialer::KeyFor(typed[k]));
      state.ResumeTiming();
      double start = ThreadCpuMs();
      dialer.Tap(Dialer::KeyFor(typed.back()));
      keys.push_back(ThreadCpuMs() - start);
      rows = static_cast<size_t>(dialer.SuggestionCount());

      state.PauseTiming();
      dialer.Tap(12);
      dialer.Tap(9);  // "*"
      for (size_t k = 0; k + 1 < length; ++k) dialer.Tap(Dialer::KeyFor(typed[k]));
      state.ResumeTiming();
      start = ThreadCpuMs();
      dialer.Tap(Dialer::KeyFor(typed.back()));
      bare.push_back(ThreadCpuMs() - start);

      start = ThreadCpuMs();
      SuggestionRows alone;
      alone.Search(typed, rows);
      queries.push_back(ThreadCpuMs() - start);

      start = ThreadCpuMs();
      int id = 0, type = 0;
      qzu::string name, detail;
      size_t found = 0;
      // The search itself runs even when the window found no row to read.
      for (bool first = true; (first || found < rows) && db->GetContactslistFuzzy(key, id, name, detail, type, first);
           first = false)
        ++found;
      fuzzy.push_back(ThreadCpuMs() - start);
    }
  }
  state.counters["key_median_ms"] = Percentile(keys, 50);
  state.counters["key_p99_ms"] = Percentile(keys, 99);
  state.counters["query_median_ms"] = Percentile(queries, 50);
  state.counters["query_p99_ms"] = Percentile(queries, 99);
  state.counters["bare_median_ms"] = Percentile(bare, 50);
  state.counters["bare_p99_ms"] = Percentile(bare, 99);
  state.counters["list_median_ms"] = Percentile(keys, 50) - Percentile(bare, 50) - Percentile(queries, 50);
  state.counters["fuzzy_median_ms"] = Percentile(fuzzy, 50);
  state.counters["fuzzy_p99_ms"] = Percentile(fuzzy, 99);
  state.counters["key_to_fuzzy_p99"] = Percentile(keys, 99) / std::max(Percentile(fuzzy, 99), 1e-6);
  state.counters["rows_read"] = static_cast<double>(rows);
}
BENCHMARK(SmartDial_Keystroke)->DenseRange(1, 11)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
