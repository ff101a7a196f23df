// Smart dial on the store of 50,000 contacts and 100,000 calls seeded by
// `vornactl seed`: one keystroke for keys of 1 to 11 digits (the search
// and the first screen of suggestions), next to the fuzzy search of the
// same store with the same key; the index build; the index's size.
//
//   build/bin/t9_bench
//
// Keystroke benchmarks report thread CPU time per query: median_us and
// p99_us over kQueries queries.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "qzpam/CContactsDbIf.h"
#include "seeded_root.h"
#include "store/StoreHolder.h"
#include "t9/T9Index.h"

namespace {

constexpr int kQueries = 300;
constexpr int kScreenRows = 20;
// "zhangwei" typed on the keypad, then digits that only numbers hold.
constexpr const char* kTyped = "94264934138";

CContactsDbIf* Use() {
  vorna::bench::UseSeededRoot(50000, 100000);
  return CContactsDbIf::GetContactDbIf();
}

double ThreadMicros() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

template <typename Query>
void MeasureQueries(benchmark::State& state, Query&& query) {
  std::vector<double> samples;
  for (auto _ : state) {
    samples.clear();
    for (int i = 0; i < kQueries; ++i) {
      double start = ThreadMicros();
      benchmark::DoNotOptimize(query());
      samples.push_back(ThreadMicros() - start);
    }
  }
  std::sort(samples.begin(), samples.end());
  state.counters["median_us"] = samples[samples.size() / 2];
  state.counters["p99_us"] = samples[samples.size() * 99 / 100];
}

qzu::string Key(benchmark::State& state) {
  std::string digits(kTyped, static_cast<size_t>(state.range(0)));
  return qzu::string(std::wstring(digits.begin(), digits.end()).c_str());
}

void T9_Keystroke(benchmark::State& state) {
  CContactsDbIf* db = Use();
  const qzu::string key = Key(state);
  size_t rows = 0;
  MeasureQueries(state, [&] {
    T9Suggestion row;
    rows = 0;
    for (bool first = true; rows < kScreenRows && db->GetT9Suggestions(key, row, first); first = false) ++rows;
    return rows;
  });
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(T9_Keystroke)->DenseRange(1, 11)->Unit(benchmark::kMillisecond)->Iterations(1);

void Fuzzy_SameKey(benchmark::State& state) {
  CContactsDbIf* db = Use();
  const qzu::string key = Key(state);
  size_t rows = 0;
  MeasureQueries(state, [&] {
    int id = 0, type = 0;
    qzu::string name, detail;
    rows = 0;
    for (bool first = true; rows < kScreenRows && db->GetContactslistFuzzy(key, id, name, detail, type, first);
         first = false)
      ++rows;
    return rows;
  });
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(Fuzzy_SameKey)->DenseRange(1, 11)->Unit(benchmark::kMillisecond)->Iterations(1);

// Building the index from a snapshot of the store, and its size.
void T9_IndexBuild(benchmark::State& state) {
  Use();
  std::shared_ptr<qzpam::Store> store = qzpam::StoreHolder::Get();
  std::shared_ptr<const qzpam::ContactSnapshot> snapshot;
  {
    std::lock_guard lock(store->mutex());
    snapshot = qzpam::ContactSnapshot::Refresh(*store, nullptr);
  }
  size_t bytes = 0;
  for (auto _ : state) {
    qzpam::T9Index index(snapshot->contacts());
    bytes = index.bytes();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes_per_contact"] = static_cast<double>(bytes) / static_cast<double>(snapshot->contacts().size());
}
BENCHMARK(T9_IndexBuild)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
