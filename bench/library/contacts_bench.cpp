// The contacts book at 50,000 contacts:
//   FirstShown       the window made and shown: reload, alphabet map, first painted frame
//   SearchKey_p99    one keystroke of the search field to the repainted list,
//                    for keys of 1 to 3 characters (initials, digits, a character)
//   Details20        a contact with 20 values opened in details and painted
//   AlphabetJump_p99 a letter chosen on the alphabet bar, with the repaint
//   FlingFrame_p99   one frame of a fling through the list
//
//   build/bin/contacts_bench     (seeds a store under $TMPDIR, then measures)
//
// The _p99 benchmarks report the median and the 99th percentile of single
// events in milliseconds of this thread's work (cpu_*_ms).
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <string>
#include <vector>

#include "contacts/list/ContactListCollection.h"
#include "contacts/window/CContactWnd.h"
#include "platform/PimContract.h"
#include "qzfc/Robot.h"
#include "seeded_root.h"

namespace {

constexpr int kContacts = 50000;

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> samples, int percent) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() * static_cast<size_t>(percent) / 100];
}

void Report(benchmark::State& state, const std::vector<double>& cpu) {
  state.counters["cpu_median_ms"] = Percentile(cpu, 50);
  state.counters["cpu_p99_ms"] = Percentile(cpu, 99);
}

class Book {
 public:
  Book() {
    vorna::bench::UseSeededRoot(kContacts, 0);
    RECT wa = QzGetWorkArea();
    wnd.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0);
    wnd.Show(TRUE);
    robot.Settle();
  }
  ~Book() { wnd.DestroyWindow(); }
  qzfc::Robot robot;
  CContactWnd wnd;
};

void FirstShown(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  std::vector<double> cpu;
  for (auto _ : state) {
    qzfc::Robot robot;
    CContactWnd wnd;
    RECT wa = QzGetWorkArea();
    double start = ThreadCpuMs();
    wnd.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0);
    wnd.Show(TRUE);
    robot.Settle();
    cpu.push_back(ThreadCpuMs() - start);
    state.counters["rows"] = wnd.GetListModel().GetItemCount();
    wnd.DestroyWindow();
  }
  Report(state, cpu);
}
BENCHMARK(FirstShown)->Unit(benchmark::kMillisecond)->Iterations(10);

void SearchKey_p99(benchmark::State& state) {
  Book book;
  book.wnd.SwitchWindowMode(MODE_SEARCH, nullptr, true, true);
  book.robot.Settle();
  const std::vector<std::wstring> keys = {L"z", L"zs", L"zsf", L"1", L"13", L"138", L"张", L"王"};
  std::vector<double> cpu;
  for (auto _ : state) {
    for (const std::wstring& key : keys) {
      book.wnd.SendMessageW(WM_CHAR, 27, 0);  // escape empties the field
      book.robot.Settle();
      for (wchar_t ch : key) {
        double start = ThreadCpuMs();
        book.wnd.SendMessageW(WM_CHAR, ch, 0);
        book.robot.Settle();
        cpu.push_back(ThreadCpuMs() - start);
      }
    }
  }
  Report(state, cpu);
}
BENCHMARK(SearchKey_p99)->Unit(benchmark::kMillisecond)->Iterations(5);

void Details20(benchmark::State& state) {
  Book book;
  CContactInfo c;
  c.UpdateNameInfo(L"王", L"二十", L"星河科技");
  for (int i = 0; i < 8; ++i) c.AddPhoneNumber(0, (L"1380013800" + std::to_wstring(i)).c_str(), i % 5, i == 0);
  for (int i = 0; i < 4; ++i) c.AddEmail(0, (L"w" + std::to_wstring(i) + L"@example.com").c_str(), i % 3);
  c.AddQQ(0, L"10001", 0);
  c.AddMSN(0, L"w@msn.example", 0);
  c.AddWebPage(0, L"example.com", 0);
  c.AddAddress(0, L"北京", L"中国", L"100080", L"北京市", L"中关村大街1号", 0);
  c.UpdateRemark(L"二十个值");
  c.UpdateRing(L"\\Windows\\Rings\\Bell.wav");
  c.UpdateBirthday(L"19900517");
  c.AddToCategoris(L"同事");
  const int id = CContactsDbIf::GetContactDbIf()->AddContact(c);
  for (auto _ : state) {
    book.wnd.SwitchWindowMode(MODE_DETAILS, reinterpret_cast<void*>(static_cast<intptr_t>(id)), true, false);
    book.robot.Settle();
    state.PauseTiming();
    book.wnd.SwitchWindowMode(MODE_NORMAL, nullptr, true, false);
    book.robot.Settle();
    state.ResumeTiming();
  }
  CContactsDbIf::GetContactDbIf()->RemoveContact(id);
}
BENCHMARK(Details20)->Unit(benchmark::kMillisecond)->Iterations(20);

void AlphabetJump_p99(benchmark::State& state) {
  Book book;
  std::vector<double> cpu;
  for (auto _ : state) {
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
      double start = ThreadCpuMs();
      book.wnd.MoveToAlphabet(letter);
      book.robot.Settle();
      cpu.push_back(ThreadCpuMs() - start);
    }
  }
  Report(state, cpu);
}
BENCHMARK(AlphabetJump_p99)->Unit(benchmark::kMillisecond)->Iterations(5);

void FlingFrame_p99(benchmark::State& state) {
  Book book;
  std::vector<double> cpu;
  for (auto _ : state) {
    book.robot.Swipe(240, 700, 240, 150);
    for (int frame = 0; frame < 60; ++frame) {
      double start = ThreadCpuMs();
      book.robot.Advance(16);
      cpu.push_back(ThreadCpuMs() - start);
    }
  }
  Report(state, cpu);
}
BENCHMARK(FlingFrame_p99)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
