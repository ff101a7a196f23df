// `vornactl import` of a file of 10,000 text-only cards (names, two
// numbers, an e-mail, some with an address, a birthday or a group) into an
// empty device root: the whole command, process start and commit included.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const char* const kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "欧阳", "Smith"};
const char* const kGiven[] = {"伟", "芳", "娜", "秀英", "敏", "静", "丽", "强", "磊", "军", "洋", "Ann"};

std::string Cards(int count) {
  std::string file;
  for (int i = 0; i < count; ++i) {
    const std::string mobile = std::to_string(13800000000LL + i * 7919LL % 100000000LL);
    file += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + std::string(kSurnames[i % 12]) + ";" + kGiven[(i / 12) % 12] +
            std::to_string(i) + ";;;\r\nTEL;TYPE=CELL:" + mobile + "\r\nTEL;TYPE=WORK:0755-" +
            std::to_string(20000000 + i) + "\r\nEMAIL;TYPE=HOME:user" + std::to_string(i) + "@example.cn\r\n";
    if (i % 4 == 0) file += "ADR;TYPE=HOME:;;科技园" + std::to_string(i % 300) + "号;深圳;广东;518000;中国\r\n";
    if (i % 3 == 0) file += "BDAY:1985-07-14\r\n";
    if (i % 5 == 0) file += "CATEGORIES:同事\r\n";
    file += "END:VCARD\r\n";
  }
  return file;
}

fs::path Vornactl() { return fs::canonical("/proc/self/exe").parent_path() / "vornactl"; }

void ImportCards(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const fs::path work = fs::temp_directory_path() / ("vorna-import-bench-" + std::to_string(getpid()));
  fs::create_directories(work);
  const fs::path file = work / "cards.vcf";
  std::ofstream(file, std::ios::binary) << Cards(count);
  int run = 0;
  for (auto _ : state) {
    const fs::path root = work / ("root" + std::to_string(run++));
    const std::string command =
        "'" + Vornactl().string() + "' --root '" + root.string() + "' import '" + file.string() + "' >/dev/null";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto end = std::chrono::steady_clock::now();
    if (status != 0) state.SkipWithError("vornactl import failed");
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    fs::remove_all(root);
  }
  state.SetItemsProcessed(state.iterations() * count);
  fs::remove_all(work);
}

BENCHMARK(ImportCards)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
