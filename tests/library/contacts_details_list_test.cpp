// The contact details list: which rows a contact gets and what they show and
// copy, which part of a row a finger presses, and what a tap, a drag and a
// long press report to the window.
#include <optional>
#include <utility>
#include <vector>

#include "ce/clipboard.h"
#include "contactdata_helpers.h"
#include "contacts/details/UiListContactInfo.h"
#include "core/popup/CopyBubble.h"
#include "ui_fixture.h"

namespace vorna::test {
namespace {

constexpr int kListId = 106;
using Command = std::pair<int, int>;  // row, part

// A window hosting the list the way the contacts window does: over a
// 70-pixel tool bar, notifications on; a long press runs the copy bubble.
class DetailsHost : public CQzWndEx {
 public:
  LPCWSTR GetQzClassName() override { return L"DetailsHost"; }
  BOOL OnInitDialog() override {
    if (!CQzWndEx::OnInitDialog()) return FALSE;
    list.SetID(kListId);
    list.SetPos(0, 0, GetWidth(), GetHeight() - 70);
    list.EnableNotifyMessage(TRUE);
    AddUiWin(&list);
    return TRUE;
  }
  LRESULT OnQzCommand(WPARAM w, LPARAM l) override {
    if (LOWORD(w) != kListId) return 0;
    const int row = LOWORD(l), part = HIWORD(l);
    commands.emplace_back(row, part);
    qzu::string text;
    if (part == CONTACT_PART_LONG_PRESS && list.GetRowCopyText(row, text))
      RunCopyBubble(*this, list, list.CopyMode(), row, text.c_str(), kCopyBubbleThresholdContacts);
    return 0;
  }
  UiListContactInfo list;
  std::vector<Command> commands;
};

class ContactDetailsListTest : public LibraryUiTest {
 protected:
  void SetUp() override { Open(host); }
  void TearDown() override { host.DestroyWindow(); }

  UiListContactInfo& List() { return host.list; }
  void Show(int contactId) {
    List().SetContactId(contactId);
    List().SetRecordLoaded(false);
    List().AddAllItems();
    List().Invalidate();
    robot.Settle();
  }
  std::vector<std::pair<int, int>> KindsAndIndexes() {
    std::vector<std::pair<int, int>> rows;
    for (int i = 0; i < List().GetItemCount(); ++i) rows.emplace_back(List().GetRowKind(i), List().GetRowValueIndex(i));
    return rows;
  }
  std::wstring Value(int row) { return List().GetRowValueText(row).str(); }
  std::optional<std::wstring> Copied(int row) {
    qzu::string text;
    if (!List().GetRowCopyText(row, text)) return std::nullopt;
    return text.str();
  }
  int RowMiddle(int row) { return kScreenTop + List().CalcItemTopPos(row) + List().CalcItemHeight(row) / 2; }
  void TapRow(int row, int x) {
    robot.Tap(x, RowMiddle(row));
    robot.Advance(300);
  }

  DetailsHost host;
};

TEST_F(ContactDetailsListTest, AFullContactGetsItsRowsInOrderWithTheirTextsAndCopies) {
  CContactInfo c;
  c.UpdateNameInfo(L"王", L"芳", L"星河公司");
  c.AddPhoneNumber(0, L"13800138000", 0, 1);
  c.AddPhoneNumber(0, L"010-62345678", 2, 0);
  c.AddEmail(0, L"wf@example.com", 1);
  c.AddQQ(0, L"10001", 0);
  c.AddMSN(0, L"wf@msn.example", 0);
  c.AddWebPage(0, L"example.com/wf", 0);
  c.AddAddress(0, L"北京", L"中国", L"100080", L"北京市", L"中关村大街1号", 0);
  c.AddAddress(0, L"", L"", L"200000", L"", L"南京路2号", 1);
  c.AddAddress(0, L"上海", L"", L"", L"", L"", 2);
  c.UpdateRemark(L"第一行\r\n第二行\r\n第三行\r\n第四行");
  c.UpdateRing(L"\\Windows\\Rings\\Bell.wav");
  c.UpdateBirthday(L"19900517");
  c.AddToCategoris(L"同事");
  c.AddToCategoris(contactdata_test::kBlacklist);
  const int id = CContactsDbIf::GetContactDbIf()->AddContact(c);
  ASSERT_GT(id, 0);
  Show(id);

  EXPECT_EQ(KindsAndIndexes(), (std::vector<std::pair<int, int>>{{1, 0}, {2, 0}, {2, 1}, {5, 0}, {7, 0}, {8, 0},
                                                                   {9, 0}, {6, 0}, {6, 1}, {6, 2}, {11, 0}, {3, 0},
                                                                   {10, 0}, {4, 0}, {12, 0}}));
  const std::vector<std::wstring> values = {
      L"星河公司", L"拨打手机", L"拨打工作", L"wf@example.com", L"10001", L"wf@msn.example", L"example.com/wf",
      L"中国北京市北京\r\n中关村大街1号\r\n100080", L"南京路2号\r\n200000", L"上海",
      L"第一行\r\n第二行\r\n第三行\r\n第四行", L"Bell", L"1990-05-17", L"黑名单 同事", L""};
  for (int row = 0; row < List().GetItemCount(); ++row) EXPECT_EQ(Value(row), values[row]) << "row " << row;

  // Long presses copy values as stored: the birthday as its eight digits.
  EXPECT_EQ(Copied(1), L"13800138000");
  EXPECT_EQ(Copied(3), L"wf@example.com");
  EXPECT_EQ(Copied(8), L"南京路2号\r\n200000");
  EXPECT_EQ(Copied(12), L"19900517");
  for (int row : {0, 11, 13, 14}) EXPECT_EQ(Copied(row), std::nullopt) << "row " << row;

  EXPECT_EQ(List().CalcItemHeight(0), 186);
  EXPECT_EQ(List().CalcItemHeight(9), 82) << "one line of address";
  EXPECT_GT(List().CalcItemHeight(10), 82 + 40) << "four lines of note";
  for (int row : {-1, 15}) EXPECT_EQ(List().CalcItemHeight(row), 0);
}

TEST_F(ContactDetailsListTest, NameOnlyPlacedRecordsAndContactsThatAreGone) {
  const int nameOnly = contactdata_test::AddContact(L"Ann", {});
  Show(nameOnly);
  EXPECT_EQ(KindsAndIndexes(), (std::vector<std::pair<int, int>>{{1, 0}, {4, 0}, {12, 0}}));
  EXPECT_EQ(Value(1), L"未分组");
  EXPECT_TRUE(List().IsRecordLoaded());

  // A record the owner placed (a received card): shown as it is, no send row.
  CContactInfo& placed = List().GetContact();
  placed.DataReset();
  placed.UpdateNameInfo(L"", L"Bo", L"");
  placed.AddPhoneNumber(0, L"10086", 4, 1);
  List().AddAllItems();
  EXPECT_EQ(KindsAndIndexes(), (std::vector<std::pair<int, int>>{{1, 0}, {2, 0}, {4, 0}}));
  EXPECT_EQ(Value(1), L"拨打其它");

  // Deleted by someone else, or no contact at all: no rows, nothing to act on.
  ASSERT_TRUE(CContactsDbIf::GetContactDbIf()->RemoveContact(nameOnly));
  for (int id : {nameOnly, 0}) {
    Show(id);
    EXPECT_EQ(List().GetItemCount(), 0);
    EXPECT_EQ(List().GetContact().contactId, 0);
    EXPECT_FALSE(List().IsRecordLoaded());
  }
}

TEST_F(ContactDetailsListTest, TapsReportTheirPartAndLongPressesSuppressTheTap) {
  Show(contactdata_test::AddContact(L"Ann", {{L"13800138000", 0}}, {}, {{L"ann@example.com", 0}}));
  // Rows: header, phone, e-mail, groups, send.
  for (int x : {79, 80, 373, 374}) TapRow(1, x);
  TapRow(2, 400);
  TapRow(0, 240);
  EXPECT_EQ(host.commands, (std::vector<Command>{{1, 0}, {1, 1}, {1, 1}, {1, 2}, {2, 0}, {0, 0}}));

  host.commands.clear();
  robot.Hold(240, RowMiddle(0), 600);
  robot.Release(240, RowMiddle(0));
  robot.Advance(300);
  EXPECT_TRUE(host.commands.empty()) << "the header reports no long press, and its release no tap";

  robot.Drag(240, RowMiddle(3), 240, RowMiddle(1));
  robot.Advance(1000);
  EXPECT_TRUE(host.commands.empty()) << "a drag taps nothing";

  // A long press on the groups row (it copies nothing, so no bubble opens).
  List().SetTopPos(0);
  robot.Hold(240, RowMiddle(3), 600);
  robot.Release(240, RowMiddle(3));
  robot.Advance(300);
  EXPECT_EQ(host.commands, (std::vector<Command>{{3, 100}}));
}

TEST_F(ContactDetailsListTest, APressLightsOnlyThePressedPartUntilTheFingerLifts) {
  Show(contactdata_test::AddContact(L"Ann", {{L"13800138000", 0}}));
  const int rowTop = kScreenTop + List().CalcItemTopPos(1);
  auto lit = [&](int x) { return ScreenPixel(x, rowTop + 4) != RGB(255, 255, 255); };
  ASSERT_FALSE(lit(200));
  ASSERT_FALSE(lit(440));
  robot.Press(440, rowTop + 41);
  EXPECT_TRUE(lit(440)) << "the message button's area";
  EXPECT_FALSE(lit(200)) << "the number stays plain";
  robot.Release(440, rowTop + 41);
  robot.Advance(300);
  EXPECT_FALSE(lit(440));
  robot.Press(200, rowTop + 41);
  EXPECT_TRUE(lit(200));
  EXPECT_TRUE(lit(440)) << "the number part lights the whole row";
  robot.Release(200, rowTop + 41);
  EXPECT_EQ(host.commands, (std::vector<Command>{{1, 2}, {1, 1}}));
}

TEST_F(ContactDetailsListTest, LongPressOpensTheCopyBubbleAndCopiesNumberOrBirthdayDigits) {
  CContactInfo c;
  c.UpdateNameInfo(L"", L"Ann", L"");
  c.AddPhoneNumber(0, L"13800138000", 0, 1);
  c.UpdateBirthday(L"19900517");
  const int id = CContactsDbIf::GetContactDbIf()->AddContact(c);
  Show(id);
  // Rows: header, phone, birthday, groups, send.
  for (auto [row, expected] : {std::pair{1, L"13800138000"}, std::pair{2, L"19900517"}}) {
    const int y = RowMiddle(row);
    const int buttonY = kScreenTop + List().CalcItemTopPos(row) - 49 + 27;
    const bool phoneRow = row == 1;
    robot.WhenModalWaits([&, y, phoneRow] {
      EXPECT_TRUE(List().CopyMode());
      if (phoneRow) {
        EXPECT_EQ(Value(1), L"手机") << "in copy mode the phone row shows its type alone";
      }
      robot.Release(240, y);
    });
    robot.WhenModalWaits([&] { robot.Tap(240, buttonY); });
    robot.Hold(240, y, 600);
    EXPECT_EQ(robot.PendingModalSteps(), 0u);
    EXPECT_FALSE(List().CopyMode());
    EXPECT_EQ(ClipboardText(), std::wstring(expected));
    robot.Advance(300);
  }
  EXPECT_EQ(host.commands, (std::vector<Command>{{1, 100}, {2, 100}}));
}

}  // namespace
}  // namespace vorna::test
