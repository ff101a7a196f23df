// The contact data functions at a store of 50,000 contacts (seeded by
// `vornactl seed`), next to a bare SQLite rowid lookup on the same file.
//
//   build/bin/contactdata_bench
//
// The *_p99 benchmarks report the median and 99th percentile of single calls
// in microseconds (counters p50_us, p99_us; p99_cpu_us in thread CPU time),
// so that they compare directly.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "ce/bstr.h"
#include "ce/device.h"
#include "contactdata/NumberMatching.h"
#include "contactdata/RegionLookup.h"
#include "contactdata/VcardWriter.h"
#include "platform/PimContract.h"
#include "seeded_root.h"

namespace fs = std::filesystem;

namespace {

constexpr int kContacts = 50000;
constexpr int kLookups = 20000;

const fs::path& Root() { return vorna::bench::UseSeededRoot(kContacts, 0); }

// Three of four lookups ask for a stored number, the fourth for a stranger.
const std::vector<std::wstring>& LookupNumbers() {
  static const std::vector<std::wstring> numbers = [] {
    Root();
    std::vector<std::wstring> stored;
    CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
    int id = 0, type = 0;
    qzu::string name, number;
    for (bool first = true; db && db->GetPhoneNumberlist(id, name, number, type, first); first = false)
      stored.emplace_back(number.view());
    std::vector<std::wstring> picked;
    for (int i = 0; i < kLookups && !stored.empty(); ++i)
      picked.push_back(i % 4 == 3 ? L"1990000" + std::to_wstring(1000 + i % 9000)
                                  : stored[static_cast<std::size_t>(i) * 7919 % stored.size()]);
    return picked;
  }();
  return numbers;
}

double ThreadCpuMicros() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double Percentile(std::vector<double>& samples, int percent) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() * static_cast<std::size_t>(percent) / 100];
}

// p99_us is wall time; p99_cpu_us the thread's CPU time, which stays
// comparable on a machine that other jobs keep busy.
template <typename Call>
void MeasureP99(benchmark::State& state, Call&& call) {
  std::vector<double> wall, cpu;
  wall.reserve(kLookups);
  cpu.reserve(kLookups);
  for (auto _ : state) {
    wall.clear();
    cpu.clear();
    for (int i = 0; i < kLookups; ++i) {
      const auto start = std::chrono::steady_clock::now();
      const double startCpu = ThreadCpuMicros();
      benchmark::DoNotOptimize(call(i));
      cpu.push_back(ThreadCpuMicros() - startCpu);
      wall.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
  }
  state.counters["p50_us"] = Percentile(wall, 50);
  state.counters["p99_us"] = Percentile(wall, 99);
  state.counters["p99_cpu_us"] = Percentile(cpu, 99);
  state.SetItemsProcessed(state.iterations() * kLookups);
}

void RowidLookup_p99(benchmark::State& state) {
  sqlite3* raw = nullptr;
  sqlite3_open_v2((Root() / "pim" / "contacts.db").c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(raw, "SELECT display_name FROM contacts WHERE id = ?", -1, &stmt, nullptr);
  MeasureP99(state, [&](int i) {
    sqlite3_bind_int(stmt, 1, 1 + (i * 7919) % kContacts);
    const int rc = sqlite3_step(stmt);
    std::string name = rc == SQLITE_ROW ? reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)) : "";
    sqlite3_reset(stmt);
    return name.size();
  });
  sqlite3_finalize(stmt);
  sqlite3_close(raw);
}
BENCHMARK(RowidLookup_p99)->Unit(benchmark::kMillisecond)->Iterations(3);

void GetMatchPNInfoLong_p99(benchmark::State& state) {
  const std::vector<std::wstring>& numbers = LookupNumbers();
  MeasureP99(state, [&](int i) {
    int id = 0;
    wchar_t* name = nullptr;
    wchar_t* label = nullptr;
    wchar_t* ring = nullptr;
    unsigned char* photo = nullptr;
    int photoLength = 0;
    bool blocked = false;
    const bool found = GetMatchPNInfo(numbers[static_cast<std::size_t>(i)].c_str(), &id, &name, &label, &ring,
                                      &photo, &photoLength, &blocked);
    SysFreeString(name);
    SysFreeString(label);
    SysFreeString(ring);
    return found;
  });
}
BENCHMARK(GetMatchPNInfoLong_p99)->Unit(benchmark::kMillisecond)->Iterations(3);

// What the long form asks of the data library, for comparison: the search
// with every result and the blacklist check.
void SearchPNAndBlacklist_p99(benchmark::State& state) {
  const std::vector<std::wstring>& numbers = LookupNumbers();
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  MeasureP99(state, [&](int i) {
    qzu::string name, ring;
    int type = 0, photoLength = 0;
    unsigned char* photo = nullptr;
    const int id = db->SearchPN(numbers[static_cast<std::size_t>(i)].c_str(), &name, &type, &ring, &photo,
                                &photoLength, nullptr);
    return id != 0 && db->IsContactInBlacklist(id);
  });
}
BENCHMARK(SearchPNAndBlacklist_p99)->Unit(benchmark::kMillisecond)->Iterations(3);

void IsSmsBlocked_p99(benchmark::State& state) {
  const std::vector<std::wstring>& numbers = LookupNumbers();
  MeasureP99(state, [&](int i) { return IsSmsBlocked(numbers[static_cast<std::size_t>(i)].c_str()); });
}
BENCHMARK(IsSmsBlocked_p99)->Unit(benchmark::kMillisecond)->Iterations(3);

void GetPNRegionInfo_p99(benchmark::State& state) {
  Root();
  static const wchar_t* const kNumbers[] = {L"13800138000", L"+8613912345678", L"075512345678", L"02112345678",
                                            L"01087654321", L"+85212345678",   L"88881234",     L"15999990000"};
  MeasureP99(state, [&](int i) {
    wchar_t* region = nullptr;
    const bool found = GetPNRegionInfo(kNumbers[i % 8], &region);
    SysFreeString(region);
    return found;
  });
}
BENCHMARK(GetPNRegionInfo_p99)->Unit(benchmark::kMillisecond)->Iterations(3);

// A typical contact: Chinese name, company, a group, two numbers, an e-mail
// address, an address and a birthday; no note or photo.
CContactInfo TypicalContact() {
  CContactInfo c;
  c.UpdateNameInfo(L"王", L"晓明", L"华为技术");
  c.AddToCategoris(L"同事");
  c.AddPhoneNumber(0, L"13800138000", 0, 1);
  c.AddPhoneNumber(0, L"075512345678", 2, 0);
  c.AddEmail(0, L"wangxm@example.com", 1);
  c.AddAddress(0, L"深圳", L"中国", L"518000", L"广东", L"科技园南路 88 号", 1);
  c.UpdateBirthday(L"19880612");
  return c;
}

void MakeVcard_Typical(benchmark::State& state) {
  CContactInfo contact = TypicalContact();
  qzu::string8 card;
  for (auto _ : state) {
    MakeVcard(contact, card);
    benchmark::DoNotOptimize(card.data());
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(card.length()));
}
BENCHMARK(MakeVcard_Typical);

void MakeVcard_Photo224K(benchmark::State& state) {
  CContactInfo contact = TypicalContact();
  std::vector<unsigned char> photo(224 * 1024);
  for (std::size_t i = 0; i < photo.size(); ++i) photo[i] = static_cast<unsigned char>(i * 131 + 7);
  contact.SetPhoto(photo.data(), static_cast<int>(photo.size()));
  qzu::string8 card;
  for (auto _ : state) {
    MakeVcard(contact, card);
    benchmark::DoNotOptimize(card.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(MakeVcard_Photo224K)->Unit(benchmark::kMicrosecond);

}  // namespace
