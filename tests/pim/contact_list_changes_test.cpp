// The contact list that a process keeps in memory follows every change: a
// list read after changes equals the same list read afresh from the file.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ce/device.h"
#include "qzpam/StoreBatch.h"
#include "store/Schema.h"
#include "store/StoreHolder.h"
#include "store_helpers.h"

namespace {

using pimtest::ListRow;

class ContactListChanges : public pimtest::StoreTest {
 protected:
  // Compares the kept list and searches with those of a freshly opened
  // store, which then serves the next change.
  void ExpectSameAsReadAfresh(const char* after) {
    std::vector<ListRow> kept = AllContacts();
    std::vector<std::wstring> keptByDigits = Fuzzy(L"139");
    std::vector<std::wstring> keptByPinyin = Fuzzy(L"zh");
    ce::SetDeviceRoot(root_.path());
    EXPECT_EQ(kept, AllContacts()) << "after " << after;
    EXPECT_EQ(keptByDigits, Fuzzy(L"139")) << "after " << after;
    EXPECT_EQ(keptByPinyin, Fuzzy(L"zh")) << "after " << after;
  }

  std::vector<std::wstring> Names() {
    std::vector<std::wstring> names;
    for (const ListRow& row : AllContacts()) names.push_back(row.name);
    return names;
  }
};

TEST_F(ContactListChanges, EveryKindOfChangeReachesTheKeptList) {
  int anna = Add(L"", L"Anna", {L"13900000001"});
  int zhang = Add(L"张", L"三", {L"13800000003"});
  int twin = Add(L"", L"Anna", {L"13700000004"});
  Add(L"", L"007");
  ExpectSameAsReadAfresh("adding");

  CContactInfo record = Stored(anna);
  record.UpdateNameInfo(L"", L"Zoe", L"");
  ASSERT_TRUE(db()->UpdateName(record));
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Anna", L"张三", L"Zoe", L"007"}));
  ExpectSameAsReadAfresh("a rename that moves the contact");

  // Renamed back, the contact ties with its twin and goes first again (lower id).
  record.UpdateNameInfo(L"", L"Anna", L"");
  ASSERT_TRUE(db()->UpdateName(record));
  EXPECT_EQ(AllContacts()[0].id, anna);
  EXPECT_EQ(AllContacts()[1].id, twin);
  ExpectSameAsReadAfresh("a rename to a tie");

  CContactInfo zhangs = Stored(zhang);
  ASSERT_TRUE(db()->UpdatePhones(st_contacts_extra{zhangs.phoneNumbers[0].id, L"13912345678", 1, 1}));
  EXPECT_EQ(Fuzzy(L"139"), (std::vector<std::wstring>{L"Anna", L"张三"}));
  ExpectSameAsReadAfresh("a changed number");

  int added = db()->addPhones(twin, st_contacts_extra{0, L"13955555555", 2, 1});
  ASSERT_GT(added, 0);
  ExpectSameAsReadAfresh("a new primary number");
  ASSERT_TRUE(db()->RemovePhones(added));
  ExpectSameAsReadAfresh("a removed number");

  ASSERT_TRUE(db()->UpdateNotes(zhang, L"not shown in lists"));
  ExpectSameAsReadAfresh("a note");

  ASSERT_TRUE(db()->RemoveContact(anna));
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Anna", L"张三", L"007"}));
  ExpectSameAsReadAfresh("a removal");
}

TEST_F(ContactListChanges, ManyChangesAtOnceAndTheLogStaysBounded) {
  Add(L"", L"Anna", {L"13900000001"});
  AllContacts();
  // Far more changes than the store's log keeps.
  {
    qzpam::StoreBatch batch;
    for (int i = 0; i < 1200; ++i) {
      std::wstring name = L"张" + std::to_wstring(i);
      std::wstring number = L"1391234" + std::to_wstring(1000 + i);
      Add(L"", name.c_str(), {number.c_str()});
    }
  }
  EXPECT_EQ(AllContacts().size(), 1201u);
  ExpectSameAsReadAfresh("a large batch");
  const int entries = std::atoi(pimtest::QueryStoreFile(root_.path(), "SELECT count(*) FROM contact_log").c_str());
  EXPECT_GT(entries, 0);
  EXPECT_LE(entries, qzpam::kContactLogKept);
}

TEST_F(ContactListChanges, ListReadInsideAnUndoneBatchIsNotKept) {
  std::shared_ptr<qzpam::Store> store = qzpam::StoreHolder::Get();
  ASSERT_NE(store, nullptr);
  ASSERT_TRUE(store->BeginBatch());
  Add(L"", L"Undone", {L"13900000001"});
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Undone"}));
  // As when the batch's commit fails: the transaction is rolled back.
  ASSERT_TRUE(store->Prepare("ROLLBACK").Run());
  // A change of the same shape brings the counters back to where the undone
  // one had them.
  Add(L"", L"Kept", {L"13900000002"});
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Kept"}));
}

}  // namespace
