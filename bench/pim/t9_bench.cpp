// Smart dial on the store of 50,000 contacts and 100,000 calls seeded by
// `vornactl seed`:
//  - T9_Keystroke/DIGITS/TYPED: one keystroke, the search and a screenful of
//    suggestions, for keys of 1 to 11 digits typed as a name ("zhangwei",
//    then digits only numbers hold; TYPED 0) or as a mobile number (TYPED
//    1); next to it, alternating query by query, the fuzzy search of the
//    same store with the same key, and the ratio of the two;
//  - T9_IndexBuild: the index over the fuzzy index already there, and its
//    own memory per contact beyond the fuzzy index;
//  - T9_IndexBuildWithTexts: the fuzzy index and the index from a snapshot;
//  - T9_FirstKeyAfterChange: the first keystroke after a contact was added,
//    which brings the snapshot up to date, builds both indexes and counts
//    the calls again.
//
//   build/bin/t9_bench
//
// Per-event figures are thread CPU time in microseconds: median and p99.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "contacts/FuzzyIndex.h"
#include "qzpam/CContactsDbIf.h"
#include "seeded_root.h"
#include "store/StoreHolder.h"
#include "t9/T9Index.h"

namespace {

constexpr int kQueries = 300;
constexpr int kScreenRows = 20;
constexpr const char* kTyped[] = {"94264934138", "13912345678"};

CContactsDbIf* Use() {
  vorna::bench::UseSeededRoot(50000, 100000);
  return CContactsDbIf::GetContactDbIf();
}

double ThreadMicros() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

struct Samples {
  std::vector<double> micros;

  template <typename Query>
  void Take(Query&& query) {
    double start = ThreadMicros();
    benchmark::DoNotOptimize(query());
    micros.push_back(ThreadMicros() - start);
  }
  double Median() { return At(micros.size() / 2); }
  double P99() { return At(micros.size() * 99 / 100); }
  double Max() { return At(micros.size() - 1); }

 private:
  double At(size_t rank) {
    std::sort(micros.begin(), micros.end());
    return micros[std::min(rank, micros.size() - 1)];
  }
};

qzu::string Key(benchmark::State& state) {
  std::string digits(kTyped[state.range(1)], static_cast<size_t>(state.range(0)));
  return qzu::string(std::wstring(digits.begin(), digits.end()).c_str());
}

size_t T9Screen(CContactsDbIf* db, const qzu::string& key) {
  T9Suggestion row;
  size_t rows = 0;
  for (bool first = true; rows < kScreenRows && db->GetT9Suggestions(key, row, first); first = false) ++rows;
  return rows;
}

size_t FuzzyScreen(CContactsDbIf* db, const qzu::string& key) {
  int id = 0, type = 0;
  qzu::string name, detail;
  size_t rows = 0;
  for (bool first = true; rows < kScreenRows && db->GetContactslistFuzzy(key, id, name, detail, type, first);
       first = false)
    ++rows;
  return rows;
}

void T9_Keystroke(benchmark::State& state) {
  CContactsDbIf* db = Use();
  const qzu::string key = Key(state);
  Samples t9, fuzzy;
  for (auto _ : state) {
    for (int i = 0; i < kQueries; ++i) {
      t9.Take([&] { return T9Screen(db, key); });
      fuzzy.Take([&] { return FuzzyScreen(db, key); });
    }
  }
  state.counters["rows"] = static_cast<double>(T9Screen(db, key));
  state.counters["median_us"] = t9.Median();
  state.counters["p99_us"] = t9.P99();
  state.counters["fuzzy_median_us"] = fuzzy.Median();
  state.counters["fuzzy_p99_us"] = fuzzy.P99();
  state.counters["x_fuzzy_median"] = t9.Median() / fuzzy.Median();
  state.counters["x_fuzzy_p99"] = t9.P99() / fuzzy.P99();
}
BENCHMARK(T9_Keystroke)
    ->ArgsProduct({benchmark::CreateDenseRange(1, 11, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

std::shared_ptr<const qzpam::ContactSnapshot> Snapshot() {
  Use();
  std::shared_ptr<qzpam::Store> store = qzpam::StoreHolder::Get();
  std::lock_guard lock(store->mutex());
  return qzpam::ContactSnapshot::Refresh(*store, nullptr);
}

void T9_IndexBuild(benchmark::State& state) {
  auto snapshot = Snapshot();
  auto texts = std::make_shared<const qzpam::FuzzyIndex>(snapshot->contacts());
  size_t bytes = 0;
  for (auto _ : state) {
    qzpam::T9Index index(texts);
    bytes = index.bytes();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes_per_contact"] = static_cast<double>(bytes) / static_cast<double>(texts->size());
}
BENCHMARK(T9_IndexBuild)->Unit(benchmark::kMillisecond)->Iterations(5);

void T9_IndexBuildWithTexts(benchmark::State& state) {
  auto snapshot = Snapshot();
  for (auto _ : state) {
    qzpam::T9Index index(std::make_shared<const qzpam::FuzzyIndex>(snapshot->contacts()));
    benchmark::DoNotOptimize(index.bytes());
  }
}
BENCHMARK(T9_IndexBuildWithTexts)->Unit(benchmark::kMillisecond)->Iterations(5);

void T9_FirstKeyAfterChange(benchmark::State& state) {
  CContactsDbIf* db = Use();
  const qzu::string key(L"99");
  Samples first;
  for (auto _ : state) {
    state.PauseTiming();
    CContactInfo record;
    record.UpdateNameInfo(L"张", L"伟", L"");
    int added = db->AddContact(record);
    state.ResumeTiming();
    first.Take([&] { return T9Screen(db, key); });
    state.PauseTiming();
    db->RemoveContact(added);
    state.ResumeTiming();
  }
  state.counters["median_us"] = first.Median();
  state.counters["max_us"] = first.Max();
}
BENCHMARK(T9_FirstKeyAfterChange)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
