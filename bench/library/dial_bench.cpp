// The dialer while the user types, at 50,000 contacts: from the press of a
// key to the repainted number and match line (the key's tone, the character
// in the field, the owner's lookup, the repaint of the screen), on the
// headless screen.
//
//   build/bin/dial_bench     (seeds a store under $TMPDIR with `vornactl seed`, then measures)
//
// Digits_p99 reports the median and the 99th percentile of single key
// presses in milliseconds, as work done by this thread (cpu_*_ms) and as
// time passed (wall_*_ms, which on a busy machine includes waiting for it).
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

}  // namespace
