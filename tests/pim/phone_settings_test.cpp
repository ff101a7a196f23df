// Phone settings: what unset values read as, the values refused, and the
// speed-dial entries 1 to 9. (That values set are read back is seen where
// they are used: the dialer, the region lookup and the settings program.)
#include <gtest/gtest.h>

#include "qzpam/PhoneSettingsDbIf.h"
#include "temp_root.h"

namespace {

TEST(PhoneSettings, UnsetValuesReadAsNoneAndBadValuesAndEntriesAreRefused) {
  vorna::test::TempDeviceRoot root;
  PhoneSettingsDbIf* settings = PhoneSettingsDbIf::GetPhoneSettingsDbIf();
  ASSERT_NE(settings, nullptr);
  EXPECT_TRUE(settings->GetIPInUsed().empty());
  EXPECT_EQ(settings->GetRejectCall(), 0);
  EXPECT_FALSE(settings->SetRejectCall(7));
  EXPECT_EQ(settings->GetRejectCall(), 0);
  qzu::string code = L"kept";
  EXPECT_FALSE(settings->GetNationalCode(code));
  EXPECT_EQ(code, L"kept");

  int flag = -1;
  qzu::string name = L"kept", number = L"kept";
  EXPECT_FALSE(settings->GetSpeedDialItem(1, flag, name, number));
  EXPECT_EQ(name, L"kept");
  EXPECT_EQ(flag, -1);
  ASSERT_TRUE(settings->InsertSpeedDialItem(1, 0, L"", L"13800138000"));
  EXPECT_FALSE(settings->InsertSpeedDialItem(1, 0, L"", L"1"));  // exists
  EXPECT_FALSE(settings->InsertSpeedDialItem(10, 0, L"", L"1"));
  EXPECT_FALSE(settings->InsertSpeedDialItem(0, 0, L"", L"1"));
  EXPECT_FALSE(settings->UpdateSpeedDialItem(2, 0, L"x", L"1"));  // not stored
  ASSERT_TRUE(settings->UpdateSpeedDialItem(1, 1, L"信箱", L"13900000000"));
  ASSERT_TRUE(settings->GetSpeedDialItem(1, flag, name, number));
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(name, L"信箱");
  EXPECT_EQ(number, L"13900000000");
  EXPECT_TRUE(settings->DeleteSpeedDialItem(1));
  EXPECT_FALSE(settings->GetSpeedDialItem(1, flag, name, number));
}

}  // namespace
