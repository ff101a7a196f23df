// The contracts that the windows rely on: cursors, lookups, out-parameters,
// change counters, list order and search.
#include <gtest/gtest.h>

#include "contact_summary.h"
#include "qzpam/StoreBatch.h"
#include "store_helpers.h"

namespace {

using pimtest::ListRow;
using pimtest::StoreTest;
using pimtest::Summary;
using Rows = std::vector<ListRow>;

class ContactsStore : public StoreTest {};

TEST_F(ContactsStore, WholeContactRoundTripsThroughTheStore) {
  int friends = db()->AddGroup(L"朋友");
  CContactInfo record;
  record.UpdateNameInfo(L"张", L"三", L"Acme");
  record.AddPhoneNumber(0, L"138 0013 8000", 0, 0);
  record.AddPhoneNumber(0, L"0755-12345678", 2, 1);
  record.AddEmail(0, L"zs@example.com", 1);
  record.AddWebPage(0, L"http://zs.example.com", 0);
  record.AddQQ(0, L"10001", 2);
  record.AddMSN(0, L"zs@msn.example", 0);
  record.AddAddress(0, L"深圳", L"中国", L"518000", L"广东", L"深南大道 1 号", 1);
  record.UpdateBirthday(L"19800101");
  record.UpdateRemark(L"note");
  record.UpdateRing(L"\\rings\\a.mp3");
  record.AddToCategoris(L"朋友");
  record.AddToCategoris(L"_$!<Blacklist>!$_");
  const char photo[] = {'\xFF', '\xD8', '\xFF', '\xD9'};
  record.SetPhoto(reinterpret_cast<const unsigned char*>(photo), sizeof photo);

  int id = db()->AddContact(record);
  ASSERT_GT(id, 0);
  CContactInfo stored = Stored(id);
  EXPECT_EQ(Summary(stored, std::string(photo, photo + sizeof photo)),
            "name: 张|三\nshown: 张三\ncompany: Acme\ntel: 138 0013 8000 (mobile)\ntel: 0755-12345678 (work) primary\n"
            "email: zs@example.com (work)\nurl: http://zs.example.com (personal)\nqq: 10001 (other)\n"
            "msn: zs@msn.example (personal)\nadr: (work) 深南大道 1 号 / 深圳 / 广东 / 518000 / 中国\n"
            "birthday: 19800101\nnote: note\nring: \\rings\\a.mp3\ngroup: _$!<Blacklist>!$_\ngroup: 朋友\nphoto: known\n");
  EXPECT_EQ(stored.contactId, id);
  EXPECT_GT(stored.phoneNumbers[0].id, 0);
  EXPECT_EQ(stored.categoryIds, (qzu::array<int>{1, friends}));
  EXPECT_TRUE(db()->IsContactInBlacklist(id));

  CContactInfo brief;
  ASSERT_TRUE(db()->GetContactInfo(id, brief, true));
  EXPECT_EQ(brief.photoLength, 0);
}

TEST_F(ContactsStore, CursorRestartsOnFirstAndLeavesOutputsAloneAtTheEnd) {
  Add(L"", L"Anna", {L"13800000001"});
  Add(L"", L"Bert", {L"13800000002"});
  int id = 0, type = 0;
  wchar_t letter = 0;
  qzu::string name, detail;
  ASSERT_TRUE(db()->GetContactslist(id, name, detail, type, letter, true));
  EXPECT_EQ(name, L"Anna");
  ASSERT_TRUE(db()->GetContactslist(id, name, detail, type, letter, false));
  EXPECT_EQ(name, L"Bert");
  ASSERT_TRUE(db()->GetContactslist(id, name, detail, type, letter, true));
  EXPECT_EQ(name, L"Anna");
  ASSERT_TRUE(db()->GetContactslist(id, name, detail, type, letter, false));
  id = -7;
  name = L"kept";
  EXPECT_FALSE(db()->GetContactslist(id, name, detail, type, letter, false));
  EXPECT_FALSE(db()->GetContactslist(id, name, detail, type, letter, false));
  EXPECT_EQ(id, -7);
  EXPECT_EQ(name, L"kept");

  // Cursors of different lists do not disturb each other.
  int gid = 0, count = 0;
  qzu::string group;
  ASSERT_TRUE(db()->GetContactslist(id, name, detail, type, letter, true));
  ASSERT_TRUE(db()->GetGroupInfo(0, gid, group, count, true));
  ASSERT_TRUE(db()->GetContactslist(id, name, detail, type, letter, false));
  EXPECT_EQ(name, L"Bert");
}

TEST_F(ContactsStore, FailedLookupsLeaveOutputsUntouched) {
  int id = Add(L"", L"Anna", {L"13800000001"}, {L"anna@example.com"});
  qzu::string name = L"kept";
  int type = 42, entry = 42, length = 42;
  unsigned char* photo = reinterpret_cast<unsigned char*>(&type);
  EXPECT_EQ(db()->SearchPN(L"13900000000", &name, &type, &name, &photo, &length, &entry), 0);
  EXPECT_EQ(db()->SearchPN(nullptr, &name, &type, nullptr, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(db()->SearchPN(L"", &name, &type, nullptr, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(db()->SearchEmail(L"bert@example.com", name, type), 0);
  EXPECT_EQ(db()->SearchEmail(nullptr, name, type), 0);
  EXPECT_EQ(name, L"kept");
  EXPECT_EQ(type, 42);
  EXPECT_EQ(entry, 42);
  EXPECT_EQ(length, 42);
  EXPECT_EQ(photo, reinterpret_cast<unsigned char*>(&type));

  CContactInfo record;
  record.UpdateNameInfo(L"", L"untouched", L"");
  EXPECT_FALSE(db()->GetContactInfo(id + 100, record));
  EXPECT_FALSE(db()->GetContactInfo(0, record));
  EXPECT_EQ(record.firstName, L"untouched");

  // A match fills what was asked for; a contact without photo gives null.
  EXPECT_EQ(db()->SearchPN(L"+86 138 0000 0001", &name, &type, nullptr, &photo, &length, &entry), id);
  EXPECT_EQ(name, L"Anna");
  EXPECT_EQ(photo, nullptr);
  EXPECT_EQ(length, 0);
  EXPECT_GT(entry, 0);
  EXPECT_EQ(db()->SearchEmail(L"ANNA@example.com", name, type), id);
}

TEST_F(ContactsStore, BadInputGivesFalseAndChangesNothing) {
  int id = Add(L"", L"Anna", {L"13800000001"});
  int before = db()->GetDbChangeCount();
  int calls = db()->GetCallsChangeCount();
  CContactInfo nobody;
  EXPECT_EQ(db()->AddContact(nobody), 0);
  EXPECT_FALSE(db()->RemoveContact(id + 1));
  EXPECT_FALSE(db()->RemoveContact(0));
  EXPECT_FALSE(db()->UpdateNotes(id + 1, L"x"));
  EXPECT_EQ(db()->addPhones(id + 1, st_contacts_extra{0, L"1", 0, 0}), 0);
  EXPECT_EQ(db()->addPhones(id, st_contacts_extra{0, L"", 0, 0}), 0);
  EXPECT_EQ(db()->addExtraInfo(id, 9, st_contacts_extra{0, L"x", 0, 0}), 0);
  EXPECT_FALSE(db()->UpdatePhones(st_contacts_extra{12345, L"1", 0, 0}));
  EXPECT_FALSE(db()->RemovePhones(12345));
  EXPECT_FALSE(db()->RemoveExtraInfo(0));
  EXPECT_FALSE(db()->UpdateAddress(st_address_Info{}));
  EXPECT_EQ(db()->AddGroup(L""), 0);
  EXPECT_FALSE(db()->UpdateGroupName(999, L"x"));
  EXPECT_FALSE(db()->DeleteGroup(999));
  EXPECT_FALSE(db()->UpdateCategories(nobody, {}));
  EXPECT_FALSE(db()->InsertCall(nullptr, 1, 1, 1));
  EXPECT_FALSE(db()->InsertCall(L"1", 1, 1, 6));
  EXPECT_FALSE(db()->DeleteCalls(nullptr, 0));
  EXPECT_EQ(db()->GetGroupID(L""), 0);
  EXPECT_EQ(db()->GetDbChangeCount(), before);
  EXPECT_EQ(db()->GetCallsChangeCount(), calls);
}

TEST_F(ContactsStore, CountersMoveWithEveryChangeAndOnlyThen) {
  int id = Add(L"", L"Anna", {L"13800000001"});
  CContactInfo record = Stored(id);
  int count = db()->GetDbChangeCount();
  int calls = db()->GetCallsChangeCount();
  auto moved = [&](const char* what, bool done) {
    int now = db()->GetDbChangeCount();
    EXPECT_TRUE(done) << what;
    EXPECT_NE(now, count) << what;
    count = now;
  };
  record.UpdateNameInfo(L"", L"Anne", L"");
  moved("UpdateName", db()->UpdateName(record));
  moved("UpdateNotes", db()->UpdateNotes(id, L"n"));
  int phone = db()->addPhones(id, st_contacts_extra{0, L"13800000009", 1, 0});
  moved("addPhones", phone > 0);
  moved("UpdatePhonePrimary", db()->UpdatePhonePrimary(phone, 1));
  int group = db()->AddGroup(L"同事");
  moved("AddGroup", group > 0);
  moved("UpdateCategories", db()->UpdateCategories(record, {group}));
  moved("RemoveContact", db()->RemoveContact(id));

  // Reads and the call log leave the contacts counter alone; calls move theirs.
  AllContacts();
  EXPECT_EQ(db()->GetDbChangeCount(), count);
  ASSERT_TRUE(db()->InsertCall(L"13800000001", 100, 3, 1));
  EXPECT_EQ(db()->GetDbChangeCount(), count);
  EXPECT_NE(db()->GetCallsChangeCount(), calls);
}

TEST_F(ContactsStore, ListIsInPinyinOrderWithLettersAndHashLast) {
  Add(L"", L"007");
  Add(L"张", L"三", {L"13800000003"});
  Add(L"曾", L"小贤");
  Add(L"单", L"田芳");
  Add(L"", L"Andy", {L"13800000001", L"13800000002"});
  Add(L"陈", L"明");
  std::vector<std::wstring> names;
  std::wstring letters;
  for (const ListRow& row : AllContacts()) {
    names.push_back(row.name);
    letters += row.letter;
  }
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Andy", L"陈明", L"单田芳", L"曾小贤", L"张三", L"007"}));
  EXPECT_EQ(letters, L"ACSZZ#");
  EXPECT_EQ(AllContacts()[0].detail, L"13800000001");
}

TEST_F(ContactsStore, FuzzySearchMatchesNamesPinyinInitialsAndDigits) {
  int zhang = Add(L"张", L"三", {L"13800138000"});
  Add(L"李", L"四", {L"0755-88886666"});
  Add(L"", L"Sandy", {L"13911112222"});
  EXPECT_EQ(Fuzzy(L"zs"), (std::vector<std::wstring>{L"张三"}));
  EXPECT_EQ(Fuzzy(L"zhang"), (std::vector<std::wstring>{L"张三"}));
  EXPECT_EQ(Fuzzy(L"san"), (std::vector<std::wstring>{L"Sandy", L"张三"}));
  EXPECT_EQ(Fuzzy(L"ang"), (std::vector<std::wstring>{}));  // not from a syllable's start
  EXPECT_EQ(Fuzzy(L"四"), (std::vector<std::wstring>{L"李四"}));
  EXPECT_EQ(Fuzzy(L"SAND"), (std::vector<std::wstring>{L"Sandy"}));
  EXPECT_EQ(Fuzzy(L"8888"), (std::vector<std::wstring>{L"李四"}));
  EXPECT_EQ(Fuzzy(L"").size(), 3u);
  EXPECT_EQ(Fuzzy(L"xyz"), (std::vector<std::wstring>{}));
  // Case folds the same way in every process, letters beyond ASCII included.
  Add(L"", L"Ærø Émile");
  EXPECT_EQ(Fuzzy(L"ÆRØ É"), (std::vector<std::wstring>{L"Ærø Émile"}));

  // Typing narrows the previous results; deleting and new contacts widen again.
  EXPECT_EQ(Fuzzy(L"s"), (std::vector<std::wstring>{L"李四", L"Sandy", L"张三"}));
  EXPECT_EQ(Fuzzy(L"sa"), (std::vector<std::wstring>{L"Sandy", L"张三"}));
  EXPECT_EQ(Fuzzy(L"sand"), (std::vector<std::wstring>{L"Sandy"}));
  EXPECT_EQ(Fuzzy(L"sa"), (std::vector<std::wstring>{L"Sandy", L"张三"}));
  Add(L"", L"Sanders");
  EXPECT_EQ(Fuzzy(L"sand"), (std::vector<std::wstring>{L"Sanders", L"Sandy"}));

  // A digit match shows the number that matched.
  EXPECT_EQ(FuzzyRows(L"0013"), (Rows{{zhang, L"张三", L"13800138000", 0, 0}}));
}

TEST_F(ContactsStore, FuzzySearchMatchesWithinOneContactOnly) {
  Add(L"", L"Al", {L"13800000012"});
  Add(L"", L"Bo");  // no number between the numbers of its neighbours
  Add(L"", L"Cy", {L"341223"});  // every digit and neighbouring pair of "1234", yet not "1234"
  int ex = Add(L"", L"Ex", {L"3411112222", L"13966667777"});
  Add(L"张", L"安");  // "an" inside "zhang", and as a syllable of its own
  EXPECT_EQ(Fuzzy(L"1234"), (std::vector<std::wstring>{}));
  EXPECT_EQ(Fuzzy(L"lb"), (std::vector<std::wstring>{}));
  EXPECT_EQ(Fuzzy(L"3411"), (std::vector<std::wstring>{L"Ex"}));
  EXPECT_EQ(Fuzzy(L"an"), (std::vector<std::wstring>{L"张安"}));
  // The second number, which matched.
  EXPECT_EQ(FuzzyRows(L"6666"), (Rows{{ex, L"Ex", L"13966667777", 0, 0}}));

  // One digit: the first number that holds it, or the primary number when
  // the name matched as well.
  int agent = Add(L"", L"Agent 7", {L"110", L"0777"});
  EXPECT_EQ(FuzzyRows(L"7"), (Rows{{agent, L"Agent 7", L"110", 0, 0}, {ex, L"Ex", L"13966667777", 0, 0}}));
}

TEST_F(ContactsStore, FuzzySearchRowsShowWhatTheContactListShows) {
  int alma = Add(L"", L"Alma", {L"+86 138 0013 8000 转 1234", L"139"});  // a long number beyond ASCII first
  Add(L"", L"Bea");                                            // no number at all
  CContactInfo record;
  record.UpdateNameInfo(L"", L"Cleo", L"");
  record.AddPhoneNumber(0, L"02155556666", 2, 0);
  record.AddPhoneNumber(0, L"13700001111", 3, 1);  // the primary one is the second
  int cleo = db()->AddContact(record);
  ASSERT_GT(cleo, 0);
  Add(L"", L"Dag", {L"110"});

  // Every contact, with the row the contact list gives it (but no letter).
  std::vector<ListRow> listed = AllContacts();
  for (ListRow& shown : listed) shown.letter = 0;
  EXPECT_EQ(FuzzyRows(L""), listed);

  // A digit match shows the matching number with its own type.
  EXPECT_EQ(FuzzyRows(L"5555"), (Rows{{cleo, L"Cleo", L"02155556666", 2, 0}}));
  EXPECT_EQ(FuzzyRows(L"1234"), (Rows{{alma, L"Alma", L"+86 138 0013 8000 转 1234", 0, 0}}));
}

TEST_F(ContactsStore, FuzzySearchStoppedEarlyDoesNotNarrowTheNextOne) {
  Add(L"", L"Sam");
  Add(L"", L"Sandy");
  Add(L"", L"Sanders");
  Add(L"", L"Zed");
  EXPECT_EQ(Fuzzy(L"s").size(), 3u);
  int id = 0, type = 0;
  qzu::string name, detail;
  ASSERT_TRUE(db()->GetContactslistFuzzy(L"sa", id, name, detail, type, true));
  EXPECT_EQ(name, L"Sam");  // the caller reads no further
  EXPECT_EQ(Fuzzy(L"san"), (std::vector<std::wstring>{L"Sanders", L"Sandy"}));
}

TEST_F(ContactsStore, SearchPnPicksTheSameWinnerEveryTime) {
  int older = Add(L"", L"Older", {L"13800138000"});
  int newer = Add(L"", L"Newer", {L"+86 138 0013 8000"});
  EXPECT_EQ(Owner(L"13800138000"), older);
  // An exact key beats a tail match, whoever came first.
  int tail = Add(L"", L"Tail", {L"12345678"});
  int exact = Add(L"", L"Exact", {L"0755 1234 5678"});
  EXPECT_EQ(Owner(L"075512345678"), exact);
  EXPECT_EQ(Owner(L"12345678"), tail);
  EXPECT_EQ(Owner(L"8000"), 0);  // short codes only match exactly
  EXPECT_TRUE(db()->RemoveContact(older));
  EXPECT_EQ(Owner(L"13800138000"), newer);
}

TEST_F(ContactsStore, PhoneEntriesKeepOnePrimaryAndTheShownNumber) {
  int id = Add(L"", L"Anna", {L"13800000001"});
  int second = db()->addPhones(id, st_contacts_extra{0, L"13800000002", 2, 1});
  ASSERT_GT(second, 0);
  CContactInfo record = Stored(id);
  EXPECT_EQ(record.GetPrimaryPhoneNumber(), 1);
  EXPECT_EQ(record.phoneNumbers[0].primary, 0);
  EXPECT_EQ(AllContacts()[0].detail, L"13800000002");
  EXPECT_EQ(AllContacts()[0].type, 2);

  ASSERT_TRUE(db()->RemovePhones(second));
  EXPECT_EQ(AllContacts()[0].detail, L"13800000001");
  ASSERT_TRUE(db()->UpdatePhones(st_contacts_extra{record.phoneNumbers[0].id, L"13900000000", 3, 1}));
  EXPECT_EQ(AllContacts()[0].detail, L"13900000000");
  EXPECT_EQ(Owner(L"13800000001"), 0);
  EXPECT_EQ(Owner(L"13900000000"), id);

  int mail = db()->addExtraInfo(id, EXTRA_EMAIL, st_contacts_extra{0, L"a@example.com", 0, 0});
  int qq = db()->addExtraInfo(id, EXTRA_QQ, st_contacts_extra{0, L"12345", 1, 0});
  int address = db()->addAddress(id, st_address_Info{0, L"street", L"100000", L"北京", L"北京", L"中国", 0});
  ASSERT_TRUE(mail > 0 && qq > 0 && address > 0);
  ASSERT_TRUE(db()->UpdateExtraInfo(st_contacts_extra{qq, L"54321", 2, 0}));
  ASSERT_TRUE(db()->UpdateAddress(st_address_Info{address, L"road", L"", L"", L"", L"", 1}));
  ASSERT_TRUE(db()->RemoveExtraInfo(mail));
  record = Stored(id);
  EXPECT_TRUE(record.emails.empty());
  EXPECT_EQ(record.qqNumbers[0].value, L"54321");
  EXPECT_EQ(record.addresses[0].street, L"road");
  ASSERT_TRUE(db()->RemoveAddress(address));
  EXPECT_TRUE(Stored(id).addresses.empty());

  const unsigned char jpeg[] = {0xFF, 0xD8, 0xFF, 0xD9};
  record.SetPhoto(jpeg, sizeof jpeg);
  ASSERT_TRUE(db()->AddPhoto(record));
  unsigned char* photo = nullptr;
  int length = 0;
  EXPECT_EQ(db()->SearchPN(L"13900000000", nullptr, nullptr, nullptr, &photo, &length, nullptr), id);
  ASSERT_EQ(length, 4);
  EXPECT_EQ(photo[1], 0xD8);
  ASSERT_TRUE(db()->RemovePhoto(record));
  EXPECT_EQ(Stored(id).photoLength, 0);
}

TEST_F(ContactsStore, GroupsCountMembersByKindAndDeleteInTwoSteps) {
  int family = db()->AddGroup(L"家人");
  EXPECT_EQ(db()->AddGroup(L"家人"), 0);
  EXPECT_EQ(db()->GetGroupID(L"家人"), family);
  EXPECT_EQ(db()->GetGroupID(L"_$!<Blacklist>!$_"), 1);
  int withNumber = Add(L"", L"Num", {L"13800000001"});
  int withMail = Add(L"", L"Mail", {}, {L"m@example.com"});
  int loner = Add(L"", L"Loner", {L"13800000002"});
  CContactInfo a, b;
  a.contactId = withNumber;
  b.contactId = withMail;
  ASSERT_TRUE(db()->UpdateCategories(a, {family}));
  ASSERT_TRUE(db()->UpdateCategories(b, {family, 1}));
  ASSERT_TRUE(db()->UpdateCategories(b, {family}));  // left the blacklist

  auto groups = [&](int kind) {
    std::vector<std::pair<int, int>> out;
    int id = 0, count = 0;
    qzu::string name;
    for (bool first = true; db()->GetGroupInfo(kind, id, name, count, first); first = false) out.push_back({id, count});
    return out;
  };
  EXPECT_EQ(groups(0), (std::vector<std::pair<int, int>>{{1, 0}, {family, 2}}));
  EXPECT_EQ(groups(1), (std::vector<std::pair<int, int>>{{1, 0}, {family, 1}}));
  EXPECT_EQ(groups(2), (std::vector<std::pair<int, int>>{{1, 0}, {family, 1}}));
  EXPECT_EQ(db()->GetGroupContactsCount(family), 2);
  EXPECT_EQ(db()->GetUngroupContactsCount(0), 1);
  EXPECT_TRUE(db()->IsContactInGroup(withMail, family));
  EXPECT_FALSE(db()->IsContactInBlacklist(withMail));
  EXPECT_TRUE(db()->IsGroupPNExist(family));
  EXPECT_TRUE(db()->IsGroupEmailExist(family));
  EXPECT_TRUE(db()->IsGroupPNExist(0));
  EXPECT_FALSE(db()->IsGroupEmailExist(0));

  int id = 0, type = 0;
  wchar_t letter = 0;
  qzu::string name, detail, mail;
  ASSERT_TRUE(db()->GetUngroupContactslist(id, name, detail, type, letter, true));
  EXPECT_EQ(id, loner);
  EXPECT_FALSE(db()->GetUngroupContactslist(id, name, detail, type, letter, false));
  ASSERT_TRUE(db()->GetContactslist(family, id, name, detail, type, letter, true));
  EXPECT_EQ(name, L"Mail");
  ASSERT_TRUE(db()->GetGroupEmail(family, mail, true));
  EXPECT_EQ(mail, L"m@example.com");
  EXPECT_FALSE(db()->GetGroupEmail(family, mail, false));

  EXPECT_TRUE(db()->DeleteGroup2(family));
  EXPECT_TRUE(db()->DeleteGroup(family));
  EXPECT_EQ(db()->GetUngroupContactsCount(0), 3);
  EXPECT_FALSE(db()->DeleteGroup(1));  // the blacklist stays
  EXPECT_EQ(db()->GetGroupID(L"_$!<Blacklist>!$_"), 1);
}

TEST_F(ContactsStore, NumberAndEmailFiltersUseTheTextAsGiven) {
  Add(L"", L"Anna", {L"138-0000-0001", L"13900000002"}, {L"anna@example.com"});
  Add(L"", L"Bert", {L"13700000003"}, {L"bert@example.org"});
  auto numbers = [&](const wchar_t* filter) {
    std::vector<std::wstring> out;
    int id = 0, type = 0;
    qzu::string name, number;
    for (bool first = true; db()->GetContactsPNlist(filter, id, name, number, type, first); first = false)
      out.emplace_back(number.view());
    return out;
  };
  EXPECT_EQ(numbers(L"").size(), 3u);
  EXPECT_EQ(numbers(L"1380000"), (std::vector<std::wstring>{L"138-0000-0001"}));
  EXPECT_EQ(numbers(L"Bert"), (std::vector<std::wstring>{L"13700000003"}));
  EXPECT_TRUE(numbers(nullptr).empty());
  int id = 0, type = 0;
  qzu::string name, email;
  ASSERT_TRUE(db()->GetContactsEmaillist(L".org", id, name, email, type, true));
  EXPECT_EQ(email, L"bert@example.org");
  EXPECT_FALSE(db()->GetContactsEmaillist(L".org", id, name, email, type, false));
}

TEST_F(ContactsStore, BatchedWritesLandTogetherAndListsWorkInside) {
  int count = db()->GetDbChangeCount();
  {
    qzpam::StoreBatch batch;
    ASSERT_TRUE(batch.active());
    Add(L"", L"Anna", {L"13800000001"});
    Add(L"", L"Bert", {L"13800000002"});
    EXPECT_EQ(AllContacts().size(), 2u);
    CContactInfo nobody;
    EXPECT_EQ(db()->AddContact(nobody), 0);  // a failed write inside leaves the others
    EXPECT_TRUE(batch.Commit());
  }
  EXPECT_EQ(AllContacts().size(), 2u);
  EXPECT_NE(db()->GetDbChangeCount(), count);
}

}  // namespace
