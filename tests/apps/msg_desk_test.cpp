// The message composer: its three command lines, the recipients it shows,
// and closing on send.
#include <gtest/gtest.h>

#include "MsgDeskApplet.h"
#include "MsgDeskArgs.h"
#include "MsgDeskWnd.h"
#include "host_fixture.h"
#include "qzfc/UiEdit.h"
#include "qzfc/UiStatic.h"
#include "qzpam/CContactsDbIf.h"

namespace {

using apps::test::HostTest;
using telhub::MessageRequest;
using telhub::MsgDeskWnd;
using telhub::ParseMsgDeskArgs;

class MsgDeskTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    StartHost();
    CContactInfo record;
    record.UpdateNameInfo(L"张", L"伟", L"");
    record.AddPhoneNumber(0, L"138 0013 8000", 0, 1);
    record.AddToCategoris(L"同事");
    ASSERT_GT(CContactsDbIf::GetContactDbIf()->AddContact(record), 0);
  }
  bool Compose(const std::wstring& parameters) {
    const bool opened = Launch(L"\\windows\\msgdesk.exe", parameters);
    robot_.Settle();
    return opened;
  }
  std::wstring Text(int id) { return robot_.FindControl(id) ? robot_.FindControl(id)->GetText() : L"(none)"; }
};

TEST_F(MsgDeskTest, NamesTheContactsAmongTheNumbersAndClosesOnSend) {
  ASSERT_TRUE(Compose(L"-n 13800138000;10086\u2593晚上见"));
  ASSERT_NE(dynamic_cast<MsgDeskWnd*>(robot_.Foreground()), nullptr);
  EXPECT_EQ(Text(MsgDeskWnd::ID_RECIPIENTS), L"收件人：张伟, 10086");
  EXPECT_EQ(Text(MsgDeskWnd::ID_BODY), L"晚上见");
  EXPECT_EQ(robot_.FindControl(MsgDeskWnd::ID_ATTACHMENT), nullptr);

  robot_.Tap(420, 765);  // send
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  EXPECT_EQ(telhub::ActiveMsgDesk(), nullptr);
}

TEST_F(MsgDeskTest, NamesTheGroupAndTheAttachedCard) {
  int group = CContactsDbIf::GetContactDbIf()->GetGroupID(L"同事");
  ASSERT_GT(group, 0);
  ASSERT_TRUE(Compose(L"-b " + std::to_wstring(group) + L"\u2593周五开会"));
  EXPECT_EQ(Text(MsgDeskWnd::ID_RECIPIENTS), L"收件人：同事");
  EXPECT_EQ(Text(MsgDeskWnd::ID_BODY), L"周五开会");

  // A second composer takes the place of the first.
  ASSERT_TRUE(Compose(L"-v \u2593\u2593张伟\u2593\\tmpvcard\\张伟.vcf"));
  EXPECT_EQ(Text(MsgDeskWnd::ID_ATTACHMENT), L"名片：张伟");
  EXPECT_EQ(Text(MsgDeskWnd::ID_RECIPIENTS), L"收件人：");

  robot_.Tap(60, 765);  // cancel
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host_.Window());

  EXPECT_FALSE(Compose(L"-x 10086"));
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
}

TEST(MsgDeskArgs, ReadsTheThreeForms) {
  std::optional<MessageRequest> sms = ParseMsgDeskArgs(L"-n 10086; 138 0013 8000 ,\u2593a\u2593b");
  ASSERT_TRUE(sms);
  EXPECT_EQ(sms->kind, MessageRequest::Kind::Numbers);
  EXPECT_EQ(sms->numbers, (std::vector<std::wstring>{L"10086", L"138 0013 8000"}));
  EXPECT_EQ(sms->body, L"a\u2593b");

  std::optional<MessageRequest> card = ParseMsgDeskArgs(L"-n \u2593BEGIN:VCARD\r\nEND:VCARD");
  ASSERT_TRUE(card);
  EXPECT_TRUE(card->numbers.empty());
  EXPECT_EQ(card->body, L"BEGIN:VCARD\r\nEND:VCARD");

  std::optional<MessageRequest> bare = ParseMsgDeskArgs(L"-n 10086");
  ASSERT_TRUE(bare);
  EXPECT_TRUE(bare->body.empty());

  std::optional<MessageRequest> group = ParseMsgDeskArgs(L"-b 12\u2593");
  ASSERT_TRUE(group);
  EXPECT_EQ(group->groupId, 12);
  EXPECT_TRUE(group->body.empty());

  std::optional<MessageRequest> file = ParseMsgDeskArgs(L"-v \u2593\u2593Ann\u2593\\tmpvcard\\Ann.vcf");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->cardName, L"Ann");
  EXPECT_EQ(file->cardPath, L"\\tmpvcard\\Ann.vcf");
}

TEST(MsgDeskArgs, RefusesWhatItCannotShow) {
  const std::wstring bad[] = {
      L"",
      L"-n",
      L"-x 10086",
      L"-n10086",
      L"-n 100\u000186",                 // a control character in a number
      L"-n " + std::wstring(65, L'1'),   // too long for a number
      L"-b abc",
      L"-b 0",
      L"-b -3",
      L"-b 99999999999",
      L"-b \u2593hi",
      L"-v Ann\u2593\\x.vcf",            // the two leading separators are missing
      L"-v \u2593\u2593Ann",             // no path
      L"-v \u2593\u2593Ann\u2593",
  };
  for (const std::wstring& parameters : bad) EXPECT_FALSE(ParseMsgDeskArgs(parameters)) << parameters.size();
  std::wstring many = L"-n ";
  for (int i = 0; i <= 100; ++i) many += std::to_wstring(10000 + i) + L";";
  EXPECT_FALSE(ParseMsgDeskArgs(many));
  EXPECT_FALSE(ParseMsgDeskArgs(L"-n 1\u2593" + std::wstring(telhub::kMaxMessageParameters, L'x')));
}

}  // namespace

namespace apps::test {

// A received card's text is shown as a contact's details; one that is no
// card says so. Neither is stored.
TEST_F(HostTest, TheComposerShowsAReceivedCardsText) {
  StartHost();
  for (const auto& [card, shownClass] :
       {std::pair<std::wstring, std::wstring>{L"BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lin;Mei;;;\r\nEND:VCARD\r\n", L""},
        {L"no card here", L"QzMessageBox"}}) {
    robot_.WhenModalWaits([this, expected = shownClass] {
      CQzWnd* shown = robot_.Foreground();
      ASSERT_NE(shown, nullptr);
      ASSERT_NE(shown, &host_.Window());
      if (expected.empty())
        EXPECT_NE(robot_.FindControl(shown, 1), nullptr);  // the details list
      else
        EXPECT_EQ(std::wstring(shown->GetQzClassName()), expected);
      shown->EndModal(0);
    });
    ASSERT_TRUE(Launch(L"\\windows\\msgdesk.exe", L"-c " + card));
    robot_.Settle();
    EXPECT_EQ(robot_.PendingModalSteps(), 0u) << card.size();
  }
  EXPECT_FALSE(Launch(L"\\windows\\msgdesk.exe", L"-c "));
}

}  // namespace apps::test
