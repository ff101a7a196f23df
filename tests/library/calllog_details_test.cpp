// The call details of one number: which rows it has, its history lines with
// their year lines, and what a finger's taps, holds and moves report.
#include "calllog_fixture.h"

namespace calllog_test {
namespace {

// A window showing the details of one number; it records the commands.
class DetailsHost : public CQzWndEx {
 public:
  LPCWSTR GetQzClassName() override { return L"CallInfoTestHost"; }
  BOOL OnInitDialog() override {
    if (!CQzWndEx::OnInitDialog()) return FALSE;
    list.SetID(2);
    list.SetPos(0, 0, GetWidth(), GetHeight() - 70);
    list.EnableNotifyMessage(TRUE);
    AddUiWin(&list);
    return TRUE;
  }
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) == 2) commands.push_back({LOWORD(lParam), HIWORD(lParam)});
    return 0;
  }
  UiListCallInfo list;
  std::vector<std::pair<int, int>> commands;
};

class CallDetailsTest : public vorna::test::LibraryUiTest {
 protected:
  void SetUp() override { Open(wnd); }
  void TearDown() override { wnd.DestroyWindow(); }
  void Show(int contactId, const qzu::string& number, bool missedOnly = false) {
    wnd.list.SetCallInfo(missedOnly, contactId, number);
    wnd.list.AddAllItems();
    wnd.Invalidate();
    robot.Settle();
  }
  std::vector<int> Kinds() {
    std::vector<int> kinds;
    for (int row = 0; row < wnd.list.GetItemCount(); ++row) kinds.push_back(wnd.list.RowKindAt(row));
    return kinds;
  }
  int RowY(int row) { return kScreenTop + wnd.list.CalcItemTopPos(row) + wnd.list.CalcItemHeight(row) / 2; }
  std::vector<std::wstring> Lines() {
    std::vector<std::wstring> lines;
    for (const CallEntry& e : wnd.list.GetCallEntries())
      lines.push_back(e.yearLine ? L"-- " + e.date.str() : e.label.str() + L" " + e.duration.str());
    return lines;
  }
  DetailsHost wnd;
};

TEST_F(CallDetailsTest, RowsOfAStrangerAHiddenCallerAndAContact) {
  AddCall(L"13912345678", CALL_TYPE_MISSED, 4, 0);
  AddCall(L"13912345678", CALL_TYPE_INCOMING, 65, 1);
  Show(0, L"13912345678");
  EXPECT_EQ(Kinds(), (std::vector<int>{CALL_INFO_HEADER, CALL_INFO_NUMBER, CALL_INFO_GROUPS, CALL_INFO_HISTORY}));
  EXPECT_EQ(wnd.list.GetContact().phoneNumbers[0].type, 0) << "a stranger's number is a mobile";
  EXPECT_FALSE(wnd.list.GetRegion().empty());
  EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"呼入 1分05秒", L"未接 4次响铃"}));
  EXPECT_EQ(wnd.list.CalcItemHeight(3), 2 * 32 + 60);
  Show(0, L"13912345678", true);
  EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"未接 4次响铃"})) << "the missed view lists missed calls";

  AddCall(L"", CALL_TYPE_MISSED, 1, 2);
  Show(0, L"");
  EXPECT_EQ(Kinds(), (std::vector<int>{CALL_INFO_HEADER, CALL_INFO_HISTORY}))
      << "a hidden caller has no number to call and no groups";
  EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"未接 1次响铃"}));

  const int ann = AddContact(L"Ann", {{L"13800138000", 0}, {L"02012345678", 2}}, {}, {{L"ann@example.com", 0}});
  CContactInfo record;
  ASSERT_TRUE(CContactsDbIf::GetContactDbIf()->GetContactInfo(ann, record));
  ASSERT_TRUE(CContactsDbIf::GetContactDbIf()->UpdateRingPath(ann, L"\\windows\\ring.wav"));
  Show(ann, L"13800138000");
  EXPECT_EQ(Kinds(), (std::vector<int>{CALL_INFO_HEADER, CALL_INFO_NUMBER, CALL_INFO_NUMBER, CALL_INFO_EMAIL,
                                       CALL_INFO_RING, CALL_INFO_GROUPS, CALL_INFO_SEND, CALL_INFO_HISTORY}));
  EXPECT_EQ(wnd.list.RowIndexAt(2), 1);
  EXPECT_TRUE(wnd.list.GetCallEntries().empty());

  Show(ann + 100, L"13800138000");
  EXPECT_TRUE(Kinds().empty()) << "a contact that cannot be read leaves the list empty";
}

TEST_F(CallDetailsTest, YearLinesAndTheMoreRecordsRow) {
  const int year = ThisYear();
  for (int i = 0; i < 18; ++i) AddCall(L"13800138000", CALL_TYPE_OUTGOING, 60, 100 - i);
  Show(0, L"13800138000");
  EXPECT_EQ(wnd.list.GetCallEntries().size(), 18u);
  EXPECT_EQ(Kinds().back(), CALL_INFO_HISTORY) << "18 lines: no more row";

  AddCallAt(L"13800138000", CALL_TYPE_MISSED, 2, LocalTime(year - 1, 6, 1));
  Show(0, L"13800138000");
  ASSERT_EQ(wnd.list.GetCallEntries().size(), 20u) << "19 calls and one year line";
  const CallEntry& yearLine = wnd.list.GetCallEntries()[18];
  EXPECT_EQ(yearLine.yearLine, 1);
  EXPECT_EQ(yearLine.date.str(), std::to_wstring(year - 1));
  EXPECT_EQ(Kinds().back(), CALL_INFO_MORE);

  AddCallAt(L"13800138000", CALL_TYPE_INCOMING, 2, LocalTime(year - 3, 6, 1));
  wnd.list.LoadCallHistory(false);
  wnd.list.RemoveMoreRow();
  EXPECT_EQ(Kinds().back(), CALL_INFO_HISTORY);
  EXPECT_EQ(Lines().size(), 22u) << "20 calls and a line for each of the other two years";
  EXPECT_EQ(Lines()[20], L"-- " + std::to_wstring(year - 3));

  AddCall(L"13800138000", CALL_TYPE_OUTGOING, 60, 200);
  AddCall(L"13800138000", CALL_TYPE_OUTGOING, 60, 201);
  Show(0, L"13800138000");
  EXPECT_EQ(wnd.list.GetCallEntries().size(), 20u);
  EXPECT_EQ(wnd.list.GetCallEntries()[19].yearLine, 0) << "20 calls of this year: no year line";
  EXPECT_EQ(Kinds().back(), CALL_INFO_MORE);
}

TEST_F(CallDetailsTest, NumberRowPartsLongPressesAndMovingFingers) {
  Show(AddContact(L"Ann", {{L"13800138000", 0}}), L"13800138000");
  const int number = 1;
  ASSERT_EQ(wnd.list.RowKindAt(number), CALL_INFO_NUMBER);
  for (int x : {79, 80, 373, 374}) {
    robot.Tap(x, RowY(number));
    robot.Advance(300);
  }
  robot.Tap(240, RowY(2));  // the groups row
  robot.Advance(300);
  EXPECT_EQ(wnd.commands,
            (std::vector<std::pair<int, int>>{{number, 0}, {number, 1}, {number, 1}, {number, 2}, {2, 0}}));

  wnd.commands.clear();
  robot.Hold(200, RowY(number), 600);
  EXPECT_EQ(wnd.commands, (std::vector<std::pair<int, int>>{{number, 100}})) << "reported while held";
  robot.Release(200, RowY(number));
  robot.Advance(300);
  EXPECT_EQ(wnd.commands.size(), 1u) << "no tap after a long press";
  robot.Hold(200, RowY(0), 600);
  EXPECT_EQ(wnd.commands.size(), 1u) << "a long press on the header reports nothing";
  robot.Release(200, RowY(0));
  robot.Advance(300);
  wnd.commands.clear();

  robot.Press(200, RowY(number));
  robot.MoveTo(200, RowY(number) + 20);
  robot.MoveTo(200, RowY(number));
  robot.Release(200, RowY(number));
  robot.Advance(600);
  EXPECT_TRUE(wnd.commands.empty()) << "a finger that moved taps nothing";
}

}  // namespace
}  // namespace calllog_test
