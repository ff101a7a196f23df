// The dialer as a user drives it: keys pressed, held and lifted on the
// headless screen, checked by the field, the match line, the launch journal
// and the phone settings.
#include "ce/modules.h"
#include "dial_fixture.h"
#include "dialer/CallCount.h"
#include "dialer/SpeedDialEntry.h"

namespace dial_test {
namespace {

TEST_F(DialWindowTest, KeysTypeOnPressWithTheirToneUnlessKeyClicksAreOff) {
  Press(kKey1);
  EXPECT_EQ(Field(), L"1");
  Release(kKey1);
  Type(L"*0#");
  robot.Tap(KeyPoint(kKey5).x, KeyPoint(kKey5).y);
  robot.Tap(KeyPoint(kKey5).x, KeyPoint(kKey5).y);  // a double-click types twice
  robot.Advance(300);
  SetKeyClicks(0x10000);
  Type(L"2");
  SetKeyClicks(0);
  Type(L"3");
  EXPECT_EQ(Field(), L"1*0#5523");
  EXPECT_EQ(Sounds(), (std::vector<std::wstring>{L"\\Windows\\DTMF1.WAV", L"\\Windows\\DTMF10.WAV",
                                                 L"\\Windows\\DTMF11.WAV", L"\\Windows\\DTMF12.WAV",
                                                 L"\\Windows\\DTMF5.WAV", L"\\Windows\\DTMF5.WAV",
                                                 L"\\Windows\\DTMF3.WAV"}));
  EXPECT_TRUE(Dialled().empty());
  LongPress(kKey0);
  EXPECT_EQ(Field(), L"1*0#5523+") << "a long press on 0 leaves a plus";
}

// The repeat period halves down to 12 ms within one hold; the next hold
// starts slow again.
TEST_F(DialWindowTest, HoldingDeleteRepeatsFasterUntilLifted) {
  Type(L"1234567890123456");
  auto hold = [&](DWORD ms) {  // when characters went, in ms from the press
    std::vector<DWORD> removed;
    size_t length = Field().size();
    Press(kDelete);
    for (DWORD t = 0; t <= ms; ++t) {
      if (t) robot.Advance(1);
      for (; Field().size() < length; --length) removed.push_back(t);
    }
    Release(kDelete);
    return removed;
  };
  EXPECT_EQ(hold(1110), (std::vector<DWORD>{0, 500, 700, 900, 1000, 1050, 1075, 1087, 1099}));
  robot.Advance(1000);
  EXPECT_EQ(Field(), L"1234567") << "lifting stops the repeats at once";
  EXPECT_EQ(hold(910), (std::vector<DWORD>{0, 500, 700, 900}));
}

TEST_F(DialWindowTest, ImeiCodeIsDialledWhenHashIsLifted) {
  Type(L"*#06");
  Press(kKeyHash);
  EXPECT_EQ(Field(), L"*#06#");
  EXPECT_TRUE(Dialled().empty()) << "not while the finger is down";
  Release(kKeyHash);
  EXPECT_EQ(Dialled(), std::vector<std::wstring>{L"-n *#06#"});
  EXPECT_EQ(Field(), L"");
  EXPECT_TRUE(LastDialledNumber.IsEmpty()) << "codes ending in # are not remembered";
  Type(L"*#07#");
  EXPECT_EQ(Field(), L"*#07#") << "only that code dials itself";
}

TEST_F(DialWindowTest, CallKeyDialsOrRecallsTheLastNumber) {
  Tap(kCall);
  EXPECT_TRUE(Dialled().empty()) << "nothing typed and nothing dialled before";
  Type(L"10086");
  Tap(kCall);
  EXPECT_EQ(Field(), L"");
  Type(L"*#21#");
  Tap(kCall);
  EXPECT_EQ(Dialled(), (std::vector<std::wstring>{L"-n 10086", L"-n *#21#"}));
  Tap(kCall);
  EXPECT_EQ(Field(), L"10086") << "the code ending in # was not remembered";
  EXPECT_EQ(Dialled().size(), 2u) << "recalling does not dial";
  Tap(kCall);
  EXPECT_EQ(Dialled().back(), L"-n 10086");
}

TEST_F(DialWindowTest, NumberEndingInPlusShowsItsRegionInsteadOfDialling) {
  Type(L"12");
  LongPress(kKey0);
  Tap(kCall);  // too short to have a region: no box (a box would stall the robot)
  EXPECT_EQ(Field(), L"12+");

  Tap(kClear);
  Type(L"0755123");
  LongPress(kKey0);
  std::wstring shown;
  robot.WhenModalWaits([&] {
    shown = robot.Foreground()->GetQzClassName();
    UiWin* ok = robot.FindControl(QZ_MB_CONFIRM_ID);
    ASSERT_NE(ok, nullptr);
    TapAt(OnScreen(ok->GetWinRect()));
  });
  Tap(kCall);
  EXPECT_EQ(shown, L"QzMessageBox");
  EXPECT_EQ(Field(), L"0755123+");
  EXPECT_TRUE(Dialled().empty());
}

TEST_F(DialWindowTest, SpeedDialDialsOrFillsTheField) {
  Settings().InsertSpeedDialItem(2, 0, L"Mum", L"13900000002");
  Settings().InsertSpeedDialItem(3, 1, L"Dad", L"13900000003");
  Reshow();
  EXPECT_STREQ(robot.FindControl(&dial, 513)->GetText(), L"Mum");
  EXPECT_STREQ(robot.FindControl(&dial, 515)->GetText(), L"") << "entry 4 is not set";

  LongPress(kKey2);
  EXPECT_EQ(Dialled(), std::vector<std::wstring>{L"-n 13900000002"});
  EXPECT_EQ(Field(), L"");
  LongPress(kKey2 + 1);
  EXPECT_EQ(Field(), L"13900000003");

  Tap(kClear);
  Type(L"5");
  LongPress(kKey2);
  EXPECT_EQ(Field(), L"52") << "more than the held digit typed: no speed dial";
  EXPECT_EQ(Dialled().size(), 1u);
}

TEST_F(DialWindowTest, LongPressOnOneAsksForTheVoiceMailNumber) {
  AnswerVoiceMailDialog(L"123", TOOLBAR_BUTTON_LEFT);
  LongPress(kKey1);
  EXPECT_FALSE(SpeedDialEntry::Read(1).stored) << "cancelled";
  EXPECT_EQ(Field(), L"");

  AnswerVoiceMailDialog(L"", TOOLBAR_BUTTON_RIGHT);
  LongPress(kKey1);
  EXPECT_FALSE(SpeedDialEntry::Read(1).stored) << "saved empty";

  AnswerVoiceMailDialog(L"888", TOOLBAR_BUTTON_RIGHT);
  LongPress(kKey1);
  EXPECT_EQ(SpeedDialEntry::Read(1).number, L"888");
  EXPECT_TRUE(Dialled().empty()) << "the new number is not dialled";
  LongPress(kKey1);
  EXPECT_EQ(Dialled(), std::vector<std::wstring>{L"-n 888"});

  // An entry stored without a number is updated.
  Settings().UpdateSpeedDialItem(1, 0, L"", L"");
  AnswerVoiceMailDialog(L"777", TOOLBAR_BUTTON_RIGHT);
  LongPress(kKey1);
  EXPECT_EQ(SpeedDialEntry::Read(1).number, L"777");
  EXPECT_EQ(robot.PendingModalSteps(), 0u);
}

TEST_F(DialWindowTest, LongPressOnCallPlacesAnIpCall) {
  Settings().SetIPInUsed(L"17951");
  Type(L"13800138000");
  LongPress(kCall);
  EXPECT_EQ(Dialled(), std::vector<std::wstring>{L"-n 1795113800138000"});
  EXPECT_EQ(LastDialledNumber, L"13800138000");
  EXPECT_EQ(Field(), L"13800138000") << "the number stays for another try";
  Tap(kCall);
  EXPECT_EQ(Dialled().back(), L"-n 13800138000") << "the next tap of the call key is a call again";

  Type(L"1795110086");
  LongPress(kCall);
  EXPECT_EQ(Dialled().back(), L"-n 1795110086") << "already has the prefix: dialled unchanged";
  EXPECT_EQ(LastDialledNumber, L"10086");

  Settings().SetIPInUsed(L"");
  size_t before = Dialled().size();
  LongPress(kCall);
  EXPECT_EQ(Dialled().size(), before) << "no prefix in use: nothing dialled";
  EXPECT_EQ(Field(), L"1795110086");
  EXPECT_EQ(FieldControl().GetCursePos(), 0);
}

TEST_F(DialWindowTest, MatchLineFollowsTheTypedNumber) {
  AddContact(L"Ann", {{L"13800138000", 2}});
  Type(L"1380013800");
  EXPECT_EQ(MatchLine(), L"");
  Type(L"0");
  EXPECT_EQ(MatchLine(), L"Ann  工作");
  Tap(kDelete);
  EXPECT_EQ(MatchLine(), L"") << "a deleted digit makes it another number";
  Type(L"0");
  EXPECT_EQ(MatchLine(), L"Ann  工作");
  TapToolBar(TOOLBAR_BUTTON_LEFT);  // a menu here would stall the robot: it is someone's number
  Tap(kClear);
  EXPECT_EQ(MatchLine(), L"");
}

TEST_F(DialWindowTest, AddOffersNewOrExistingContactForAStrangersNumber) {
  Type(L"10086");
  std::wstring shown;
  robot.WhenModalWaits([&] {
    shown = robot.Foreground()->GetQzClassName();
    UiWin* addNew = robot.FindControl(QzPopupMenu::kFirstItemId);
    ASSERT_NE(addNew, nullptr);
    EXPECT_STREQ(addNew->GetText(), L"添加为新联系人");
    TapAt(OnScreen(addNew->GetWinRect()));
  });
  // The new contact's editor: the name through its name dialog, then save.
  robot.WhenModalWaits([&] {
    EXPECT_STREQ(robot.Foreground()->GetWindowText(), L"新建联系人");
    TapAt(RECT{250, kScreenTop + 80, 300, kScreenTop + 110});
  });
  robot.WhenModalWaits([&] {
    robot.Type(L"China Mobile");
    TapAt(qzfc::Sip::Instance().KeyRect(L"\u25BC"));
    TapAt(OnScreen(robot.Find<UiToolBarPro>(1)->GetButtonRect(TOOLBAR_BUTTON_RIGHT)));
  });
  robot.WhenModalWaits([&] { TapAt(OnScreen(robot.Find<UiToolBarPro>(1)->GetButtonRect(TOOLBAR_BUTTON_RIGHT))); });
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(shown, L"QzPopupMenu");
  EXPECT_EQ(Field(), L"10086");
  EXPECT_EQ(MatchLine(), L"China Mobile  手机") << "the number now has an owner";
}

TEST_F(DialWindowTest, ToolBarSwitchesTabs) {
  TapToolBar(TOOLBAR_BUTTON_ICON_LEFT);
  TapToolBar(TOOLBAR_BUTTON_ICON_MIDDLE);
  TapToolBar(TOOLBAR_BUTTON_ICON_RIGHT);
  EXPECT_EQ(host.tabs, (std::vector<int>{3, 4}));
  EXPECT_EQ(host.senders.front(), reinterpret_cast<WPARAM>(&dial));
  EXPECT_EQ(ToolBar().GetMiddleButtonHighLight(), 5);
}

int g_calls = 0;
int FakeCallCount(int* count) {
  *count = g_calls;
  return 1;
}

TEST_F(DialWindowTest, SettingsAreOffWhileACallExists) {
  ce::RegisterInProcessLibrary(L"RadioBridge.dll",
                               {{"PAL_SGetExistedCallCnt", reinterpret_cast<FARPROC>(&FakeCallCount)}});
  for (int calls : {1, 0}) {
    g_calls = calls;
    dial.SendMessageW(GetCallStateMessage(), 1, 0);
    EXPECT_EQ(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT), calls == 0) << calls << " calls";
  }
  ce::UnregisterInProcessLibrary(L"RadioBridge.dll");
}

TEST_F(DialWindowTest, ShowingTakesAHandedOverNumberOnce) {
  AddContact(L"Bo", {{L"13912345678", 0}});
  PendingDialNumber = L"13912345678";
  Reshow();
  EXPECT_EQ(Field(), L"13912345678");
  EXPECT_EQ(MatchLine(), L"Bo  手机");
  EXPECT_EQ(FieldControl().GetCursePos(), 0);
  EXPECT_TRUE(PendingDialNumber.IsEmpty());
  EXPECT_TRUE(FieldControl().HasFocus());
  Reshow();
  EXPECT_EQ(Field(), L"");
  EXPECT_EQ(MatchLine(), L"");
}

}  // namespace
}  // namespace dial_test
