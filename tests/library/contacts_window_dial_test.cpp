// Calling and messaging from the contacts book: the three parts of a number
// row, the IP-call rule with and without a prefix, the hand-over to the
// dialer, and the copy bubble over a held row.
#include "contacts_fixture.h"

namespace contacts_test {
namespace {

constexpr wchar_t kNumber[] = L"13800138000";

class ContactsDialTest : public ContactsWindowTest {
 protected:
  void SetUp() override { AddContact(L"Ann", {{kNumber, 0}}); }
  void SetIpPrefix(const wchar_t* prefix) {
    ASSERT_TRUE(PhoneSettingsDbIf::GetPhoneSettingsDbIf()->SetIPInUsed(prefix));
  }
  void OpenDetails() {
    TapRow(0);
    ASSERT_EQ(wnd.GetMode(), MODE_DETAILS);
  }
  // Without a prefix an IP call goes to the dialer: the number waits there.
  void ExpectHandedToDialer() {
    EXPECT_EQ(PendingDialNumber.str(), kNumber);
    EXPECT_EQ(host.tabs, std::vector<int>{5});
    EXPECT_EQ(wnd.GetMode(), MODE_NORMAL);
  }
};

TEST_F(ContactsDialTest, ListRowsDialTheNumberAndHeldOnesFollowTheIpRule) {
  Start();
  TapRow(0, 450);
  EXPECT_EQ(Dialled(), std::vector<std::wstring>{L"-n 13800138000"}) << "a tap dials without a prefix";
  EXPECT_EQ(wnd.GetMode(), MODE_NORMAL);
  HoldRow(List(), 0, 450);
  EXPECT_EQ(Dialled().size(), 1u);
  ExpectHandedToDialer();
}

TEST_F(ContactsDialTest, WithAPrefixHeldListRowsAndTheDetailsLeftPartPlaceIpCalls) {
  SetIpPrefix(L"17951");
  Start();
  HoldRow(List(), 0, 450);
  EXPECT_EQ(Dialled(), std::vector<std::wstring>{L"-n 1795113800138000"});
  EXPECT_TRUE(PendingDialNumber.IsEmpty());
  EXPECT_TRUE(host.tabs.empty());
  OpenDetails();
  SetIpPrefix(L"");  // the details list keeps the prefix it was made with
  TapDetailsRow(1, 40);
  EXPECT_EQ(Dialled(), (std::vector<std::wstring>{L"-n 1795113800138000", L"-n 1795113800138000"}));
  EXPECT_EQ(wnd.GetMode(), MODE_DETAILS);
}

TEST_F(ContactsDialTest, DetailsNumberRowByPart) {
  Start();
  OpenDetails();
  TapDetailsRow(1, 200);
  TapDetailsRow(1, 420);
  EXPECT_EQ(Dialled(), std::vector<std::wstring>{L"-n 13800138000"});
  EXPECT_EQ(Messages(), std::vector<std::wstring>{L"-n 13800138000\u2593"});
  TapDetailsRow(1, 40);
  ExpectHandedToDialer();
  EXPECT_EQ(Dialled().size(), 1u);
  EXPECT_EQ(wnd.GetContactInfoList(), nullptr);
}

TEST_F(ContactsDialTest, HeldNumberInDetailsIsCopiedOrScrolledIntoRoom) {
  Start();
  OpenDetails();
  CopyHeldRow(200, RowMiddle(Details(), 1), kScreenTop + Details().CalcItemTopPos(1));
  EXPECT_EQ(vorna::test::ClipboardText(), kNumber);

  // A row less than 60 pixels below the list's top only scrolls down to 55.
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  AddContact(L"Zed", {{L"1", 0}, {L"2", 0}, {L"3", 0}, {L"4", 0}, {L"5", 0}, {L"6", 0}, {L"7", 0}, {L"8", 0}});
  wnd.Dispatch(QZ_WM_ACTIVATE, 1, 0);
  TapRow(RowOf(L"Zed"));
  Details().SetTopPos(-(Details().CalcItemTopPos(3) - 59));
  ASSERT_EQ(Details().CalcItemTopPos(3), 59);
  // The finger stays until the list has moved: lifting it stops the list.
  const int y = RowMiddle(Details(), 3);
  robot.Hold(200, y, 600);
  robot.Advance(1000);
  robot.Release(200, y);
  EXPECT_EQ(Details().CalcItemTopPos(3), 55);
}

}  // namespace
}  // namespace contacts_test
