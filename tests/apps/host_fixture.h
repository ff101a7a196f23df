// A phone host on the headless screen over a fresh device root, driven by
// the toolkit's robot; a window left waiting fails the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostApp.h"
#include "ce/journal.h"
#include "qzfc/Robot.h"
#include "temp_root.h"

namespace apps::test {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    robot_.SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
  }
  void StartHost(telhub::DemoStore demo = telhub::DemoStore::Never) {
    ASSERT_TRUE(host_.Start(demo));
    robot_.Settle();
  }
  // The launches in the journal, as "program|parameters".
  static std::vector<std::wstring> Launches() {
    std::vector<std::wstring> out;
    for (const ce::JournalEntry& e : ce::ReadLaunchJournal())
      if (e.kind == "launch") out.push_back(e.program + L"|" + e.details);
    return out;
  }

  vorna::test::TempDeviceRoot root_;
  qzfc::Robot robot_;
  telhub::HostApp host_;
};

}  // namespace apps::test
