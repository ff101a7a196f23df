#include <gtest/gtest.h>

#include <cstdlib>

#include "ce/device.h"
#include "temp_root.h"

namespace {

int g_resets = 0;
void CountReset() { ++g_resets; }

TEST(DeviceRoot, SetDeviceRootRunsResetHooksAndNormalises) {
  vorna::test::TempDeviceRoot root;
  ce::OnDeviceRootReset(CountReset);
  int before = g_resets;
  ce::SetDeviceRoot(root.path() / "a" / ".." / "b");
  EXPECT_EQ(g_resets, before + 1);
  EXPECT_EQ(ce::DeviceRoot(), root.path() / "b");
}

}  // namespace
