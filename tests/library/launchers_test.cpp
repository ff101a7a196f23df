// What the launchers hand to the sibling programs, byte for byte as the
// launch journal records it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ce/journal.h"
#include "ce/shell.h"
#include "core/launch/Launchers.h"
#include "temp_root.h"

namespace {

const wchar_t kCallDesk[] = L"\\windows\\calldesk.exe";
const wchar_t kMsgDesk[] = L"\\windows\\msgdesk.exe";

class LaunchersTest : public ::testing::Test {
 protected:
  void SetUp() override { LastDialledNumber = L""; }

  // The only journal entry written by `launch`, which must report `started`.
  ce::JournalEntry LaunchOnce(const std::function<bool()>& launch, bool started = false) {
    size_t before = ce::ReadLaunchJournal().size();
    EXPECT_EQ(launch(), started);
    auto journal = ce::ReadLaunchJournal();
    EXPECT_EQ(journal.size(), before + 1);
    return journal.empty() ? ce::JournalEntry{} : journal.back();
  }

  vorna::test::TempDeviceRoot root;
};

TEST_F(LaunchersTest, CommandLinesAreExact) {
  struct Case {
    const char* name;
    std::function<bool()> launch;
    const wchar_t* program;
    const wchar_t* params;
  } cases[] = {
      {"dial", [] { return DialNumber(L"13800138000", 0); }, kCallDesk, L"-n 13800138000"},
      {"dial with IP prefix", [] { return DialNumber(L"1795113800138000", 5); }, kCallDesk, L"-n 1795113800138000"},
      {"sms", [] { return ComposeSms(L"10086", L"hi there"); }, kMsgDesk, L"-n 10086\u2593hi there"},
      {"sms without body", [] { return ComposeSms(L"10086", nullptr); }, kMsgDesk, L"-n 10086"},
      {"sms empty number", [] { return ComposeSms(L"", L"BEGIN:VCARD"); }, kMsgDesk, L"-n \u2593BEGIN:VCARD"},
      {"sms empty body", [] { return ComposeSms(L"10086", L""); }, kMsgDesk, L"-n 10086\u2593"},
      {"sms nothing", [] { return ComposeSms(nullptr, nullptr); }, kMsgDesk, L"-n "},
      {"group sms", [] { return ComposeGroupSms(42, L"meeting"); }, kMsgDesk, L"-b 42\u2593meeting"},
      {"group sms without text", [] { return ComposeGroupSms(-7, nullptr); }, kMsgDesk, L"-b -7"},
      {"vcard", [] { return ComposeMessageWithVcard(L"张三", L"\\tmpvcard\\张三.vcf"); }, kMsgDesk,
       L"-v \u2593\u2593张三\u2593\\tmpvcard\\张三.vcf"},
      {"vcard absent name", [] { return ComposeMessageWithVcard(nullptr, L"\\a.vcf"); }, kMsgDesk,
       L"-v \u2593\u2593\u2593\\a.vcf"},
      {"settings", [] { return LaunchProgram(L"\\windows\\TelPrefs.exe", L"-p 123"); }, L"\\windows\\TelPrefs.exe",
       L"-p 123"},
  };
  for (const Case& c : cases) {
    ce::JournalEntry entry = LaunchOnce(c.launch);
    EXPECT_EQ(entry.kind, "launch") << c.name;
    EXPECT_EQ(entry.outcome, "not-found") << c.name;
    EXPECT_EQ(entry.program, c.program) << c.name;
    EXPECT_EQ(entry.details, c.params) << c.name;
  }
}

TEST_F(LaunchersTest, RegisteredProgramIsStartedWithTheParameters) {
  std::wstring received;
  ce::RegisterApplet(kCallDesk, [&](const std::wstring& params) {
    received = params;
    return true;
  });
  ce::JournalEntry entry = LaunchOnce([] { return DialNumber(L"+8613800138000", 0); }, true);
  ce::UnregisterApplet(kCallDesk);
  EXPECT_EQ(received, L"-n +8613800138000");
  EXPECT_EQ(entry.outcome, "applet");
}

TEST_F(LaunchersTest, LastDialledNumberDropsThePrefixAndSkipsServiceCodes) {
  DialNumber(L"1795113800138000", 5);
  EXPECT_EQ(LastDialledNumber.str(), L"13800138000");
  DialNumber(L"*#06#", 0);
  EXPECT_EQ(LastDialledNumber.str(), L"13800138000");
  DialNumber(L"10086", 0);
  EXPECT_EQ(LastDialledNumber.str(), L"10086");
  // A prefix length beyond the number leaves nothing rather than reading past it.
  DialNumber(L"123", 9);
  EXPECT_EQ(LastDialledNumber.str(), L"");
  DialNumber(L"555", -2);
  EXPECT_EQ(LastDialledNumber.str(), L"555");

  const size_t launches = ce::ReadLaunchJournal().size();
  EXPECT_FALSE(DialNumber(nullptr, 0));
  EXPECT_EQ(ce::ReadLaunchJournal().size(), launches) << "no number, no launch";
  EXPECT_EQ(LastDialledNumber.str(), L"555");
}

}  // namespace
