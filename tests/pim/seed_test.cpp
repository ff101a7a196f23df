// `vornactl seed`: a realistic store, the same for the same arguments.
#include <gtest/gtest.h>

#include <set>

#include "ce/device.h"
#include "qzpam/PhoneSettingsDbIf.h"
#include "store_helpers.h"

namespace {

class Seed : public pimtest::StoreTest {
 protected:
  int RunSeed(const std::filesystem::path& root, const char* seed) {
    return vorna::test::RunProgram(vorna::test::BuiltProgramsDir() / "vornactl",
                                   {"--root", root.string(), "seed", "--contacts", "300", "--calls", "600", "--seed", seed});
  }
};

TEST_F(Seed, FillsEveryKindOfDataAndRepeatsItself) {
  ASSERT_EQ(RunSeed(root_.path(), "7"), 0);
  std::vector<pimtest::ListRow> contacts = AllContacts();
  ASSERT_EQ(contacts.size(), 300u);

  std::set<wchar_t> letters;
  int photos = 0, emails = 0, addresses = 0, chinese = 0;
  for (const auto& row : contacts) {
    letters.insert(row.letter);
    CContactInfo record = Stored(row.id);
    EXPECT_FALSE(record.phoneNumbers.empty());
    if (record.photoLength > 2 && record.photoData[0] == 0xFF && record.photoData[1] == 0xD8) ++photos;
    emails += record.emails.empty() ? 0 : 1;
    addresses += record.addresses.empty() ? 0 : 1;
    chinese += record.fileAs.length() > 0 && record.fileAs[0] > 0x2E80 ? 1 : 0;
  }
  EXPECT_GT(letters.size(), 10u);
  EXPECT_GT(photos, 0);
  EXPECT_GT(emails, 0);
  EXPECT_GT(addresses, 0);
  EXPECT_GT(chinese, 150);
  EXPECT_LT(chinese, 300);
  for (const wchar_t* group : {L"家人", L"朋友", L"同事", L"同学"}) EXPECT_GT(db()->GetGroupID(group), 0);

  std::set<int> types;
  int calls = 0, time = 0, value = 0, type = 0;
  qzu::string name;
  for (const auto& row : contacts)
    for (bool first = true; db()->GetCallHistoryByPN(row.detail.c_str(), 9999, time, value, type, first); first = false)
      types.insert(type), ++calls;
  EXPECT_GT(Threads(false, 9999).size(), 50u);
  EXPECT_GT(calls, 0);
  EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5}));
  int flag = 0;
  qzu::string voicemail;
  EXPECT_TRUE(PhoneSettingsDbIf::GetPhoneSettingsDbIf()->GetSpeedDialItem(1, flag, name, voicemail));

  // The same arguments on another root give the same store.
  vorna::test::TempDeviceRoot other;
  ASSERT_EQ(RunSeed(other.path(), "7"), 0);
  EXPECT_EQ(AllContacts(), contacts);
  vorna::test::TempDeviceRoot third;
  ASSERT_EQ(RunSeed(third.path(), "8"), 0);
  EXPECT_NE(AllContacts(), contacts);
}

}  // namespace
