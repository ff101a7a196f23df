// Identifying numbers and addresses: results, the blocked decision, labels,
// null pointers and who frees what.
#include <gtest/gtest.h>

#include "contactdata/NumberMatching.h"
#include "contactdata_helpers.h"

namespace {

using contactdata_test::AddContact;
using contactdata_test::kBlacklist;
using contactdata_test::SysText;

class NumberMatching : public contactdata_test::StoreTest {};

TEST_F(NumberMatching, BlockedFollowsTheBlacklistForContactsAndTheRejectSettingForStrangers) {
  AddContact(L"Ann", {{L"13800138000", 0}});
  AddContact(L"Bad", {{L"13900139000", 0}}, {kBlacklist});
  const wchar_t* stranger = L"13700137000";
  struct Case {
    int rejectStrangers;
    const wchar_t* number;
    bool matched;
    bool blocked;
    bool smsBlocked;
  };
  const Case cases[] = {
      {0, L"13800138000", true, false, false}, {1, L"13800138000", true, false, false},
      {0, L"13900139000", true, true, true},   {1, L"13900139000", true, true, true},
      {0, stranger, false, false, false},      {1, stranger, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.number << " reject=" << c.rejectStrangers);
    ASSERT_TRUE(settings()->SetRejectCall(c.rejectStrangers));
    bool blocked = false;
    SysText name, label, text;
    EXPECT_EQ(GetMatchPNInfo(c.number, nullptr, name.out(), label.out(), text.out(), nullptr, nullptr, &blocked),
              c.matched);
    EXPECT_EQ(blocked, c.blocked);
    EXPECT_EQ(IsSmsBlocked(c.number), c.smsBlocked);
  }
}

TEST_F(NumberMatching, AMatchHandsOutIdNameLabelAndRingPath) {
  CContactInfo record;
  record.UpdateNameInfo(L"张", L"三", L"");
  record.AddPhoneNumber(0, L"13800138000", 2, 1);
  record.AddPhoneNumber(0, L"075512345678", 7, 0);
  record.AddEmail(0, L"zs@example.com", 5);
  record.UpdateRing(L"\\Windows\\Rings\\a.wav");
  const int id = db()->AddContact(record);

  int found = 0;
  SysText name, label, text;
  bool blocked = true;
  ASSERT_TRUE(GetMatchPNInfo(L"13800138000", &found, name.out(), label.out(), text.out(), nullptr, nullptr, &blocked));
  EXPECT_EQ(found, id);
  EXPECT_EQ(name.str(), L"张三");
  EXPECT_EQ(label.str(), L"工作");
  EXPECT_EQ(text.str(), L"\\Windows\\Rings\\a.wav");
  EXPECT_FALSE(blocked);

  // A type code outside the table is labelled as a mobile number.
  SysText otherLabel;
  int extra = -1;
  ASSERT_TRUE(GetMatchPNInfo(L"075512345678", nullptr, nullptr, otherLabel.out(), &extra));
  EXPECT_EQ(otherLabel.str(), L"手机");
  EXPECT_GT(extra, 0) << "the data library's entry id is passed on";

  // Null pointers are skipped; the others are still filled.
  SysText onlyName;
  EXPECT_TRUE(GetMatchPNInfo(L"13800138000", nullptr, nullptr, nullptr, nullptr));
  EXPECT_TRUE(GetMatchPNInfo(L"13800138000", nullptr, onlyName.out(), nullptr, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(onlyName.str(), L"张三");

  // An e-mail match gives the raw type code, not a label.
  int type = -1;
  SysText mailName;
  ASSERT_TRUE(GetMatchEmailInfo(L"zs@example.com", &found, mailName.out(), &type));
  EXPECT_EQ(found, id);
  EXPECT_EQ(mailName.str(), L"张三");
  EXPECT_EQ(type, 5);
  EXPECT_TRUE(GetMatchEmailInfo(L"zs@example.com", nullptr, nullptr, nullptr));
}

TEST_F(NumberMatching, NoMatchLeavesEveryOutParameterAsItWas) {
  AddContact(L"Ann", {{L"13800138000", 0}});
  wchar_t untouched[] = L"untouched";
  int id = -7, extra = -7, type = -7;
  wchar_t* name = untouched;
  wchar_t* label = untouched;
  wchar_t* text = untouched;
  for (const wchar_t* number : {L"13700137000", L"", L"888", L"abc;,#", static_cast<const wchar_t*>(nullptr)}) {
    EXPECT_FALSE(GetMatchPNInfo(number, &id, &name, &label, &extra));
    EXPECT_FALSE(GetMatchPNInfo(number, &id, &name, &label, &text, nullptr, nullptr, nullptr));
    EXPECT_FALSE(GetMatchEmailInfo(number, &id, &name, &type));
    EXPECT_FALSE(IsSmsBlocked(number));
  }
  const std::wstring huge(10000, L'1');
  EXPECT_FALSE(GetMatchPNInfo(huge.c_str(), &id, &name, &label, &extra));
  EXPECT_EQ(id, -7);
  EXPECT_EQ(extra, -7);
  EXPECT_EQ(type, -7);
  EXPECT_EQ(name, untouched);
  EXPECT_EQ(label, untouched);
  EXPECT_EQ(text, untouched);
}

TEST_F(NumberMatching, FilterItemsComeOneByOneUntilFalse) {
  const int ann = AddContact(L"Ann", {{L"13800138000", 0}, {L"075512345678", 4}});
  AddContact(L"Bob", {{L"13900139000", 0}});
  std::vector<std::wstring> rows;
  int id = 0;
  for (bool first = true;; first = false) {
    SysText name, label, number;
    if (!GetFilterPNItems(L"138", &id, name.out(), label.out(), number.out(), first)) {
      EXPECT_FALSE(name.set() || label.set() || number.set()) << "the final call allocates nothing";
      break;
    }
    EXPECT_EQ(id, ann);
    rows.push_back(name.str() + L"|" + label.str() + L"|" + number.str());
  }
  EXPECT_EQ(rows, std::vector<std::wstring>({L"Ann|手机|13800138000"}));

  AddContact(L"Cat", {}, {}, {{L"cat@work.example", 1}});
  SysText name, label, address;
  ASSERT_TRUE(GetFilterEmailItems(L"work", &id, name.out(), label.out(), address.out(), true));
  EXPECT_EQ(name.str() + L"|" + label.str() + L"|" + address.str(), L"Cat|工作|cat@work.example");
  EXPECT_FALSE(GetFilterEmailItems(L"work", nullptr, nullptr, nullptr, nullptr, false));
}

}  // namespace
