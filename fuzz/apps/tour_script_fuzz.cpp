// Any bytes as a tour script: a clean result, steps within their limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "TourScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  telhub::TourScript script = telhub::ParseTourScript(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!script.ok() && !script.steps.empty()) std::abort();
  if (script.steps.size() > telhub::kMaxSteps) std::abort();
  for (const telhub::TourStep& step : script.steps) {
    if (step.x < 0 || step.x >= 480 || step.y < 0 || step.y >= 800 || step.ms > telhub::kMaxStepMs) std::abort();
    if (step.kind == telhub::StepKind::Shot && step.shot.find('/') != std::string::npos) std::abort();
  }
  return 0;
}
