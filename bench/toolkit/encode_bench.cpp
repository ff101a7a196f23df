// The vCard writer encodes a contact photo (up to a few hundred KB) in
// 48-byte chunks and a note in 24-byte chunks; both must stay cheap.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "qzfc/QzEncode.h"

namespace {

std::vector<BYTE> RandomBytes(size_t n) {
  std::mt19937 random(1);
  std::vector<BYTE> bytes(n);
  for (auto& b : bytes) b = static_cast<BYTE>(random());
  return bytes;
}

const size_t kPhotoBytes = 224 * 1024;

void BM_Base64PhotoInVcardChunks(benchmark::State& state) {
  std::vector<BYTE> photo = RandomBytes(kPhotoBytes);
  char buffer[76];
  for (auto _ : state) {
    size_t total = 0;
    for (size_t at = 0; at < photo.size(); at += 48) {
      int n = static_cast<int>(std::min<size_t>(48, photo.size() - at));
      total += static_cast<size_t>(QzBase64Encode(photo.data() + at, n, buffer, sizeof buffer));
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kPhotoBytes));
}
BENCHMARK(BM_Base64PhotoInVcardChunks);

void BM_QPPhotoWhole(benchmark::State& state) {
  std::vector<BYTE> photo = RandomBytes(kPhotoBytes);
  std::vector<char> out(kPhotoBytes * 4);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        QzQPEncode(photo.data(), static_cast<int>(photo.size()), out.data(), static_cast<int>(out.size())));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kPhotoBytes));
}
BENCHMARK(BM_QPPhotoWhole);

}  // namespace
