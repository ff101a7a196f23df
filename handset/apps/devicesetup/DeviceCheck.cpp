#include "DeviceCheck.h"

#include "ce/device.h"
#include "qzpam/StoreProblem.h"

namespace vorna::device {

bool CheckDevice(std::string& message) {
  std::string problem;
  if (!ce::PrepareDeviceRoot(problem)) {
    message = "the device root " + ce::DeviceRoot().string() + " cannot be used: " + problem;
    return false;
  }
  problem = qzpam::StoreProblem();
  if (!problem.empty()) {
    message = "the contacts store " + (ce::DeviceRoot() / "pim" / "contacts.db").string() + " cannot be opened: " + problem;
    return false;
  }
  return true;
}

}  // namespace vorna::device
