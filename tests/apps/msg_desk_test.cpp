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
    AddContact(L"张", L"伟", L"138 0013 8000", L"", L"同事");
  }
  bool Compose(const std::wstring& parameters) {
    const bool opened = Launch(L"\\windows\\msgdesk.exe", parameters);
    robot_.Settle();
    return opened;
  }
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

// The request in one line: its kind, numbers, group, body, card name and
// path; "refused" for none.
std::wstring Described(const std::optional<MessageRequest>& request) {
  if (!request) return L"refused";
  std::wstring out = std::to_wstring(static_cast<int>(request->kind)) + L" [";
  for (const std::wstring& number : request->numbers) out += number + L";";
  return out + L"] " + std::to_wstring(request->groupId) + L" <" + request->body + L"> " + request->cardName + L" " +
         request->cardPath;
}

TEST(MsgDeskArgs, ReadsTheThreeForms) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"-n 10086; 138 0013 8000 ,\u2593a\u2593b", L"0 [10086;138 0013 8000;] 0 <a\u2593b>  "},
      {L"-n \u2593BEGIN:VCARD\r\nEND:VCARD", L"0 [] 0 <BEGIN:VCARD\r\nEND:VCARD>  "},
      {L"-n 10086", L"0 [10086;] 0 <>  "},
      {L"-b 12\u2593", L"1 [] 12 <>  "},
      {L"-v \u2593\u2593Ann\u2593\\tmpvcard\\Ann.vcf", L"2 [] 0 <> Ann \\tmpvcard\\Ann.vcf"},
  };
  for (const auto& [parameters, request] : cases) EXPECT_EQ(Described(ParseMsgDeskArgs(parameters)), request);
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
  for (const auto& [card, window] :
       {std::pair<std::wstring, Shown>{L"BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lin;Mei;;;\r\nEND:VCARD\r\n", Shown::CardDetails},
        {L"no card here", Shown::MessageBox}}) {
    ExpectNextModal(window);
    ASSERT_TRUE(Launch(L"\\windows\\msgdesk.exe", L"-c " + card));
    robot_.Settle();
    EXPECT_EQ(robot_.PendingModalSteps(), 0u) << card.size();
  }
  EXPECT_FALSE(Launch(L"\\windows\\msgdesk.exe", L"-c "));
}

}  // namespace apps::test
