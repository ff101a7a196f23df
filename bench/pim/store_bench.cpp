// The store at realistic sizes: stores of 5,000 and 50,000 contacts (the
// latter with 100,000 calls) seeded by `vornactl seed`, then the operations
// that the windows run per screen or per keystroke.
//
//   build/bin/store_bench                  (seeds under $TMPDIR, then measures)
//
// SearchPN_p99 and RowidLookup_p99 report the 99th percentile of single
// lookups in microseconds (counter p99_us), so that they compare directly.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "ce/device.h"
#include "qzpam/CContactsDbIf.h"
#include "seeded_root.h"

namespace fs = std::filesystem;

namespace {

constexpr int kLookups = 20000;

CContactsDbIf* Use(int contacts, int calls) {
  vorna::bench::UseSeededRoot(contacts, calls);
  return CContactsDbIf::GetContactDbIf();
}

std::vector<std::wstring> StoredNumbers(CContactsDbIf* db) {
  std::vector<std::wstring> numbers;
  int id = 0, type = 0;
  qzu::string name, number;
  for (bool first = true; db->GetPhoneNumberlist(id, name, number, type, first); first = false)
    numbers.emplace_back(number.view());
  return numbers;
}

double P99(std::vector<double>& samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() * 99 / 100];
}

template <typename Lookup>
void MeasureP99(benchmark::State& state, Lookup&& lookup) {
  std::vector<double> samples;
  samples.reserve(kLookups);
  for (auto _ : state) {
    samples.clear();
    for (int i = 0; i < kLookups; ++i) {
      auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(lookup(i));
      samples.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
  }
  state.counters["p99_us"] = P99(samples);
  state.SetItemsProcessed(state.iterations() * kLookups);
}

void SearchPN_p99(benchmark::State& state) {
  int contacts = static_cast<int>(state.range(0));
  CContactsDbIf* db = Use(contacts, contacts == 50000 ? 100000 : 0);
  std::vector<std::wstring> numbers = StoredNumbers(db);
  // Every fourth lookup is a number nobody has. The name is asked for, as
  // the rowid lookup reads it.
  qzu::string name;
  MeasureP99(state, [&](int i) {
    std::wstring number = i % 4 == 3 ? L"1990000" + std::to_wstring(1000 + i % 9000)
                                     : numbers[static_cast<size_t>(i * 7919) % numbers.size()];
    return db->SearchPN(number.c_str(), &name, nullptr, nullptr, nullptr, nullptr, nullptr);
  });
}
BENCHMARK(SearchPN_p99)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The floor SearchPN is compared with: a prepared rowid lookup on the same file.
void RowidLookup_p99(benchmark::State& state) {
  const fs::path& root = vorna::bench::UseSeededRoot(50000, 100000);
  sqlite3* raw = nullptr;
  sqlite3_open_v2((root / "pim" / "contacts.db").c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(raw, "SELECT display_name FROM contacts WHERE id = ?", -1, &stmt, nullptr);
  MeasureP99(state, [&](int i) {
    sqlite3_bind_int(stmt, 1, 1 + (i * 7919) % 50000);
    int rc = sqlite3_step(stmt);
    std::string name = rc == SQLITE_ROW ? reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)) : "";
    sqlite3_reset(stmt);
    return name.size();
  });
  sqlite3_finalize(stmt);
  sqlite3_close(raw);
}
BENCHMARK(RowidLookup_p99)->Unit(benchmark::kMillisecond)->Iterations(3);

int IterateContacts(CContactsDbIf* db) {
  int rows = 0, id = 0, type = 0;
  wchar_t letter = 0;
  qzu::string name, detail;
  for (bool first = true; db->GetContactslist(id, name, detail, type, letter, first); first = false) ++rows;
  return rows;
}

// The whole list, as the contacts window loads it when nothing changed.
void GetContactslist_Full(benchmark::State& state) {
  CContactsDbIf* db = Use(50000, 100000);
  IterateContacts(db);
  for (auto _ : state) benchmark::DoNotOptimize(IterateContacts(db));
}
BENCHMARK(GetContactslist_Full)->Unit(benchmark::kMillisecond);

// The first load after a contact was renamed, which moves it in the list.
void GetContactslist_AfterChange(benchmark::State& state) {
  CContactsDbIf* db = Use(50000, 100000);
  CContactInfo record;
  db->GetContactInfo(1, record, true);
  IterateContacts(db);
  bool renamed = false;
  for (auto _ : state) {
    state.PauseTiming();
    renamed = !renamed;
    record.UpdateNameInfo(L"", renamed ? L"阿斌" : L"Zora", L"");
    db->UpdateName(record);
    state.ResumeTiming();
    benchmark::DoNotOptimize(IterateContacts(db));
  }
}
BENCHMARK(GetContactslist_AfterChange)->Unit(benchmark::kMillisecond)->Iterations(5);

// One keystroke of the search field: the search and every result row. The
// empty key (the field cleared) hands out every contact unmatched: what the
// rows cost without the search.
void GetContactslistFuzzy_Keystroke(benchmark::State& state) {
  static const wchar_t* const kKeys[] = {L"z", L"zh", L"zha", L"w", L"wl", L"1", L"13", L"138", L"张", L"A", L""};
  CContactsDbIf* db = Use(50000, 100000);
  IterateContacts(db);
  const qzu::string key(kKeys[state.range(0)]);  // the window keeps its key as a string
  size_t rows = 0;
  for (auto _ : state) {
    int id = 0, type = 0;
    qzu::string name, detail;
    rows = 0;
    for (bool first = true; db->GetContactslistFuzzy(key, id, name, detail, type, first); first = false) ++rows;
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(GetContactslistFuzzy_Keystroke)->DenseRange(0, 10)->Unit(benchmark::kMillisecond);

// One page of the call log.
void GetCallHistory_Page50(benchmark::State& state) {
  CContactsDbIf* db = Use(50000, 100000);
  for (auto _ : state) {
    int time = 0, value = 0, type = 0, contact = 0, rows = 0;
    qzu::string number, name;
    for (bool first = true; db->GetCallHistory(50, number, time, value, type, name, contact, first); first = false)
      ++rows;
    benchmark::DoNotOptimize(rows);
  }
}
BENCHMARK(GetCallHistory_Page50)->Unit(benchmark::kMillisecond);

// One finished call, durable when it returns.
void InsertCall(benchmark::State& state) {
  CContactsDbIf* db = Use(50000, 100000);
  int i = 0;
  for (auto _ : state) db->InsertCall(L"13800138000", 1800000000 + i++, 30, 2);
}
BENCHMARK(InsertCall)->Unit(benchmark::kMillisecond);

}  // namespace
