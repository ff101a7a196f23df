// The composers meet the library's picker: the message composer adds
// recipients from the contacts and attaches a contact's card; the e-mail
// composer's screen adds addresses and records the sent mail.
#include "MailComposerWnd.h"
#include "MsgDeskApplet.h"
#include "MsgDeskWnd.h"
#include "ce/files.h"
#include "host_fixture.h"
#include "mailcomposer/MailLog.h"
#include "qzfc/IItemCollection.h"
#include "qzfc/UiCustomList.h"
#include "qzfc/UiToolBarPro.h"

namespace {

using apps::test::GalleryFile;
using apps::test::HostTest;
using mailcomposer::MailComposerWnd;
using telhub::MsgDeskWnd;

// The picker's list and tool bar, as its window numbers them.
constexpr int kPickerList = 1;
constexpr int kPickerToolBar = 2;

class ComposerPickingTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    StartHost();
    AddContact(L"张", L"伟", L"138 0013 8000", L"wei@example.com");
    AddContact(L"李", L"娜", L"139 0000 1111", L"na@example.com");
    AddContact(L"王", L"强", L"137 2222 3333");
  }

  // A tap on the picker's row that reads `name`, at x (40: its check box).
  void TapPickerRow(const std::wstring& name, int x) {
    auto* list = robot_.Find<UiCustomList>(kPickerList);
    ASSERT_NE(list, nullptr);
    IItemCollection* rows = list->GetCustomItemCollection();
    for (int i = 0; i < rows->GetItemCount(); ++i) {
      if (std::wstring(rows->GetItemText(i)) != name) continue;
      RECT rc = list->GetItemRect(i);
      robot_.Tap(x, 80 + (rc.top + rc.bottom) / 2);
      robot_.Advance(300);
      return;
    }
    ADD_FAILURE() << "no picker row for the name";
  }
  void ConfirmPicker() {
    auto* bar = robot_.Find<UiToolBarPro>(kPickerToolBar);
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->IsButtonEnabled(TOOLBAR_BUTTON_RIGHT));
    RECT rc = bar->GetButtonRect(TOOLBAR_BUTTON_RIGHT);
    robot_.Tap((rc.left + rc.right) / 2, 80 + (rc.top + rc.bottom) / 2);
  }
};

TEST_F(ComposerPickingTest, MessageComposerAddsPickedNumbersAndAttachesAPickedCard) {
  ASSERT_TRUE(Launch(L"\\windows\\msgdesk.exe", L"-n 10086\u2593周五见"));
  robot_.Settle();
  robot_.WhenModalWaits([this] {
    TapPickerRow(L"张伟", 40);
    TapPickerRow(L"李娜", 40);
    ConfirmPicker();
  });
  TapControl(MsgDeskWnd::ID_ADD_RECIPIENT);
  ASSERT_NE(telhub::ActiveMsgDesk(), nullptr);
  // In the picker's order: by the names' pinyin.
  EXPECT_EQ(Text(MsgDeskWnd::ID_RECIPIENTS), L"收件人：10086, 李娜, 张伟");
  EXPECT_EQ(telhub::ActiveMsgDesk()->Request().numbers,
            (std::vector<std::wstring>{L"10086", L"139 0000 1111", L"138 0013 8000"}));

  // Picking the same number again adds nothing twice; cancelling adds nothing.
  robot_.WhenModalWaits([this] {
    TapPickerRow(L"张伟", 40);
    ConfirmPicker();
  });
  TapControl(MsgDeskWnd::ID_ADD_RECIPIENT);
  robot_.WhenModalWaits([this] { robot_.Tap(60, 765); });
  TapControl(MsgDeskWnd::ID_ADD_RECIPIENT);
  EXPECT_EQ(telhub::ActiveMsgDesk()->Request().numbers.size(), 3u);

  robot_.WhenModalWaits([this] { TapPickerRow(L"王强", 240); });
  robot_.Tap(240, 765);  // insert card
  EXPECT_EQ(Text(MsgDeskWnd::ID_ATTACHMENT), L"名片：王强");
  std::filesystem::path card;
  ASSERT_TRUE(ce::ResolveCePath(telhub::ActiveMsgDesk()->Request().cardPath, card));
  EXPECT_TRUE(std::filesystem::exists(card));
  EXPECT_EQ(telhub::ActiveMsgDesk()->Request().cardPath, L"\\tmpvcard\\王强.vcf");
  EXPECT_EQ(Text(MsgDeskWnd::ID_BODY), L"周五见");
  robot_.SaveScreenshot(GalleryFile("composer_picked.png"));
}

TEST_F(ComposerPickingTest, MailComposerScreenAddsPickedAddressesAndRecordsTheSentMail) {
  ShowMailComposer({L"\\tmpvcard\\张伟.vcf"}, {}, host_.Window().GetHwnd());
  robot_.Settle();
  ASSERT_NE(mailcomposer::ActiveMailComposerScreen(), nullptr);
  EXPECT_EQ(Text(MailComposerWnd::ID_ATTACHMENTS), L"附件：张伟.vcf");

  robot_.WhenModalWaits([this] {
    // Only contacts with an address are offered.
    TapPickerRow(L"李娜", 40);
    ConfirmPicker();
  });
  TapControl(MailComposerWnd::ID_ADD_RECIPIENT);
  EXPECT_EQ(Text(MailComposerWnd::ID_RECIPIENTS), L"收件人：na@example.com");
  robot_.Tap(420, 765);  // send
  robot_.Settle();
  EXPECT_EQ(mailcomposer::ActiveMailComposerScreen(), nullptr);
  EXPECT_EQ(robot_.Foreground(), &host_.Window());

  auto mails = mailcomposer::ReadMailLog();
  ASSERT_EQ(mails.size(), 2u);
  EXPECT_FALSE(mails[0].sent);
  EXPECT_TRUE(mails[1].sent);
  EXPECT_EQ(mails[1].recipients, std::vector<std::wstring>{L"na@example.com"});
  EXPECT_EQ(mails[1].attachments, std::vector<std::wstring>{L"\\tmpvcard\\张伟.vcf"});
}

// Without an owner window the composer records the mail at once.
TEST_F(ComposerPickingTest, MailComposerRecordsAttachmentsInOrderAndRefusesANullOne) {
  ShowMailComposer({L"\\tmpvcard\\Ann.vcf", nullptr, L"\\tmpvcard\\Tab\there.vcf"}, {L"ann@example.com"}, nullptr);
  auto mails = mailcomposer::ReadMailLog();
  ASSERT_EQ(mails.size(), 1u);
  EXPECT_EQ(mails[0].attachments, (std::vector<std::wstring>{L"\\tmpvcard\\Ann.vcf", L"\\tmpvcard\\Tab\there.vcf"}));
  EXPECT_EQ(mails[0].recipients, std::vector<std::wstring>{L"ann@example.com"});
}

}  // namespace
