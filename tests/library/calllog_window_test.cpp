// The call log tab as a user drives it: threads tapped, slid and held, the
// missed view, the details of a number and what leaves the window (the
// host's messages, the launch journal, the store, the clipboard).
#include "calllog_fixture.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/QzMessageBox.h"
#include "qzfc/QzPopupMenu.h"

namespace calllog_test {
namespace {

using vorna::test::ClipboardText;
using CallLogWindowTest = CallLogTest;

TEST_F(CallLogWindowTest, ShowsNewCallsWhenShownAndTheMissedViewUntilATabIsChosen) {
  EXPECT_EQ(Rows(), 0);
  AddCall(L"13800138000", CALL_TYPE_OUTGOING, 42, 1);
  AddCall(L"13912345678", CALL_TYPE_MISSED, 2, 0);
  EXPECT_EQ(Rows(), 0) << "nothing reloads while the tab is not shown again";
  const int shown = host.shown;
  Reshow();
  EXPECT_EQ(host.shown, shown + 1);
  ASSERT_EQ(Rows(), 3);
  EXPECT_EQ(Text(0), L"13800138000");
  EXPECT_EQ(log.GetCollection().GetItemText4(0).str(), L"42秒");
  EXPECT_EQ(Button(TOOLBAR_BUTTON_LEFT), Str(632));

  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(log.GetMode(), CCallHistoryWnd::MODE_MISSED_CALLS);
  EXPECT_EQ(Button(TOOLBAR_BUTTON_LEFT), Str(631));
  ASSERT_EQ(Rows(), 2);
  EXPECT_EQ(Text(0), L"13912345678");

  TapToolBar(TOOLBAR_BUTTON_ICON_MIDDLE);
  EXPECT_EQ(host.tabs, (std::vector<int>{4}));
  EXPECT_EQ(log.GetMode(), CCallHistoryWnd::MODE_ALL_CALLS);
  EXPECT_EQ(Button(TOOLBAR_BUTTON_LEFT), Str(632));
  EXPECT_EQ(Rows(), 3);
  TapToolBar(TOOLBAR_BUTTON_ICON_LEFT);
  EXPECT_EQ(host.tabs, (std::vector<int>{4})) << "the call log's own tab asks for nothing";
}

TEST_F(CallLogWindowTest, ARefreshWhileHiddenWaitsForTheNextShowing) {
  for (int i = 0; i < 60; ++i) AddCall((L"1380013" + std::to_wstring(8000 + i)).c_str(), CALL_TYPE_INCOMING, 9, i);
  Reshow();
  ASSERT_EQ(Rows(), 51);
  log.SendMessageW(CCallHistoryWnd::kRefreshMessage, 1, 0);
  EXPECT_FALSE(log.IsRefreshPending()) << "shown: the refresh is done at once";

  // The more row is at the end, below the screen.
  UiCustomList& list = ThreadList();
  list.ScrollTo(LIST_SCROLL_SHOW_ITEM, 50, FALSE);
  robot.Settle();
  Tap(240, kScreenTop + list.CalcItemTopPos(50) + 41);
  ASSERT_EQ(Kind(50), CALL_ROW_CALL) << "the more row loaded every thread";
  EXPECT_EQ(Rows(), 61);

  log.Show(FALSE);
  log.SendMessageW(CCallHistoryWnd::kRefreshMessage, 0, 0);
  EXPECT_TRUE(log.IsRefreshPending());
  EXPECT_EQ(Rows(), 61) << "nothing happens while hidden";
  log.Show(TRUE);
  robot.Settle();
  EXPECT_FALSE(log.IsRefreshPending());
  EXPECT_EQ(Rows(), 51) << "reloaded, though no counter moved";
}

TEST_F(CallLogWindowTest, AStrangersDetailsDialMessageCopyAndHandTheNumberToTheDialer) {
  AddCall(L"13912345678", CALL_TYPE_MISSED, 2, 0);
  Reshow();
  TapRow(0, 440);  // the right part of a thread calls back at once
  EXPECT_EQ(Launches(), (std::vector<std::wstring>{L"\\windows\\calldesk.exe|-n 13912345678"}));

  TapRow(0);
  ASSERT_EQ(log.GetView(), CCallHistoryWnd::VIEW_DETAILS);
  EXPECT_STREQ(log.GetWindowText(), Str(731).c_str());
  EXPECT_EQ(Button(TOOLBAR_BUTTON_LEFT), Str(626));
  EXPECT_EQ(Button(TOOLBAR_BUTTON_RIGHT), Str(683));
  const int number = DetailsRowOf(CALL_INFO_NUMBER);
  ASSERT_EQ(number, 1);
  Tap(200, DetailsRowY(number));
  Tap(420, DetailsRowY(number));
  std::vector<std::wstring> launches = Launches();
  ASSERT_EQ(launches.size(), 3u);
  EXPECT_EQ(launches[1], L"\\windows\\calldesk.exe|-n 13912345678");
  EXPECT_EQ(launches[2], L"\\windows\\msgdesk.exe|-n 13912345678\u2593");

  TapWhenModalWaits(2);  // the bubble's copy button
  robot.Hold(200, DetailsRowY(number), 600);
  robot.Release(200, DetailsRowY(number));
  robot.Advance(300);
  EXPECT_EQ(ClipboardText(), std::optional<std::wstring>(L"13912345678"));
  EXPECT_EQ(Launches().size(), 3u) << "the long press dialled nothing";

  // No IP prefix: the call button hands the number to the dialer tab.
  Tap(40, DetailsRowY(number));
  EXPECT_EQ(log.GetView(), CCallHistoryWnd::VIEW_THREADS);
  EXPECT_EQ(host.tabs, (std::vector<int>{5}));
  EXPECT_EQ(PendingDialNumber.str(), L"13912345678");

  PhoneSettingsDbIf::GetPhoneSettingsDbIf()->SetIPInUsed(L"17951");
  TapRow(0);
  Tap(40, DetailsRowY(number));
  EXPECT_EQ(Launches().back(), L"\\windows\\calldesk.exe|-n 1795113912345678");
  EXPECT_EQ(log.GetView(), CCallHistoryWnd::VIEW_DETAILS);
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(log.GetView(), CCallHistoryWnd::VIEW_THREADS);
  EXPECT_STREQ(log.GetWindowText(), Str(859).c_str());
}

TEST_F(CallLogWindowTest, AHiddenCallerIsNeitherDialledNorAdded) {
  AddCall(L"", CALL_TYPE_MISSED, 2, 0);
  Reshow();
  robot.Hold(440, RowY(0), 600);
  robot.Release(440, RowY(0));
  robot.Advance(300);
  EXPECT_EQ(log.GetView(), CCallHistoryWnd::VIEW_THREADS) << "a held right part of a hidden caller does nothing";
  TapRow(0, 440);
  ASSERT_EQ(log.GetView(), CCallHistoryWnd::VIEW_DETAILS) << "a tap on it opens the details";
  EXPECT_EQ(DetailsRowOf(CALL_INFO_NUMBER), -1);
  TapToolBar(TOOLBAR_BUTTON_RIGHT);  // "添加": the robot fails the test if a menu comes up
  EXPECT_TRUE(Launches().empty());
}

TEST_F(CallLogWindowTest, ClearingAsksFirstAndSwipingDeletesOneThread) {
  AddCall(L"13800138000", CALL_TYPE_OUTGOING, 10, 0);
  AddCall(L"13800138000", CALL_TYPE_MISSED, 1, 1);
  AddCall(L"13912345678", CALL_TYPE_INCOMING, 10, 2);
  AddCall(L"02012345678", CALL_TYPE_INCOMING, 10, 3);
  Reshow();
  ASSERT_EQ(Rows(), 4);
  SwipeDelete(2);
  EXPECT_EQ(Rows(), 3);
  int time = 0, value = 0, type = 0;
  EXPECT_FALSE(CContactsDbIf::GetContactDbIf()->GetCallHistoryByPN(L"13800138000", 9, time, value, type, true));
  Reshow();
  EXPECT_EQ(Rows(), 3) << "two threads and the hint";

  TapWhenModalWaits(QZ_MB_CANCEL_ID);
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(Rows(), 3) << "no: nothing is deleted";
  TapWhenModalWaits(QZ_MB_CONFIRM_ID);
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(Rows(), 0);
  qzu::string number, name;
  int contact = 0;
  EXPECT_FALSE(CContactsDbIf::GetContactDbIf()->GetCallHistory(9, number, time, value, type, name, contact, true));
}

TEST_F(CallLogWindowTest, ShowingAgainOrTheMKeyLeaveTheDetails) {
  AddCall(L"13912345678", CALL_TYPE_MISSED, 2, 0);
  Reshow();
  TapRow(0);
  ASSERT_EQ(log.GetView(), CCallHistoryWnd::VIEW_DETAILS);
  Reshow();
  EXPECT_EQ(log.GetView(), CCallHistoryWnd::VIEW_THREADS);
  EXPECT_EQ(log.GetDetailsList(), nullptr);

  TapToolBar(TOOLBAR_BUTTON_LEFT);  // the missed calls
  TapRow(0);
  ASSERT_EQ(log.GetView(), CCallHistoryWnd::VIEW_DETAILS);
  qzfc::MessageLoop::Get().ClearQuit();
  robot.PressMKey();
  EXPECT_TRUE(qzfc::MessageLoop::Get().QuitRequested());
  qzfc::MessageLoop::Get().ClearQuit();
  EXPECT_EQ(log.GetView(), CCallHistoryWnd::VIEW_THREADS);
  EXPECT_EQ(log.GetMode(), CCallHistoryWnd::MODE_ALL_CALLS);
  EXPECT_EQ(Button(TOOLBAR_BUTTON_LEFT), Str(632));
}

TEST_F(CallLogWindowTest, AContactsDetailsLoadEveryCallFromTheMoreRow) {
  AddContact(L"Ann", {{L"13800138000", 0}});
  for (int i = 0; i < 25; ++i) AddCall(L"13800138000", CALL_TYPE_INCOMING, 60 + i, i);
  Reshow();
  EXPECT_EQ(Text(0), L"Ann");
  EXPECT_EQ(SubText(0), L"13800138000");
  TapRow(0);
  EXPECT_EQ(Button(TOOLBAR_BUTTON_RIGHT), Str(613));
  const int more = DetailsRowOf(CALL_INFO_MORE);
  ASSERT_GT(more, 0);
  Details().ScrollTo(LIST_SCROLL_SHOW_ITEM, more, FALSE);
  robot.Settle();
  Tap(240, DetailsRowY(more));
  EXPECT_EQ(Details().GetCallEntries().size(), 25u);
  EXPECT_EQ(DetailsRowOf(CALL_INFO_MORE), -1);
}

TEST_F(CallLogWindowTest, AStrangerGoesOnTheBlacklistAsAContactNamedAfterTheNumber) {
  CContactsDbIf& db = *CContactsDbIf::GetContactDbIf();
  AddCall(L"13912345678", CALL_TYPE_INCOMING, 20, 0);
  Reshow();
  TapRow(0);
  Tap(240, DetailsRowY(DetailsRowOf(CALL_INFO_GROUPS)));
  ASSERT_EQ(log.GetView(), CCallHistoryWnd::VIEW_GROUP_PICKER);
  EXPECT_FALSE(ToolBar().IsButtonVisible(TOOLBAR_BUTTON_RIGHT));
  UiList& picker = *dynamic_cast<UiList*>(robot.FindControl(&log, CCallHistoryWnd::kGroupPickerId));
  ASSERT_EQ(picker.GetItemCount(), 1) << "a stranger is offered the blacklist alone";
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(log.GetView(), CCallHistoryWnd::VIEW_DETAILS);
  EXPECT_EQ(Details().GetContactId(), 0) << "nothing chosen, nothing stored";

  Tap(240, DetailsRowY(DetailsRowOf(CALL_INFO_GROUPS)));
  Tap(240, kScreenTop + 41);  // the blacklist row
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  const int id = Details().GetContactId();
  ASSERT_GT(id, 0);
  EXPECT_EQ(Button(TOOLBAR_BUTTON_RIGHT), Str(613));
  EXPECT_TRUE(db.IsContactInBlacklist(id));
  CContactInfo record;
  ASSERT_TRUE(db.GetContactInfo(id, record));
  EXPECT_EQ(record.fileAs, L"13912345678");
  ASSERT_EQ(record.phoneNumbers.size(), 1);
  EXPECT_EQ(record.phoneNumbers[0].value, L"13912345678");
  EXPECT_EQ(record.phoneNumbers[0].type, 4);
  EXPECT_EQ(DetailsRowOf(CALL_INFO_SEND), DetailsRowOf(CALL_INFO_GROUPS) + 1) << "the details are a contact's now";

  // A contact's picker offers its groups; taking the blacklist away stores that.
  Tap(240, DetailsRowY(DetailsRowOf(CALL_INFO_GROUPS)));
  Tap(240, kScreenTop + 41);
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_FALSE(db.IsContactInBlacklist(id));
}

TEST_F(CallLogWindowTest, AStrangerAddedAsANewContactIsShownByName) {
  AddCall(L"13912345678", CALL_TYPE_INCOMING, 20, 0);
  Reshow();
  TapRow(0);
  auto save = [&] { TapButton(*robot.Find<UiToolBarPro>(1), TOOLBAR_BUTTON_RIGHT); };
  robot.WhenModalWaits([&] {
    UiWin* addNew = robot.FindControl(QzPopupMenu::kFirstItemId);
    ASSERT_NE(addNew, nullptr);
    EXPECT_STREQ(addNew->GetText(), Str(850).c_str());
    TapIn(addNew->GetWinRect());
  });
  robot.WhenModalWaits([&] { Tap(280, kScreenTop + 93); });  // the new contact's name
  robot.WhenModalWaits([&] {
    TapIn(robot.FindControl(3)->GetWinRect());  // the given name
    robot.Type(L"李伟");
    save();
  });
  robot.WhenModalWaits(save);  // the editor
  TapToolBar(TOOLBAR_BUTTON_RIGHT);  // "添加"
  EXPECT_EQ(robot.PendingModalSteps(), 0u);
  ASSERT_GT(Details().GetContactId(), 0);
  EXPECT_EQ(Button(TOOLBAR_BUTTON_RIGHT), Str(613));
  EXPECT_EQ(Details().GetContact().fileAs, L"李伟");
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(Text(0), L"李伟");
  EXPECT_EQ(SubText(0), L"13912345678");
}

}  // namespace
}  // namespace calllog_test
