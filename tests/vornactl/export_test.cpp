// `vornactl export` and `import` as a backup: the demo store, plus contacts
// that fill every field the demo leaves empty, exported and imported into an
// empty root, comes back field for field in either vCard version.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "DemoStore.h"
#include "ce/device.h"
#include "contact_summary.h"
#include "file_bytes.h"
#include "qzpam/CContactsDbIf.h"
#include "temp_root.h"
#include "vornactl_runner.h"

namespace {

using vorna::test::RunVornactl;

// Everything a contact holds but its identifiers, groups in name order:
// each store numbers its groups its own way.
std::string Fields(CContactInfo c) {
  std::vector<std::wstring> groups;
  for (const qzu::string& group : c.categories) groups.emplace_back(group.view());
  std::sort(groups.begin(), groups.end());
  c.RemoveAllCategoris();
  for (const std::wstring& group : groups) c.AddToCategoris(group.c_str());
  return pimtest::Summary(c);
}

// Every contact of the store under `root`, in list order.
std::vector<CContactInfo> StoredContacts(const std::filesystem::path& root) {
  ce::SetDeviceRoot(root);
  std::vector<CContactInfo> contacts;
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return contacts;
  std::vector<int> ids;
  int id = 0, type = 0;
  wchar_t letter = 0;
  qzu::string name, detail;
  for (bool first = true; db->GetContactslist(id, name, detail, type, letter, first); first = false) ids.push_back(id);
  for (const int each : ids) {
    contacts.emplace_back();
    db->GetContactInfo(each, contacts.back());
  }
  return contacts;
}

// The fields that the demo store never fills, and the characters that
// card lines treat specially.
void AddEveryField(CContactsDbIf* db) {
  CContactInfo full;
  full.UpdateNameInfo(L"欧阳", L"晓明", L"腾达科技");
  full.AddPhoneNumber(0, L"13912345678", 0, 0);
  full.AddPhoneNumber(0, L"010-88886666", 1, 0);
  full.AddPhoneNumber(0, L"0755-2666 8888", 2, 1);  // primary, not first
  full.AddPhoneNumber(0, L"010-88886667", 3, 0);
  full.AddPhoneNumber(0, L"+1 202 555 0123;ext=2", 4, 0);
  full.AddEmail(0, L"ouyang@home.example", 0);
  full.AddEmail(0, L"xm@work.example", 1);
  full.AddEmail(0, L"x,m@other.example", 2);
  full.AddWebPage(0, L"http://example.com/a;b?c=1,2", 1);
  full.AddQQ(0, L"123456789", 2);
  full.AddMSN(0, L"ouyang@msn.example", 0);
  full.AddMSN(0, L"xm@msn.example", 1);
  full.AddAddress(0, L"深圳", L"中国", L"518000", L"广东", L"科技园南路1号; 2栋", 0);
  full.AddAddress(0, L"Zürich", L"", L"", L"", L"", 2);
  full.UpdateBirthday(L"19800229");
  full.UpdateRemark(L"第一行\n第二行; with, punctuation \\ and = signs");
  full.UpdateRing(L"\\Windows\\Rings\\铃声 1.wav");
  full.AddToCategoris(L"同事");
  full.AddToCategoris(L"_$!<Blacklist>!$_");
  full.AddToCategoris(L"Friends & Family");
  std::vector<unsigned char> photo(5000);
  for (std::size_t i = 0; i < photo.size(); ++i) photo[i] = static_cast<unsigned char>(i * 7 + i / 13);
  full.SetPhoto(photo.data(), static_cast<int>(photo.size()));
  ASSERT_GT(db->AddContact(full), 0);

  CContactInfo latin;
  latin.UpdateNameInfo(L"O'Neil", L"Zoë", L"");
  latin.AddMSN(0, L"zoe@msn.example", 2);
  latin.UpdateRing(L"\\My Documents\\tone.mp3");
  ASSERT_GT(db->AddContact(latin), 0);

  CContactInfo company;
  company.UpdateNameInfo(L"", L"", L"中国移动");
  company.AddPhoneNumber(0, L"10086", 4, 1);
  ASSERT_GT(db->AddContact(company), 0);
}

class VornactlExport : public ::testing::Test {
 protected:
  void SetUp() override {
    ce::SetDeviceRoot(source_);
    const vorna::device::DemoStoreResult seeded = vorna::device::SeedDemoStore(300, 0, 17);
    ASSERT_TRUE(seeded.complete);
    AddEveryField(CContactsDbIf::GetContactDbIf());
    ce::SetDeviceRoot(root_.path());
  }

  vorna::test::TempDeviceRoot root_;
  std::filesystem::path source_ = root_.path() / "source";
};

TEST_F(VornactlExport, EveryContactComesBackFieldForFieldInEitherVersion) {
  const std::vector<CContactInfo> original = StoredContacts(source_);
  ASSERT_EQ(original.size(), 303u);
  for (const std::string version : {"2.1", "3.0"}) {
    const std::string file = (root_.path() / ("backup-" + version + ".vcf")).string();
    const std::filesystem::path target = root_.path() / ("target-" + version);
    const auto exported = RunVornactl({"--root", source_.string(), "export", "--version", version, "--out", file});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, file + ": 303 contacts, " + std::to_string(std::filesystem::file_size(file)) + " bytes\n");
    const auto imported = RunVornactl({"--root", target.string(), "--json", "import", file});
    ASSERT_EQ(imported.status, 0) << imported.out;

    const std::vector<CContactInfo> restored = StoredContacts(target);
    ASSERT_EQ(restored.size(), original.size()) << version;
    std::map<std::string, int> filled;
    for (std::size_t i = 0; i < original.size(); ++i) {
      ASSERT_EQ(Fields(restored[i]), Fields(original[i])) << "version " << version << ", contact " << i;
      const CContactInfo& c = original[i];
      filled["phones"] += c.phoneNumbers.size();
      filled["e-mails"] += c.emails.size();
      filled["addresses"] += c.addresses.size();
      filled["groups"] += c.categories.size();
      filled["photos"] += c.photoLength > 0;
      filled["notes"] += !c.note.empty();
      filled["birthdays"] += !c.birthday.empty();
      filled["ring tones"] += !c.ringPath.empty();
      filled["web, QQ, MSN"] += c.webPages.size() + c.qqNumbers.size() + c.msnAccounts.size();
    }
    std::string summary;
    for (const auto& [field, count] : filled) summary += " " + field + " " + std::to_string(count);
    std::printf("round trip %s: %zu contacts,%s\n", version.c_str(), restored.size(), summary.c_str());
  }
}

TEST_F(VornactlExport, OneGroupToStdoutAndRefusals) {
  const auto blacklist = RunVornactl({"--root", source_.string(), "export", "--group", "黑名单", "--version", "3.0"});
  ASSERT_EQ(blacklist.status, 0) << blacklist.err;
  std::size_t cards = 0;
  for (std::size_t at = 0; (at = blacklist.out.find("BEGIN:VCARD\r\n", at)) != std::string::npos; ++at) ++cards;
  int members = 0;
  for (const CContactInfo& c : StoredContacts(source_))
    members += std::count(c.categories.begin(), c.categories.end(), qzu::string(L"_$!<Blacklist>!$_")) > 0;
  EXPECT_EQ(cards, static_cast<std::size_t>(members));
  EXPECT_NE(blacklist.out.find("CATEGORIES:黑名单,同事,Friends & Family\r\n"), std::string::npos) << blacklist.out;
  EXPECT_NE(blacklist.out.find("X-RINGTONE:\\\\Windows\\\\Rings\\\\铃声 1.wav\r\n"), std::string::npos);

  const std::string file = (root_.path() / "exists.vcf").string();
  std::ofstream(file) << "keep";
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const Case cases[] = {
      {{"export", "--out", file}, 2},  // never overwritten
      {{"export", "--version", "4.0"}, 2},
      {{"export", "extra"}, 2},
      {{"--json", "export"}, 2},
      {{"export", "--group", "nobody"}, 1},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--root", source_.string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(RunVornactl(args).status, c.status) << c.args.back();
  }
  EXPECT_EQ(vorna::test::ReadFileBytes(file), "keep");
  EXPECT_EQ(RunVornactl({"--root", (root_.path() / "empty").string(), "export"}).status, 1);
}

}  // namespace
