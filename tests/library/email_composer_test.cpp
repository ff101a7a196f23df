// The e-mail composer receives the owner and the addresses and is shown.
#include <gtest/gtest.h>

#include "contactdata_helpers.h"
#include "core/launch/Launchers.h"
#include "mailcomposer/MailComposer.h"
#include "mailcomposer/MailLog.h"
#include "platform/PimContract.h"
#include "temp_root.h"

namespace {

using mailcomposer::ReadMailLog;

const HWND kOwner = reinterpret_cast<HWND>(uintptr_t{0x4242});

class EmailComposerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    RegisterMailComposer();
  }
  void TearDown() override {
    ce::UnregisterComClass(CLSID_MailComposer);
    CoUninitialize();
  }

  vorna::test::TempDeviceRoot root;
};

TEST_F(EmailComposerTest, OneAddressAsGivenAndEveryGroupMembersAddressInListOrder) {
  EXPECT_TRUE(ComposeEmail(kOwner, L"ann\t<ann@example.com>"));
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  const int group = db->AddGroup(L"Team");
  ASSERT_GT(group, 0);
  contactdata_test::AddContact(L"Bob", {}, {L"Team"}, {{L"bob@example.com", 0}});
  contactdata_test::AddContact(L"Ann", {}, {L"Team"}, {{L"ann@work.example", 0}, {L"ann@home.example", 0}});
  contactdata_test::AddContact(L"Eve", {}, {L"Other"}, {{L"eve@example.com", 0}});
  EXPECT_TRUE(ComposeGroupEmail(kOwner, group));

  auto mails = ReadMailLog();
  ASSERT_EQ(mails.size(), 2u);
  EXPECT_EQ(mails[0].owner, kOwner);
  EXPECT_EQ(mails[0].recipients, std::vector<std::wstring>{L"ann\t<ann@example.com>"});
  EXPECT_EQ(mails[0].subject, L"");
  EXPECT_EQ(mails[1].recipients,
            (std::vector<std::wstring>{L"ann@work.example", L"ann@home.example", L"bob@example.com"}));
}

TEST_F(EmailComposerTest, MissingComposerIsNotReported) {
  ce::UnregisterComClass(CLSID_MailComposer);
  EXPECT_TRUE(ComposeEmail(kOwner, L"ann@example.com"));
  EXPECT_TRUE(ComposeGroupEmail(kOwner, 1));
  EXPECT_TRUE(ReadMailLog().empty());
}

}  // namespace
