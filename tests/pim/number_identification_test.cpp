// Caller identification and call threads across countries: a number without
// a country code belongs to the handset's own country, the national code of
// the phone settings (86 while none is set).
#include <gtest/gtest.h>

#include "qzpam/PhoneSettingsDbIf.h"
#include "store_helpers.h"

namespace {

class NumberIdentification : public pimtest::StoreTest {
 protected:
  void SetHome(const wchar_t* code) { ASSERT_TRUE(PhoneSettingsDbIf::GetPhoneSettingsDbIf()->SetNationalCode(code)); }

  std::vector<std::wstring> ThreadNames() {
    std::vector<std::wstring> out;
    for (const pimtest::Thread& thread : Threads()) out.push_back(thread.number + L"=" + thread.name);
    return out;
  }
};

TEST_F(NumberIdentification, ForeignNumbersNeverTakeALocalContact) {
  int li = Add(L"李", L"四", {L"020 7946 0018"});  // a Guangzhou landline
  int wang = Add(L"王", L"五", {L"79460019"});     // a local number without area code
  int tom = Add(L"", L"Tom", {L"+44 20 7946 0020"});
  EXPECT_EQ(Owner(L"+86 20 7946 0018"), li);
  EXPECT_EQ(Owner(L"+44 20 7946 0018"), 0);
  EXPECT_EQ(Owner(L"0044 20 7946 0019"), 0);
  EXPECT_EQ(Owner(L"+1 20 7946 0019"), 0);
  EXPECT_EQ(Owner(L"0755 7946 0019"), wang);
  EXPECT_EQ(Owner(L"0044 20 7946 0020"), tom);
  EXPECT_EQ(Owner(L"020 7946 0020"), 0);

  // The call log names threads by the same rule, and deletes by it.
  ASSERT_TRUE(db()->InsertCall(L"+44 20 7946 0018", 100, 1, 2));
  ASSERT_TRUE(db()->InsertCall(L"020-7946-0018", 200, 1, 2));
  ASSERT_TRUE(db()->InsertCall(L"+86 20 7946 0018", 300, 1, 2));
  EXPECT_EQ(ThreadNames(), (std::vector<std::wstring>{L"+86 20 7946 0018=李四", L"+44 20 7946 0018="}));
  EXPECT_TRUE(db()->DeleteCalls(L"0044 20 7946 0018", 0));
  EXPECT_EQ(ThreadNames(), (std::vector<std::wstring>{L"+86 20 7946 0018=李四"}));
}

TEST_F(NumberIdentification, TheNationalCodeOfTheSettingsIsTheHomeCountry) {
  int tom = Add(L"", L"Tom", {L"020 7946 0018"});
  int anna = Add(L"", L"Anna", {L"13800138000"});
  ASSERT_TRUE(db()->InsertCall(L"+44 20 7946 0018", 100, 1, 2));
  ASSERT_TRUE(db()->InsertCall(L"020 7946 0018", 200, 1, 2));
  EXPECT_EQ(Owner(L"+86 20 7946 0018"), tom);
  EXPECT_EQ(Owner(L"+86 138 0013 8000"), anna);
  EXPECT_EQ(ThreadNames().size(), 2u);

  // In the United Kingdom the stored numbers are British: the same contacts
  // answer the +44 forms, the calls of one number form one thread.
  SetHome(L"44");
  EXPECT_EQ(Owner(L"+44 20 7946 0018"), tom);
  EXPECT_EQ(Owner(L"020 7946 0018"), tom);
  EXPECT_EQ(Owner(L"+86 20 7946 0018"), 0);
  EXPECT_EQ(Owner(L"+86 138 0013 8000"), 0);
  EXPECT_EQ(ThreadNames(), (std::vector<std::wstring>{L"020 7946 0018=Tom"}));
  ASSERT_TRUE(db()->InsertCall(L"+8613800138000", 300, 1, 2));
  EXPECT_EQ(ThreadNames(), (std::vector<std::wstring>{L"+8613800138000=", L"020 7946 0018=Tom"}));
  EXPECT_TRUE(db()->DeleteCalls(L"+44 20 7946 0018", 0));
  EXPECT_EQ(ThreadNames(), (std::vector<std::wstring>{L"+8613800138000="}));

  // Unset again, or set to something that is no country code: 86.
  SetHome(L"");
  EXPECT_EQ(Owner(L"+86 20 7946 0018"), tom);
  EXPECT_EQ(ThreadNames(), (std::vector<std::wstring>{L"+8613800138000=Anna"}));
  SetHome(L"+44");
  EXPECT_EQ(Owner(L"0044 20 7946 0018"), tom);
  SetHome(L"abc");
  EXPECT_EQ(Owner(L"+86 138 0013 8000"), anna);
}

}  // namespace
