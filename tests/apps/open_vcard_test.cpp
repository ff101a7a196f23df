// telhub --open-vcard: the file is checked first, then shown in the phone
// running on the root (a second process hands it over) or in a new one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "VcardOpening.h"
#include "host_fixture.h"
#include "qzfc/UiList.h"

namespace apps::test {
namespace {

constexpr char kCard[] = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lin;Mei;;;\r\nTEL;TYPE=CELL:13800138000\r\nEND:VCARD\r\n";

class OpenVcardTest : public HostTest {
 protected:
  std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) {
    std::filesystem::path file = root_.path() / ".." / (root_.path().filename().string() + "-" + name);
    std::ofstream(file, std::ios::binary) << bytes;
    written_.push_back(file);
    return file;
  }
  void TearDown() override {
    for (const auto& file : written_) std::filesystem::remove(file);
  }
  // Expects the card's details in front (its name row and number row, not
  // the message that no card was found), then closes them.
  void ExpectCardShown() {
    robot_.WhenModalWaits([this] {
      CQzWnd* shown = robot_.Foreground();
      ASSERT_NE(shown, nullptr);
      EXPECT_NE(shown, &host_.Window());
      EXPECT_NE(std::wstring(shown->GetQzClassName()), L"QzMessageBox");
      auto* details = dynamic_cast<UiList*>(robot_.FindControl(shown, 1));
      ASSERT_NE(details, nullptr);
      EXPECT_GE(details->GetItemCount(), 2);
      shown->EndModal(0);
    });
  }
  std::vector<std::filesystem::path> written_;
};

TEST_F(OpenVcardTest, BadPathsAreRefusedWithStatus2AndNothingOpens) {
  const auto telhub = vorna::test::BuiltProgramsDir() / "telhub";
  const std::string root = root_.path().string();
  std::string problem;
  EXPECT_FALSE(telhub::CheckVcardFile((root_.path() / "missing.vcf").string(), problem));
  EXPECT_NE(problem.find("no such file"), std::string::npos) << problem;
  EXPECT_FALSE(telhub::CheckVcardFile(root, problem));
  EXPECT_FALSE(telhub::CheckVcardFile(WriteFile("empty.vcf", "").string(), problem));
  EXPECT_TRUE(telhub::CheckVcardFile(WriteFile("ok.vcf", kCard).string(), problem));
  for (const std::string& bad : {(root_.path() / "missing.vcf").string(), root, WriteFile("e.vcf", "").string()})
    EXPECT_EQ(vorna::test::RunProgram(telhub, {"--root", root, "--open-vcard", bad}), 2) << bad;
  EXPECT_FALSE(std::filesystem::exists(root_.path() / "tmpvcard"));
}

TEST_F(OpenVcardTest, ASecondProcessShowsTheCardInTheRunningPhone) {
  StartHost();
  const std::filesystem::path card = WriteFile("lin.vcf", kCard);
  ASSERT_EQ(vorna::test::RunProgram(vorna::test::BuiltProgramsDir() / "telhub",
                                    {"--root", root_.path().string(), "--open-vcard", card.string()}),
            0);
  ExpectCardShown();
  ASSERT_TRUE(robot_.WaitForForeignMessage(5000));
  robot_.Settle();
  EXPECT_EQ(robot_.PendingModalSteps(), 0u);
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  // The copy handed over is gone once shown; the card was not stored.
  EXPECT_TRUE(std::filesystem::is_empty(root_.path() / "tmpvcard"));
}

TEST_F(OpenVcardTest, ANewPhoneShowsTheStagedCard) {
  StartHost();
  std::string problem;
  ASSERT_TRUE(telhub::StageVcard(WriteFile("new.vcf", kCard).string(), 7, problem)) << problem;
  ExpectCardShown();
  ASSERT_TRUE(PostMessageW(host_.Window().GetHwnd(), telhub::kMsgOpenVcard, 7, 0));
  robot_.Settle();
  EXPECT_EQ(robot_.PendingModalSteps(), 0u);

  // Of several contacts the first is shown, after a notice of how many.
  ASSERT_TRUE(telhub::StageVcard(WriteFile("two.vcf", std::string(kCard) + kCard).string(), 9, problem)) << problem;
  robot_.WhenModalWaits([this] {
    CQzWnd* shown = robot_.Foreground();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(std::wstring(shown->GetQzClassName()), L"QzMessageBox");
    shown->EndModal(0);
  });
  ExpectCardShown();
  ASSERT_TRUE(PostMessageW(host_.Window().GetHwnd(), telhub::kMsgOpenVcard, 9, 0));
  robot_.Settle();
  EXPECT_EQ(robot_.PendingModalSteps(), 0u);

  // A file that is no card says so.
  ASSERT_TRUE(telhub::StageVcard(WriteFile("junk.vcf", "not a card").string(), 8, problem)) << problem;
  robot_.WhenModalWaits([this] {
    CQzWnd* shown = robot_.Foreground();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(std::wstring(shown->GetQzClassName()), L"QzMessageBox");
    shown->EndModal(0);
  });
  ASSERT_TRUE(PostMessageW(host_.Window().GetHwnd(), telhub::kMsgOpenVcard, 8, 0));
  robot_.Settle();
  EXPECT_EQ(robot_.PendingModalSteps(), 0u);
}

}  // namespace
}  // namespace apps::test
