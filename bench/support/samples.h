// Per-event figures of a benchmark: each event's work (this thread's CPU
// time) and the time that passed (which on a busy machine includes waiting
// for the processor), reported as the median and the 99th percentile in
// milliseconds: cpu_median_ms, cpu_p99_ms, wall_median_ms, wall_p99_ms.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace vorna::bench {

// The CPU time this thread has used, in milliseconds.
double ThreadCpuMs();

// The given percentile of the samples; 0 when there are none.
double Percentile(std::vector<double> samples, int percent);

class Samples {
 public:
  // Runs one event and keeps its figures.
  template <typename Event>
  void Measure(Event event) {
    Start();
    event();
    Stop();
  }
  // The same for an event that ends elsewhere (in a callback): Start at its
  // beginning, Stop at its end.
  void Start();
  void Stop();
  // The counters, and the events as the items processed.
  void Report(benchmark::State& state) const;
  bool Empty() const { return cpu_.empty(); }

 private:
  std::chrono::steady_clock::time_point start_;
  double startCpu_ = 0;
  std::vector<double> cpu_, wall_;
};

}  // namespace vorna::bench
