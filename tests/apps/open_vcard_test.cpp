// telhub --open-vcard: the file is checked first, then shown in the phone
// running on the root (a second process hands it over) or in a new one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "VcardOpening.h"
#include "host_fixture.h"

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
  ExpectNextModal(Shown::CardDetails);
  ASSERT_TRUE(robot_.WaitForForeignMessage(5000));
  robot_.Settle();
  EXPECT_EQ(robot_.PendingModalSteps(), 0u);
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  // The copy handed over is gone once shown; the card was not stored.
  EXPECT_TRUE(std::filesystem::is_empty(root_.path() / "tmpvcard"));
}

// A card is shown; of several contacts the first, after a notice of how
// many; a file that is no card says so.
TEST_F(OpenVcardTest, ANewPhoneShowsTheStagedCard) {
  StartHost();
  const struct {
    std::string bytes;
    std::vector<Shown> windows;
  } files[] = {
      {kCard, {Shown::CardDetails}},
      {std::string(kCard) + kCard, {Shown::MessageBox, Shown::CardDetails}},
      {"not a card", {Shown::MessageBox}},
  };
  int tag = 7;
  for (const auto& file : files) {
    std::string problem;
    ASSERT_TRUE(telhub::StageVcard(WriteFile(std::to_string(tag) + ".vcf", file.bytes).string(), tag, problem))
        << problem;
    for (Shown window : file.windows) ExpectNextModal(window);
    ASSERT_TRUE(PostMessageW(host_.Window().GetHwnd(), telhub::kMsgOpenVcard, tag++, 0));
    robot_.Settle();
    EXPECT_EQ(robot_.PendingModalSteps(), 0u) << file.bytes;
  }
}

}  // namespace
}  // namespace apps::test
