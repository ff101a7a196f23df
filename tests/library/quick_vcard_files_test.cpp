// The files of sent cards: safe names, names made unique, the folder, and
// no half-written or stray files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "contactdata/quick/VcardFiles.h"
#include "temp_root.h"

namespace {

namespace fs = std::filesystem;

class VcardFilesTest : public ::testing::Test {
 protected:
  fs::path Folder() const { return root.path() / "tmpvcard"; }
  std::set<std::string> Files() const {
    std::set<std::string> names;
    if (fs::exists(Folder()))
      for (const auto& entry : fs::directory_iterator(Folder())) names.insert(entry.path().filename().string());
    return names;
  }
  static CContactInfo Named(const wchar_t* name) {
    CContactInfo record;
    record.UpdateNameInfo(L"", name, L"");
    record.AddPhoneNumber(0, L"13800138000", 0, 1);
    return record;
  }

  vorna::test::TempDeviceRoot root;
};

TEST(VcardFileNames, ControlCharactersGoAndUnsafeOnesBecomeUnderscores) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"Ann/Bo:Di", L"Ann_Bo_Di"},   {L"a\tb\x01\x1F" L"c\n", L"abc"}, {L"\"*/:<>?\\|", L"_________"},
      {L"张三 (work).", L"张三 (work)."}, {L"..", L".."},                  {L"", L""},
      {L"\x7F\x20", L"\x7F\x20"},
  };
  for (auto [in, out] : cases) EXPECT_EQ(MakeFileSafeName(in), out) << '"' << std::wstring(in).size() << '"';
  EXPECT_EQ(MakeFileSafeName(nullptr), L"");
}

TEST_F(VcardFilesTest, RepeatedNamesGetNumberedAndEmptyNamesStillGetAFile) {
  ASSERT_TRUE(EnsureVcardFolder());
  CContactInfo ann = Named(L"Ann/Bo:Di");
  EXPECT_EQ(WriteContactVcard(ann), L"\\tmpvcard\\Ann_Bo_Di.vcf");
  EXPECT_EQ(WriteContactVcard(ann), L"\\tmpvcard\\Ann_Bo_Di_1.vcf");
  EXPECT_EQ(WriteContactVcard(ann), L"\\tmpvcard\\Ann_Bo_Di_2.vcf");
  CContactInfo nameless = Named(L"");
  EXPECT_EQ(WriteContactVcard(nameless), L"\\tmpvcard\\.vcf");
  EXPECT_EQ(WriteContactVcard(nameless), L"\\tmpvcard\\_1.vcf");
  EXPECT_EQ(Files(), (std::set<std::string>{"Ann_Bo_Di.vcf", "Ann_Bo_Di_1.vcf", "Ann_Bo_Di_2.vcf", ".vcf", "_1.vcf"}))
      << "no temporary file is left";
  std::ifstream card(Folder() / "Ann_Bo_Di_1.vcf");
  std::string first;
  std::getline(card, first);
  EXPECT_EQ(first.rfind("BEGIN:VCARD", 0), 0u) << first;
  // A name of any length still gives a card.
  CContactInfo longName = Named(std::wstring(400, L'x').c_str());
  EXPECT_FALSE(WriteContactVcard(longName).empty());
}

TEST_F(VcardFilesTest, UniquePathsSkipEveryTakenName) {
  ASSERT_TRUE(EnsureVcardFolder());
  EXPECT_EQ(MakeUniqueVcfPath(L"\\tmpvcard\\Bo.vcf"), L"\\tmpvcard\\Bo.vcf");
  for (const char* taken : {"Bo.vcf", "bo_1.VCF", "Bo_3.vcf"}) std::ofstream(Folder() / taken) << "x";
  EXPECT_EQ(MakeUniqueVcfPath(L"\\tmpvcard\\Bo.vcf"), L"\\tmpvcard\\Bo_2.vcf") << "names compare without case";
  EXPECT_EQ(MakeUniqueVcfPath(L"\\tmpvcard\\Bo.txt"), L"");
}

TEST_F(VcardFilesTest, AMissingOrBlockedFolderWritesNothing) {
  CContactInfo ann = Named(L"Ann");
  EXPECT_EQ(WriteContactVcard(ann), L"") << "no folder yet";
  std::ofstream(root.path() / "tmpvcard") << "a file where the folder belongs";
  EXPECT_FALSE(EnsureVcardFolder());
  EXPECT_EQ(WriteContactVcard(ann), L"");
  fs::remove(root.path() / "tmpvcard");
  EXPECT_TRUE(EnsureVcardFolder());
  EXPECT_TRUE(EnsureVcardFolder()) << "and again once it is there";
  EXPECT_TRUE(Files().empty()) << "the failed writes left nothing";
}

}  // namespace
