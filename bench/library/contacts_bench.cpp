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
// events in milliseconds, as work done by this thread (cpu_*_ms) and as time
// passed (wall_*_ms).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "contacts/list/ContactListCollection.h"
#include "contacts/window/CContactWnd.h"
#include "first_frame.h"
#include "platform/PimContract.h"
#include "qzfc/Robot.h"
#include "samples.h"
#include "seeded_root.h"

namespace {

using vorna::bench::Samples;

constexpr int kContacts = 50000;

class Book {
 public:
  Book() {
    vorna::bench::UseSeededRoot(kContacts, 0);
    vorna::bench::OpenOverWorkArea(wnd, robot);
  }
  ~Book() { wnd.DestroyWindow(); }
  qzfc::Robot robot;
  CContactWnd wnd;
};

void FirstShown(benchmark::State& state) {
  vorna::bench::UseSeededRoot(kContacts, 0);
  vorna::bench::TimeFirstFrames(
      state, 0, [] { return std::make_unique<CContactWnd>(); },
      [&](CContactWnd& wnd) { state.counters["rows"] = wnd.GetListModel().GetItemCount(); });
}
BENCHMARK(FirstShown)->Unit(benchmark::kMillisecond)->Iterations(10);

void SearchKey_p99(benchmark::State& state) {
  Book book;
  book.wnd.SwitchWindowMode(MODE_SEARCH, nullptr, true, true);
  book.robot.Settle();
  const std::vector<std::wstring> keys = {L"z", L"zs", L"zsf", L"1", L"13", L"138", L"张", L"王"};
  Samples samples;
  for (auto _ : state) {
    for (const std::wstring& key : keys) {
      book.wnd.SendMessageW(WM_CHAR, 27, 0);  // escape empties the field
      book.robot.Settle();
      for (wchar_t ch : key) {
        samples.Measure([&] {
          book.wnd.SendMessageW(WM_CHAR, ch, 0);
          book.robot.Settle();
        });
      }
    }
  }
  samples.Report(state);
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
  Samples samples;
  for (auto _ : state) {
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
      samples.Measure([&] {
        book.wnd.MoveToAlphabet(letter);
        book.robot.Settle();
      });
    }
  }
  samples.Report(state);
}
BENCHMARK(AlphabetJump_p99)->Unit(benchmark::kMillisecond)->Iterations(5);

void FlingFrame_p99(benchmark::State& state) {
  Book book;
  Samples samples;
  for (auto _ : state) {
    book.robot.Swipe(240, 700, 240, 150);
    for (int frame = 0; frame < 60; ++frame) samples.Measure([&] { book.robot.Advance(16); });
  }
  samples.Report(state);
}
BENCHMARK(FlingFrame_p99)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
