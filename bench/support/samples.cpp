#include "samples.h"

#include <time.h>

#include <algorithm>

namespace vorna::bench {

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

void Samples::Start() {
  start_ = std::chrono::steady_clock::now();
  startCpu_ = ThreadCpuMs();
}

void Samples::Stop() {
  cpu_.push_back(ThreadCpuMs() - startCpu_);
  wall_.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count());
}

void Samples::Report(benchmark::State& state) const {
  state.counters["cpu_median_ms"] = Percentile(cpu_, 50);
  state.counters["cpu_p99_ms"] = Percentile(cpu_, 99);
  state.counters["wall_median_ms"] = Percentile(wall_, 50);
  state.counters["wall_p99_ms"] = Percentile(wall_, 99);
  state.SetItemsProcessed(static_cast<int64_t>(cpu_.size()));
}

}  // namespace vorna::bench
