// vornactl run as a script would run it on a fresh device root: its usage,
// and its contact and call commands.
#include <gtest/gtest.h>
#include <poll.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ce/window_registry.h"
#include "file_bytes.h"
#include "temp_root.h"
#include "vornactl_runner.h"

namespace {

using Result = vorna::test::VornactlResult;

Result Vornactl(const std::vector<std::string>& args, const std::string& env = "") {
  return vorna::test::RunVornactl(args, env);
}

class VornactlCommands : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (root_.path() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  // Two contacts: 张三 with a mobile and an e-mail, and Bad Guy in the
  // blacklist.
  void Seed() {
    const std::string file = Write("two.vcf",
                                   "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8:张;三\r\nTEL;CELL:13800138000\r\n"
                                   "EMAIL;WORK:zs@work.example\r\nEND:VCARD\r\n"
                                   "BEGIN:VCARD\nVERSION:3.0\nN:Guy;Bad\nTEL;TYPE=HOME:075512345678\n"
                                   "CATEGORIES:黑名单\nEND:VCARD\n");
    ASSERT_EQ(Vornactl({"import", file}).status, 0);
  }

  vorna::test::TempDeviceRoot root_;
};

TEST_F(VornactlCommands, UsageErrorsExitWithTwoAndTheRootOptionChoosesTheDeviceRoot) {
  EXPECT_EQ(Vornactl({"--help"}).status, 0);
  EXPECT_EQ(Vornactl({"--version"}).status, 0);
  const std::vector<std::vector<std::string>> misused = {
      {},
      {"no-such-command"},
      {"--root"},
      {"--bogus", "root"},
      {"root", "extra"},
      {"seed", "--contacts", "10"},
      {"seed", "--contacts", "-1", "--calls", "1"},
      {"seed", "--contacts", "x", "--calls", "1"},
      {"seed", "--contacts", "1", "--calls", "1", "--bogus"},
  };
  for (const auto& args : misused) EXPECT_EQ(Vornactl(args).status, 2) << args.size() << " arguments";
  EXPECT_EQ(Vornactl({"contacts"}).status, 1) << "a refused seed stores nothing";
  const std::string elsewhere = (root_.path() / "elsewhere").string();
  EXPECT_EQ(Vornactl({"--root", elsewhere, "--json", "root"}).out, "{\"root\":\"" + elsewhere + "\"}\n");
  // A folder name that is not UTF-8 still gives valid JSON.
  EXPECT_EQ(Vornactl({"--root", elsewhere + "\xff", "--json", "root"}).out,
            "{\"root\":\"" + elsewhere + "\xEF\xBF\xBD\"}\n");  // U+FFFD

  // A command's own help is its usage line.
  const Result help = Vornactl({"identify", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("vornactl [--root DIR] [--json] identify NUMBER"), std::string::npos) << help.out;
}

TEST_F(VornactlCommands, ImportReportsWhatWasStoredAndWhatWasRefused) {
  const std::string good = Write("good.vcf", "BEGIN:VCARD\nVERSION:2.1\nN:;Ann\nEND:VCARD\nBEGIN:VCARD\nN:;Bob\n");
  const std::string bad = Write("bad.vcf", "no card here");
  const Result result = Vornactl({"--json", "import", good, bad, (root_.path() / "missing.vcf").string()});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "{\"imported\":[{\"file\":\"" + good + "\",\"card\":1,\"id\":1,\"name\":\"Ann\"}],"
                        "\"refused\":[{\"file\":\"" + bad + "\",\"card\":0,\"reason\":\"no card in the file\"},"
                        "{\"file\":\"" + (root_.path() / "missing.vcf").string() +
                        "\",\"card\":0,\"reason\":\"cannot read the file\"}]}\n");
  EXPECT_EQ(Vornactl({"import"}).status, 2);
}

TEST_F(VornactlCommands, LookupsAnswerWithTheirExitStatus) {
  Seed();
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
  };
  const Case cases[] = {
      {{"--json", "identify", "13800138000"}, 0,
       "{\"found\":true,\"id\":1,\"name\":\"张三\",\"type\":\"手机\",\"blocked\":false}\n"},
      {{"--json", "identify", "+86 755 1234 5678"}, 0,
       "{\"found\":true,\"id\":2,\"name\":\"Bad Guy\",\"type\":\"家庭\",\"blocked\":true}\n"},
      {{"--json", "identify", "13700137000"}, 1, "{\"found\":false,\"blocked\":false}\n"},
      {{"identify", ""}, 2, ""},
      {{"identify"}, 2, ""},
      {{"sms-blocked", "075512345678"}, 0, "blocked\n"},
      {{"sms-blocked", "13800138000"}, 0, "not blocked\n"},
      {{"filter", "138"}, 0, "1\t张三\t手机\t13800138000\n"},
      {{"filter", "work", "--email"}, 0, "1\t张三\t工作\tzs@work.example\n"},
      {{"filter", "999"}, 1, ""},
      {{"region", "13800138000"}, 0, "北京 北京\n"},
      {{"--json", "region", "+12025550123"}, 0, "{\"found\":true,\"region\":\"国际长途\"}\n"},
      {{"region", "123456"}, 1, "unknown region\n"},
      {{"region", "--bogus", "1"}, 2, ""},
      {{"contacts"}, 0, "2\tB\tBad Guy\t075512345678\n1\tZ\t张三\t13800138000\n"},
      {{"contacts", "--search", "zs"}, 0, "1\tZ\t张三\t13800138000\n"},
      {{"--json", "contacts", "--group", "黑名单"}, 0,
       "[{\"id\":2,\"letter\":\"B\",\"name\":\"Bad Guy\",\"number\":\"075512345678\"}]\n"},
      {{"contacts", "--group", "nobody"}, 1, ""},
      {{"groups"}, 0, "1\t黑名单\t1\n"},
      {{"t9", "97"}, 0, "1\t张三\t13800138000\n"},
      {{"t9", "2234"}, 0, "2\tBad Guy\t075512345678\n"},
      {{"t9", "0013"}, 0, "1\t张三\t13800138000\n"},
      {{"--json", "t9", "2489"}, 0,
       "[{\"id\":2,\"name\":\"Bad Guy\",\"number\":\"075512345678\",\"name_marks\":[0,4,5,6],"
       "\"number_marks\":[]}]\n"},
      {{"--json", "t9", "5512"}, 0,
       "[{\"id\":2,\"name\":\"Bad Guy\",\"number\":\"075512345678\",\"name_marks\":[],"
       "\"number_marks\":[2,3,4,5]}]\n"},
      {{"t9", "6666"}, 1, ""},
      {{"t9", "9a"}, 2, ""},
      {{"t9"}, 2, ""},
  };
  for (const Case& c : cases) {
    const Result result = Vornactl(c.args);
    std::string shown;
    for (const std::string& arg : c.args) shown += arg + " ";
    EXPECT_EQ(result.status, c.status) << shown;
    EXPECT_EQ(result.out, c.out) << shown;
  }
}

TEST_F(VornactlCommands, CardsInBothFormsAndInTheInterfaceLanguage) {
  Seed();
  EXPECT_EQ(Vornactl({"vcard", "2"}).out,
            "BEGIN:VCARD\nVERSION:2.1\nN:Guy;Bad\nCATEGORIES;CHARSET=GBK:\xBA\xDA\xC3\xFB\xB5\xA5\n"
            "TEL;HOME:075512345678\nEND:VCARD");
  EXPECT_EQ(Vornactl({"vcard", "1", "--text"}).out,
            "姓名:  张三\r\n手机电话号码:  13800138000\r\n邮件:  zs@work.example\r\n");
  EXPECT_EQ(Vornactl({"vcard", "1", "--text"}, "VORNA_UI_LANG=0409").out,
            "Name:  张三\r\nMobile Phone number:  13800138000\r\nEmail:  zs@work.example\r\n");

  const std::string out = (root_.path() / "out.vcf").string();
  EXPECT_EQ(Vornactl({"vcard", "2", "--out", out}).status, 0);
  EXPECT_EQ(Vornactl({"vcard", "1", "--out", out}).status, 2) << "an existing file is not overwritten";
  EXPECT_EQ(vorna::test::ReadFileBytes(out), Vornactl({"vcard", "2"}).out);

  EXPECT_EQ(Vornactl({"vcard", "99"}).status, 1);
  for (const char* bad : {"0", "-1", "x", "1e3", "99999999999"}) EXPECT_EQ(Vornactl({"vcard", bad}).status, 2) << bad;
  EXPECT_EQ(Vornactl({"vcard", "1", "--text", "--out", out}).status, 2);
}

TEST_F(VornactlCommands, CallsAreRecordedAndListed) {
  EXPECT_EQ(Vornactl({"calls"}).status, 1);
  EXPECT_EQ(Vornactl({"add-call", "13800138000", "--type", "missed", "--rings", "4", "--at", "2026-12-06 10:15"}).status, 0);
  EXPECT_EQ(Vornactl({"add-call", "", "--type", "incoming", "--seconds", "75", "--at", "1796554800"}).status, 0);
  EXPECT_EQ(Vornactl({"--json", "calls"}).out,
            "[{\"number\":\"\",\"time\":1796554800,\"type\":\"incoming\",\"seconds\":75},"
            "{\"number\":\"13800138000\",\"time\":1796552100,\"type\":\"missed\",\"rings\":4}]\n");
  EXPECT_EQ(Vornactl({"--json", "calls", "--missed", "--number", "13800138000"}).out,
            "[{\"number\":\"13800138000\",\"time\":1796552100,\"type\":\"missed\",\"rings\":4}]\n");

  const std::vector<std::vector<std::string>> refused = {
      {"add-call", "1", "--type", "dropped"},
      {"add-call", "1", "--type", "missed", "--seconds", "3"},
      {"add-call", "1", "--type", "outgoing", "--seconds", "-3"},
      {"add-call", "1", "--type", "outgoing", "--at", "2026-02-30 10:00"},
      {"add-call", "1", "--type", "outgoing", "--at", "2040-01-01 00:00"},
      {"add-call", "1", "--type", "outgoing", "--at", "yesterday"},
      {"add-call", "1"},
      {"add-call", "1", "--type"},
      {"add-call", "1", "--type", "missed", "--type", "missed"},
  };
  for (const auto& args : refused) EXPECT_EQ(Vornactl(args).status, 2) << args.back();
  EXPECT_EQ(Vornactl({"calls"}).out.find("dropped"), std::string::npos);
}

TEST_F(VornactlCommands, NotifyReachesTheHostWindowOfAnotherProcess) {
  EXPECT_EQ(Vornactl({"notify"}).status, 1) << "no host is running";

  std::vector<std::array<long long, 3>> received;
  ce::SetWindowHooks({[&](HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
                        received.push_back({msg, static_cast<long long>(wParam), static_cast<long long>(lParam)});
                        return true;
                      },
                      nullptr});
  HWND host = ce::RegisterWindow(L"CTelhubWnd", ce::WindowScope::TopLevel, nullptr);
  ASSERT_NE(host, nullptr);
  // The message travels through this process's socket, so the check needs
  // another process to send it.
  const Result result = Vornactl({"notify"});
  EXPECT_EQ(result.status, 0);
  pollfd fd{ce::ForeignMessageFd(), POLLIN, 0};
  ASSERT_GT(poll(&fd, 1, 10000), 0) << "no message reached the host";
  ce::PumpForeignMessages();
  EXPECT_EQ(received, (std::vector<std::array<long long, 3>>{{0x404, 0, 0}}));
  ce::UnregisterWindow(host);
}

}  // namespace
