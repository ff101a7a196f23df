// Phone settings: defaults, round trips and speed dial.
#include <gtest/gtest.h>

#include "qzpam/PhoneSettingsDbIf.h"
#include "temp_root.h"

namespace {

class PhoneSettings : public ::testing::Test {
 protected:
  PhoneSettingsDbIf* settings() { return PhoneSettingsDbIf::GetPhoneSettingsDbIf(); }
  vorna::test::TempDeviceRoot root_;
};

TEST_F(PhoneSettings, UnsetValuesReadAsNoneAndRoundTripOnceSet) {
  ASSERT_NE(settings(), nullptr);
  EXPECT_TRUE(settings()->GetIPInUsed().empty());
  EXPECT_EQ(settings()->GetRejectCall(), 0);
  qzu::string code = L"kept";
  EXPECT_FALSE(settings()->GetNationalCode(code));
  EXPECT_EQ(code, L"kept");

  ASSERT_TRUE(settings()->SetIPInUsed(L"17951"));
  ASSERT_TRUE(settings()->SetRejectCall(1));
  ASSERT_TRUE(settings()->SetNationalCode(L"86"));
  EXPECT_EQ(settings()->GetIPInUsed(), L"17951");
  EXPECT_EQ(settings()->GetRejectCall(), 1);
  ASSERT_TRUE(settings()->GetNationalCode(code));
  EXPECT_EQ(code, L"86");
  EXPECT_FALSE(settings()->SetRejectCall(7));
  ASSERT_TRUE(settings()->SetIPInUsed(L""));
  EXPECT_TRUE(settings()->GetIPInUsed().empty());
}

TEST_F(PhoneSettings, SpeedDialEntriesOneToNine) {
  int flag = -1;
  qzu::string name = L"kept", number = L"kept";
  EXPECT_FALSE(settings()->GetSpeedDialItem(1, flag, name, number));
  EXPECT_EQ(name, L"kept");
  EXPECT_EQ(flag, -1);
  ASSERT_TRUE(settings()->InsertSpeedDialItem(1, 0, L"", L"13800138000"));
  EXPECT_FALSE(settings()->InsertSpeedDialItem(1, 0, L"", L"1"));  // exists
  EXPECT_FALSE(settings()->InsertSpeedDialItem(10, 0, L"", L"1"));
  EXPECT_FALSE(settings()->InsertSpeedDialItem(0, 0, L"", L"1"));
  EXPECT_FALSE(settings()->UpdateSpeedDialItem(2, 0, L"x", L"1"));  // not stored
  ASSERT_TRUE(settings()->UpdateSpeedDialItem(1, 1, L"信箱", L"13900000000"));
  ASSERT_TRUE(settings()->GetSpeedDialItem(1, flag, name, number));
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(name, L"信箱");
  EXPECT_EQ(number, L"13900000000");
  EXPECT_TRUE(settings()->DeleteSpeedDialItem(1));
  EXPECT_FALSE(settings()->GetSpeedDialItem(1, flag, name, number));
}

}  // namespace
