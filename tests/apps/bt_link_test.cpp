// The Bluetooth sending applet as the library reaches it (LoadLibraryW and
// "CPlApplet").
#include "BtSendWnd.h"
#include "btlink/BtLink.h"
#include "ce/modules.h"
#include "host_fixture.h"

namespace {

using apps::test::GalleryFile;
using apps::test::HostTest;
using btlink::BtSendWnd;

class BtLinkTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    StartHost();
  }
  LONG Send(const std::vector<const wchar_t*>& paths, std::function<void()> step) {
    HMODULE module = LoadLibraryW(kBtLinkLibrary);
    if (!module) {
      ADD_FAILURE() << "BtLinkCPL.dll is not found";
      return -1;
    }
    auto entry = reinterpret_cast<BtLinkAppletProc>(GetProcAddressW(module, kBtLinkEntryPoint));
    EXPECT_NE(entry, nullptr);
    BtLinkFileList list{static_cast<DWORD>(paths.size()), paths.data()};
    if (step) robot_.WhenModalWaits(std::move(step));
    LONG taken = entry ? entry(host_.Window().GetHwnd(), BTLINK_SEND_FILES, reinterpret_cast<LPARAM>(&list), 0) : -1;
    FreeLibrary(module);
    return taken;
  }
  static std::vector<std::wstring> Sent() {
    std::vector<std::wstring> sent;
    for (const std::wstring& line : Launches())
      if (line.starts_with(L"BtLinkCPL.dll|")) sent.push_back(line.substr(14));
    return sent;
  }
};

TEST_F(BtLinkTest, ShowsTheFilesAndTheMissingRadioAndJournalsEachPathInOrder) {
  LONG taken = Send({L"\\tmpvcard\\Ann_Bo_Di.vcf", nullptr, L"\\tmpvcard\\张伟.vcf"}, [this] {
    ASSERT_NE(dynamic_cast<BtSendWnd*>(robot_.Foreground()), nullptr);
    EXPECT_EQ(Text(BtSendWnd::ID_COUNT), L"发送 2 个文件");
    auto* files = robot_.Find<UiList>(BtSendWnd::ID_FILES);
    ASSERT_NE(files, nullptr);
    ASSERT_EQ(files->GetItemCount(), 2);
    EXPECT_EQ(std::wstring(files->GetItem(1)->text.c_str()), L"张伟.vcf");
    EXPECT_NE(Text(BtSendWnd::ID_NOTICE).find(L"没有蓝牙"), std::wstring::npos);
    robot_.SaveScreenshot(GalleryFile("bluetooth_sending.png"));
    robot_.Tap(240, 765);  // close
  });
  EXPECT_EQ(taken, 2);
  EXPECT_EQ(Sent(), (std::vector<std::wstring>{L"\\tmpvcard\\Ann_Bo_Di.vcf", L"\\tmpvcard\\张伟.vcf"}));
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
}

TEST_F(BtLinkTest, NothingToSendShowsNothing) {
  EXPECT_EQ(Send({}, nullptr), 0);
  HMODULE module = LoadLibraryW(kBtLinkLibrary);
  auto entry = reinterpret_cast<BtLinkAppletProc>(GetProcAddressW(module, kBtLinkEntryPoint));
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry(nullptr, BTLINK_SEND_FILES, 0, 0), 0);
  BtLinkFileList hostile{0xFFFFFFFFu, nullptr};
  EXPECT_EQ(entry(nullptr, BTLINK_SEND_FILES, reinterpret_cast<LPARAM>(&hostile), 0), 0);
  EXPECT_EQ(entry(nullptr, 1, 0, 0), 0);  // other messages
  FreeLibrary(module);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
}

}  // namespace
