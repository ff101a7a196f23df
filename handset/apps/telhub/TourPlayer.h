// Replays a tour script on the headless screen with the toolkit's robot.
// Steps run in order; when a step opens a modal window (a menu, a message
// box, a dialog), the steps after it are handed to that window's loop, so a
// script taps through dialogs just as a person would.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "TourScript.h"
#include "qzfc/Robot.h"

namespace telhub {

class TourPlayer {
 public:
  TourPlayer(std::vector<TourStep> steps, std::filesystem::path shots);

  // Runs every step; false when a screenshot could not be written or a
  // modal window was left waiting at the end of the script (see error()).
  bool Play();
  const std::string& error() const { return error_; }

 private:
  void Arm();
  void RunNext();
  void Run(const TourStep& step);

  std::vector<TourStep> steps_;
  std::filesystem::path shots_;
  size_t next_ = 0;
  qzfc::Robot robot_;
  std::string error_;
};

}  // namespace telhub
