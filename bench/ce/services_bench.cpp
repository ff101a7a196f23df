// The CE services on the library's hot paths: path lookups in a folder that
// keeps growing (the sent-vCard folder), registry reads (a key tone per
// dial-pad press) and the code page conversion of a whole vCard.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "windows.h"

namespace {

namespace fs = std::filesystem;

class BenchRoot {
 public:
  BenchRoot() {
    std::string pattern = (fs::temp_directory_path() / "vorna-bench-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    ce::SetDeviceRoot(path_);
  }
  ~BenchRoot() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// A folder of n vCards; then the lookup MakeUniqueVcfPath ends with: a name
// that is not there, which has to be compared with every entry.
void BM_ResolveMissingNameInFolder(benchmark::State& state) {
  BenchRoot root;
  fs::create_directories(root.path() / "tmpvcard");
  for (int64_t i = 0; i < state.range(0); ++i) std::ofstream(root.path() / "tmpvcard" / ("card" + std::to_string(i) + ".vcf"));
  for (auto _ : state) benchmark::DoNotOptimize(GetFileAttributesW(L"\\tmpvcard\\Ann_Bo_Di.vcf"));
}
BENCHMARK(BM_ResolveMissingNameInFolder)->Arg(100)->Arg(1000)->Arg(10000);

void BM_ResolveExistingNameInFolder(benchmark::State& state) {
  BenchRoot root;
  fs::create_directories(root.path() / "tmpvcard");
  for (int64_t i = 0; i < state.range(0); ++i) std::ofstream(root.path() / "tmpvcard" / ("card" + std::to_string(i) + ".vcf"));
  for (auto _ : state) benchmark::DoNotOptimize(GetFileAttributesW(L"\\TmpVcard\\card7.vcf"));
}
BENCHMARK(BM_ResolveExistingNameInFolder)->Arg(100)->Arg(10000);

void BM_RegistryKeyToneRead(benchmark::State& state) {
  BenchRoot root;
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, L"ControlPanel\\Volume", 0, nullptr, 0, 0, nullptr, &key, nullptr);
  DWORD value = 0x10000;
  RegSetValueExW(key, L"Key", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
  for (auto _ : state) {
    HKEY open = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"ControlPanel\\Volume", 0, KEY_ALL_ACCESS, &open);
    DWORD read = 0;
    DWORD size = sizeof read;
    RegQueryValueExW(open, L"Key", nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &size);
    RegCloseKey(open);
    benchmark::DoNotOptimize(read);
  }
}
BENCHMARK(BM_RegistryKeyToneRead);

void BM_VcardTextToGbk(benchmark::State& state) {
  std::wstring card = L"BEGIN:VCARD\r\nVERSION:2.1\r\nN:张;三\r\nFN:张三\r\n";
  while (card.size() < 4096) card += L"TEL;CELL:13800138000\r\nNOTE:会议 meeting\r\n";
  card += L"END:VCARD\r\n";
  std::string out(card.size() * 2, '\0');
  for (auto _ : state) {
    int n = WideCharToMultiByte(936, 0, card.c_str(), static_cast<int>(card.size()), out.data(),
                                static_cast<int>(out.size()), nullptr, nullptr);
    benchmark::DoNotOptimize(n);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * card.size()));
}
BENCHMARK(BM_VcardTextToGbk);

}  // namespace
