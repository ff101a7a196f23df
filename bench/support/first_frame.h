// Windows on the headless screen as the benchmarks open them: over the work
// area (below the shell bar), where the phone places its windows, and timed
// from their creation to their first painted frame.
#pragma once

#include "qzfc/QzWnd.h"
#include "qzfc/Robot.h"
#include "samples.h"

namespace vorna::bench {

// Creates the window over the work area; false when it could not be created.
bool CreateOverWorkArea(CQzWnd& window, DWORD style = 0);
// The same, then shows it and handles everything up to its first painted frame.
bool OpenOverWorkArea(CQzWnd& window, qzfc::Robot& robot, DWORD style = 0);

// Once per iteration: a window that `make` gives (a std::unique_ptr, set up
// but not created) is timed from its creation to its first painted frame;
// then `look` reads what it shows, untimed, and the window is closed.
template <typename Make, typename Look>
void TimeFirstFrames(benchmark::State& state, DWORD style, Make make, Look look) {
  qzfc::Robot robot;
  Samples samples;
  for (auto _ : state) {
    auto window = make();
    samples.Measure([&] { OpenOverWorkArea(*window, robot, style); });
    state.PauseTiming();
    look(*window);
    window->DestroyWindow();
    robot.Settle();
    state.ResumeTiming();
  }
  samples.Report(state);
}

}  // namespace vorna::bench
