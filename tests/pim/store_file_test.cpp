// The store's file: found under the root, refused when newer, damaged or
// foreign, and never rewritten or deleted then.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

#include "ce/device.h"
#include "file_bytes.h"
#include "qzpam/CContactsDbIf.h"
#include "qzpam/PhoneSettingsDbIf.h"
#include "store/Schema.h"
#include "store_helpers.h"
#include "temp_root.h"

namespace {

class StoreFile : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return root_.path() / "pim" / "contacts.db"; }

  // Closes this process's store, so the test can touch the file alone.
  void Reopen() { ce::SetDeviceRoot(root_.path()); }

  std::string Bytes() const { return vorna::test::ReadFileBytes(file()); }

  void Write(const std::string& bytes) {
    std::filesystem::create_directories(file().parent_path());
    std::ofstream(file(), std::ios::binary | std::ios::trunc) << bytes;
  }

  void Exec(const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file().c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }

  void ExpectRefusedAndUntouched() {
    std::string before = Bytes();
    EXPECT_EQ(CContactsDbIf::GetContactDbIf(), nullptr);
    EXPECT_EQ(PhoneSettingsDbIf::GetPhoneSettingsDbIf(), nullptr);
    Reopen();
    EXPECT_EQ(CContactsDbIf::GetContactDbIf(), nullptr);
    EXPECT_TRUE(std::filesystem::exists(file()));
    EXPECT_EQ(Bytes(), before);
  }

  vorna::test::TempDeviceRoot root_;
};

TEST_F(StoreFile, CreatedUnderTheRootOnFirstUseAndKeptAcrossReopening) {
  EXPECT_FALSE(std::filesystem::exists(file()));
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  ASSERT_NE(db, nullptr);
  EXPECT_TRUE(std::filesystem::exists(file()));
  EXPECT_GT(db->AddGroup(L"家人"), 0);
  Reopen();
  EXPECT_EQ(CContactsDbIf::GetContactDbIf(), db);  // the same instance, reopened
  EXPECT_GT(db->GetGroupID(L"家人"), 0);

  // Another root is another store.
  vorna::test::TempDeviceRoot other;
  EXPECT_EQ(db->GetGroupID(L"家人"), 0);
}

TEST_F(StoreFile, FirstVersionIsUpgradedKeepingItsContacts) {
  Write("");
  {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(file().c_str(), &raw), SQLITE_OK);
    EXPECT_TRUE(qzpam::UpgradeSchema(raw, 0, 1));
    sqlite3_close(raw);
  }
  Exec(("PRAGMA user_version = 1; PRAGMA application_id = " + std::to_string(qzpam::kApplicationId) + ";"
        "INSERT INTO contacts(id, display_name, letter, pinyin, initials, detail, photo)"
        "  VALUES(7, 'Anna', 'A', 'anna', 'a', '13800000001', x'FFD8FFD9');"
        "INSERT INTO phones(contact_id, value, is_primary, match_key, match_tail)"
        "  VALUES(7, '13800000001', 1, '13800000001', '0000001');")
           .c_str());

  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  ASSERT_NE(db, nullptr);
  CContactInfo anna;
  ASSERT_TRUE(db->GetContactInfo(7, anna));
  ASSERT_EQ(anna.photoLength, 4);
  EXPECT_EQ(anna.photoData[3], 0xD9);
  qzu::string name;
  EXPECT_EQ(db->SearchPN(L"+86 138 0000 0001", &name, nullptr, nullptr, nullptr, nullptr, nullptr), 7);
  EXPECT_EQ(name, L"Anna");
  anna.UpdateNameInfo(L"", L"Anne", L"");
  ASSERT_TRUE(db->UpdateName(anna));
  int id = 0, type = 0;
  wchar_t letter = 0;
  qzu::string detail;
  ASSERT_TRUE(db->GetContactslist(id, name, detail, type, letter, true));
  EXPECT_EQ(name, L"Anne");
  EXPECT_EQ(detail, L"13800000001");

  Reopen();
  EXPECT_EQ(pimtest::QueryStoreFile(root_.path(), "PRAGMA user_version"), std::to_string(qzpam::kSchemaVersion));
}

TEST_F(StoreFile, NewerSchemaIsRefused) {
  ASSERT_NE(CContactsDbIf::GetContactDbIf(), nullptr);
  Reopen();
  Exec("PRAGMA user_version = 99");
  ExpectRefusedAndUntouched();
}

TEST_F(StoreFile, DamagedFileIsLeftAsItIs) {
  std::string garbage(8192, '\0');
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 7919 % 251);
  Write(garbage);
  ExpectRefusedAndUntouched();
}

TEST_F(StoreFile, DamagedPagesBehindAValidHeaderAreLeftAsTheyAre) {
  ASSERT_NE(CContactsDbIf::GetContactDbIf(), nullptr);
  Reopen();
  std::string bytes = Bytes();
  ASSERT_GT(bytes.size(), 200u);
  for (size_t i = 100; i < bytes.size(); ++i) bytes[i] = static_cast<char>(0xA5);
  Write(bytes);
  ExpectRefusedAndUntouched();
}

TEST_F(StoreFile, ForeignDatabaseIsLeftAlone) {
  Write("");
  Exec("CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES('mine')");
  ExpectRefusedAndUntouched();
}

}  // namespace
