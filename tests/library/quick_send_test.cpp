// Sending contacts and handing out cards, through the menu and the picker
// the way a user answers them, read from what left the library: the launch
// journal (where the Bluetooth applet records each file too), the e-mail
// composer's log and the files in "\tmpvcard\".
#include <filesystem>

#include "BtSendWnd.h"
#include "contactdata/quick/QuickSend.h"
#include "mailcomposer/MailComposer.h"
#include "mailcomposer/MailLog.h"
#include "picker_fixture.h"
#include "platform/BtLinkContract.h"

namespace picker_test {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::wstring>;
using contactdata_test::SysText;

const HWND kOwner = nullptr;

class QuickSendTest : public PickerTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    RegisterMailComposer();
    ann = AddContact(L"Ann/Bo:Di", {{L"13800000001", 0}});
    bo = AddContact(L"Bo", {{L"13800000002", 0}});
  }
  void TearDown() override {
    btlink::UnregisterLibrary();
    ce::UnregisterComClass(CLSID_MailComposer);
    CoUninitialize();
  }

  // Answers the sending menu with its entry `item` (0 text message, 1
  // multimedia, 2 Bluetooth, 3 e-mail).
  void ChooseFromMenu(int item) {
    robot.WhenModalWaits([this, item] {
      UiWin* entry = robot.FindControl(QzPopupMenu::kFirstItemId + item);
      ASSERT_NE(entry, nullptr);
      TapIn(entry->GetWinRect());
    });
  }
  // Then, in the picker that follows, ticks these rows and confirms.
  void ConfirmInPicker(std::vector<int> rows, bool* preselectedBo = nullptr) {
    robot.WhenModalWaits([this, rows, preselectedBo] {
      if (preselectedBo) *preselectedBo = Rows().IsItemSelected(Rows().GetItemCount() - 1);
      for (int row : rows) TickRow(row);
      TapToolBar(TOOLBAR_BUTTON_RIGHT);
    });
  }
  // The applet's sending screen, closed with its one button.
  void CloseSendingScreen() {
    robot.WhenModalWaits([this] {
      EXPECT_STREQ(robot.Foreground()->GetQzClassName(), L"BtSendWnd");
      TapButton(*robot.Find<UiToolBarPro>(btlink::BtSendWnd::ID_TOOL_BAR), TOOLBAR_BUTTON_MIDDLE);
    });
  }
  static Texts Composer() { return vorna::test::Messages(); }
  fs::path Card(const char* name) const { return root.path() / "tmpvcard" / name; }

  int ann = 0, bo = 0;
};

TEST_F(QuickSendTest, TextAndMultimediaMessagesSendTheGivenContactOnly) {
  ChooseFromMenu(0);
  FastSendContactInfo(kOwner, ann);
  ChooseFromMenu(1);
  FastSendContactInfo(kOwner, ann);
  ChooseFromMenu(0);
  FastSendContactInfo(kOwner, 0);  // no contact: nothing to send
  ChooseFromMenu(1);
  FastSendContactInfo(kOwner, 0);
  const Texts sent = Composer();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].rfind(L"-n \u2593", 0), 0u) << "no number, the card as the body";
  EXPECT_NE(sent[0].find(L"Ann/Bo:Di"), std::wstring::npos);
  EXPECT_NE(sent[0].find(L"13800000001"), std::wstring::npos);
  EXPECT_EQ(sent[1], L"-v \u2593\u2593Ann/Bo:Di\u2593\\tmpvcard\\Ann_Bo_Di.vcf");
  EXPECT_TRUE(fs::exists(Card("Ann_Bo_Di.vcf")));
}

TEST_F(QuickSendTest, BluetoothSendsTheCardsOfThePickedContactsInListOrder) {
  btlink::RegisterLibrary();
  bool boPreselected = false;
  ChooseFromMenu(2);
  ConfirmInPicker({1}, &boPreselected);  // Ann too (below the ungrouped row), before the pre-selected Bo
  CloseSendingScreen();
  FastSendContactInfo(kOwner, bo);
  EXPECT_TRUE(boPreselected);
  // The same again while the first cards exist: new names, nothing overwritten.
  ChooseFromMenu(2);
  ConfirmInPicker({1});
  CloseSendingScreen();
  FastSendContactInfo(kOwner, bo);
  EXPECT_EQ(vorna::test::Launched(kBtLinkLibrary), (Texts{L"\\tmpvcard\\Ann_Bo_Di.vcf", L"\\tmpvcard\\Bo.vcf",
                                             L"\\tmpvcard\\Ann_Bo_Di_1.vcf", L"\\tmpvcard\\Bo_1.vcf"}));
}

TEST_F(QuickSendTest, WithoutTheAppletNothingIsSentAndContactZeroStillPicks) {
  ChooseFromMenu(2);
  ConfirmInPicker({1});
  FastSendContactInfo(kOwner, 0);
  EXPECT_TRUE(vorna::test::Launched(kBtLinkLibrary).empty());
  EXPECT_EQ(robot.PendingModalSteps(), 0u) << "the picker ran with nothing pre-selected";
}

TEST_F(QuickSendTest, EmailAttachesTheCardsAndSkipsContactsDeletedMeanwhile) {
  ChooseFromMenu(3);
  robot.WhenModalWaits([this] {
    TapToolBar(TOOLBAR_BUTTON_MIDDLE);  // everyone
    CContactsDbIf::GetContactDbIf()->RemoveContact(ann);  // by another program, while the picker shows
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  });
  FastSendContactInfo(kOwner, 0);
  const auto mails = mailcomposer::ReadMailLog();
  ASSERT_EQ(mails.size(), 1u);
  EXPECT_EQ(mails[0].attachments, (Texts{L"\\tmpvcard\\Bo.vcf"}));
  EXPECT_FALSE(fs::exists(Card("Ann_Bo_Di.vcf")));
}

TEST_F(QuickSendTest, AContactsCardAsFileAndTextOrNeitherWhenBothOutsAreNull) {
  SysText path, text;
  robot.WhenModalWaits([this] { TapRow(0); });
  EXPECT_TRUE(FastGetContactVcf(kOwner, path.out(), text.out()));
  EXPECT_EQ(path.str(), L"\\tmpvcard\\Ann_Bo_Di.vcf");
  EXPECT_NE(text.str().find(L"13800000001"), std::wstring::npos);

  robot.WhenModalWaits([this] { TapRow(1); });
  EXPECT_TRUE(FastGetContactVcf(kOwner, nullptr, nullptr));
  EXPECT_FALSE(fs::exists(Card("Bo.vcf"))) << "no file asked for, none written";

  robot.WhenModalWaits([this] { TapToolBar(TOOLBAR_BUTTON_LEFT); });
  SysText none;
  EXPECT_FALSE(FastGetContactVcf(kOwner, none.out(), nullptr));
  EXPECT_FALSE(none.set());
}

TEST_F(QuickSendTest, AContactDeletedWhileThePickerShowsGivesNoCard) {
  SysText path, text;
  robot.WhenModalWaits([this] {
    CContactsDbIf::GetContactDbIf()->RemoveContact(bo);
    TapRow(1);
  });
  EXPECT_FALSE(FastGetContactVcf(kOwner, path.out(), text.out()));
  EXPECT_FALSE(path.set());
  EXPECT_FALSE(text.set());
  EXPECT_FALSE(fs::exists(Card("Bo.vcf")));
}

}  // namespace
}  // namespace picker_test
