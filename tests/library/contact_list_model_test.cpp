// The contacts window's list model against a real store: the four kinds,
// the groups list's order and counts, deleting groups, and the letters the
// alphabet scan reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contactdata_helpers.h"
#include "contacts/list/ContactListCollection.h"
#include "core/util/ChangeChecks.h"

namespace {

using contactdata_test::AddContact;

class ContactListModelTest : public contactdata_test::StoreTest {
 protected:
  // Each row as "name|detail|letter".
  std::vector<std::wstring> Rows(ContactListKind kind, int groupId = 0, const wchar_t* key = L"") {
    list.kind = kind;
    list.groupId = groupId;
    list.searchKey = key;
    EXPECT_EQ(list.Reload(), 0);
    std::vector<std::wstring> rows;
    for (int i = 0; i < list.GetItemCount(); ++i) {
      std::wstring row = std::wstring(list.GetItemText(i)) + L"|" + std::wstring(list.GetItemSubText(i));
      if (kind != Groups) row += L"|" + std::wstring(1, list.GetRow(i)->letter);
      rows.push_back(row);
    }
    return rows;
  }

  ContactListCollection list;
};

using Texts = std::vector<std::wstring>;

TEST_F(ContactListModelTest, AnEmptyStoreListsNoContactsButTheUngroupedRowAndTheBlacklist) {
  EXPECT_TRUE(ContactsChanged(list.lastDbChangeCount)) << "the first check after construction sees a change";
  for (ContactListKind kind : {AllContacts, SearchResults, GroupMembers}) EXPECT_TRUE(Rows(kind).empty()) << kind;
  EXPECT_TRUE(Rows(GroupMembers, 1).empty());
  EXPECT_EQ(Rows(Groups), (Texts{L"未分组|0位联系人", L"黑名单|0位联系人"}));
  int id = -1;
  qzu::string text;
  ASSERT_TRUE(list.GetItemIdAndText(0, id, text));
  EXPECT_EQ(id, 0);
  EXPECT_EQ(text, L"未分组");
  // A kind outside the four lists nothing.
  list.kind = static_cast<ContactListKind>(7);
  list.Reload();
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ContactListModelTest, ContactKindsKeepTheStoresOrderLettersAndPrimaryNumbers) {
  const int zhang = AddContact(L"张三", {{L"13800138000", 0}, {L"010-6552", 1}}, {L"同事"});
  AddContact(L"Anna", {{L"555-1234", 2}});
  AddContact(L"曾文", {}, {L"同事", L"朋友"});
  AddContact(L"123", {{L"13900000000", 0}});
  EXPECT_EQ(Rows(AllContacts), (Texts{L"Anna|555-1234|A", L"曾文||Z", L"张三|13800138000|Z", L"123|13900000000|#"}));
  // Searching delivers no letters: every row files under "#".
  EXPECT_EQ(Rows(SearchResults, 0, L"zs"), (Texts{L"张三|13800138000|#"}));
  EXPECT_EQ(Rows(SearchResults, 0, L"6552"), (Texts{L"张三|010-6552|#"}));
  const int colleagues = CContactsDbIf::GetContactDbIf()->GetGroupID(L"同事");
  EXPECT_EQ(Rows(GroupMembers, colleagues), (Texts{L"曾文||Z", L"张三|13800138000|Z"}));
  EXPECT_EQ(Rows(GroupMembers, 0), (Texts{L"Anna|555-1234|A", L"123|13900000000|#"}));

  Rows(AllContacts);
  int id = 0;
  qzu::string number;
  ASSERT_TRUE(list.GetItemIdAndText(2, id, number));
  EXPECT_EQ(id, zhang);
  EXPECT_EQ(number, L"13800138000");
  EXPECT_FALSE(list.GetItemIdAndText(4, id, number));
  EXPECT_FALSE(list.GetItemIdAndText(-1, id, number));
  EXPECT_EQ(id, zhang);

  // The letter search compares as unsigned values and moves only forward.
  EXPECT_EQ(list.FindLetterRow(L'A', 0), 0);
  EXPECT_EQ(list.FindLetterRow(L'B', 0), 1);
  EXPECT_EQ(list.FindLetterRow(L'Z', 2), 2);
  EXPECT_EQ(list.FindLetterRow(L'A', 3), -1);
  EXPECT_EQ(list.FindLetterRow(L'#', 3), 3);
  EXPECT_EQ(list.FindLetterRow(L'A', 4), -1);
}

TEST_F(ContactListModelTest, GroupsListUngroupedFirstThenTheBlacklistThenTheRest) {
  AddContact(L"Ann", {{L"1", 0}}, {L"Work"});
  AddContact(L"Bo", {{L"2", 0}}, {L"Work", L"_$!<Blacklist>!$_"});
  AddContact(L"Cy", {{L"3", 0}});
  CContactsDbIf::GetContactDbIf()->AddGroup(L"Empty");
  EXPECT_EQ(Rows(Groups), (Texts{L"未分组|1位联系人", L"黑名单|1位联系人", L"Work|2位联系人", L"Empty|0位联系人"}));

  // The ungrouped row and the blacklist cannot be swiped away; the others can.
  EXPECT_FALSE(list.CanDeleteItem(0));
  EXPECT_FALSE(list.CanDeleteItem(1));
  EXPECT_TRUE(list.CanDeleteItem(2));
  EXPECT_TRUE(list.GetItemRightImage(2) != nullptr);
  list.DeleteItem(1);  // refused like the swipe: the blacklist keeps its member
  EXPECT_TRUE(CContactsDbIf::GetContactDbIf()->IsGroupPNExist(1));
  list.DeleteItem(2);
  EXPECT_EQ(list.GetItemCount(), 3);
  EXPECT_EQ(std::wstring(list.GetItemText(2)), L"Empty");
  EXPECT_EQ(CContactsDbIf::GetContactDbIf()->GetGroupID(L"Work"), 0);
  EXPECT_EQ(Rows(AllContacts).size(), 3u) << "the members stay";
  EXPECT_EQ(Rows(Groups), (Texts{L"未分组|2位联系人", L"黑名单|1位联系人", L"Empty|0位联系人"}));

  // Contact rows are never deleted.
  Rows(AllContacts);
  for (int i = 0; i < list.GetItemCount(); ++i) EXPECT_FALSE(list.CanDeleteItem(i));
  EXPECT_TRUE(list.GetItemRightImage(0) == nullptr);
  list.DeleteItem(0);
  EXPECT_EQ(list.GetItemCount(), 3);
  EXPECT_EQ(Rows(AllContacts).size(), 3u);
}

}  // namespace
