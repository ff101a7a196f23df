#include "TourPlayer.h"

namespace telhub {

TourPlayer::TourPlayer(std::vector<TourStep> steps, std::filesystem::path shots)
    : steps_(std::move(steps)), shots_(std::move(shots)) {
  robot_.SetFailureReporter([this](const std::string& what) {
    if (error_.empty()) error_ = "the script ended while a window waits for input (" + what + ")";
  });
}

bool TourPlayer::Play() {
  while (next_ < steps_.size()) RunNext();
  return error_.empty();
}

// A modal loop that waits asks the robot for its next step: keep one there
// that continues the script inside that loop.
void TourPlayer::Arm() {
  if (robot_.PendingModalSteps() == 0)
    robot_.WhenModalWaits([this] {
      if (next_ < steps_.size()) RunNext();
    });
}

void TourPlayer::RunNext() {
  const TourStep& step = steps_[next_++];
  Arm();
  Run(step);
}

void TourPlayer::Run(const TourStep& step) {
  switch (step.kind) {
    case StepKind::Tap: robot_.Tap(step.x, step.y); break;
    case StepKind::DoubleTap: robot_.DoubleTap(step.x, step.y); break;
    case StepKind::Hold:
      robot_.Hold(step.x, step.y, step.ms);
      robot_.Release(step.x, step.y);
      break;
    case StepKind::Press: robot_.Press(step.x, step.y); break;
    case StepKind::Release: robot_.Release(step.x, step.y); break;
    case StepKind::Drag: robot_.Drag(step.x, step.y, step.x1, step.y1, step.ms); break;
    case StepKind::Type: robot_.Type(step.text); break;
    case StepKind::Key: robot_.Char(step.key); break;
    case StepKind::MKey: robot_.PressMKey(); break;
    case StepKind::Wait: robot_.Advance(step.ms); break;
    case StepKind::Shot:
      if (!robot_.SaveScreenshot(shots_ / step.shot) && error_.empty())
        error_ = "line " + std::to_string(step.line) + ": cannot write " + (shots_ / step.shot).string();
      break;
  }
}

}  // namespace telhub
