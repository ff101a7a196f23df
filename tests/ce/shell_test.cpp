#include "ce/shell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "ce/journal.h"
#include "ce/sound.h"
#include "temp_root.h"
#include "test_helpers.h"

namespace {

using vorna::test::FailedWith;

SHELLEXECUTEINFO Open(const wchar_t* file, const wchar_t* parameters) {
  SHELLEXECUTEINFO info{};
  info.cbSize = sizeof info;
  info.lpVerb = L"open";
  info.lpFile = file;
  info.lpParameters = parameters;
  info.nShow = 5;
  return info;
}

BOOL Launch(const wchar_t* file, const wchar_t* parameters) {
  SHELLEXECUTEINFO info = Open(file, parameters);
  return ShellExecuteEx(&info);
}

// The journal as "kind outcome" lines.
std::vector<std::string> Outcomes() {
  std::vector<std::string> lines;
  for (const ce::JournalEntry& entry : ce::ReadLaunchJournal()) lines.push_back(entry.kind + " " + entry.outcome);
  return lines;
}

class ShellTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ce::UnregisterApplet(L"\\windows\\calldesk.exe");
    ce::SetSoundPlayer({});
  }
  vorna::test::TempDeviceRoot root;
};

TEST_F(ShellTest, LaunchesOfAppletsAndUnknownProgramsAreJournaled) {
  std::wstring received;
  ce::RegisterApplet(L"\\windows\\calldesk.exe", [&](const std::wstring& parameters) {
    received = parameters;
    return true;
  });
  const wchar_t* parameters = L"-n 13800138000\u2593body\twith\ttabs\nand a line\\break";
  SHELLEXECUTEINFO info = Open(L"\\Windows\\CallDesk.EXE", parameters);
  ASSERT_TRUE(ShellExecuteEx(&info));
  EXPECT_GT(reinterpret_cast<uintptr_t>(info.hInstApp), 32u);
  EXPECT_EQ(received, parameters);
  EXPECT_TRUE(Launch(L"calldesk.exe", nullptr)) << "a bare name is the one in \\windows";
  EXPECT_EQ(received, L"");

  EXPECT_EQ(Outcomes(), (std::vector<std::string>{"launch applet", "launch applet"}));
  auto journal = ce::ReadLaunchJournal();
  EXPECT_EQ(journal[0].program, L"\\Windows\\CallDesk.EXE");
  EXPECT_EQ(journal[0].details, parameters);
  EXPECT_EQ(journal[0].time.size(), 24u);
  EXPECT_EQ(journal[0].time.back(), 'Z');
  EXPECT_EQ(journal[1].program, L"calldesk.exe");

  // An unknown program fails but is journaled too.
  info = Open(L"\\windows\\msgdesk.exe", L"-n 10086");
  EXPECT_TRUE(FailedWith(ShellExecuteEx(&info), ERROR_FILE_NOT_FOUND));
  EXPECT_LE(reinterpret_cast<uintptr_t>(info.hInstApp), 32u);
  EXPECT_TRUE(FailedWith(Launch(L"\\..\\..\\etc\\passwd", L""), ERROR_ACCESS_DENIED));

  EXPECT_EQ(Outcomes(), (std::vector<std::string>{"launch applet", "launch applet", "launch not-found",
                                                    "launch failed"}));
  EXPECT_EQ(ce::ReadLaunchJournal()[2].details, L"-n 10086");

  EXPECT_FALSE(ShellExecuteEx(nullptr));
  SHELLEXECUTEINFO small = Open(L"\\windows\\msgdesk.exe", L"");
  small.cbSize = 12;
  EXPECT_TRUE(FailedWith(ShellExecuteEx(&small), ERROR_INVALID_PARAMETER));
  EXPECT_EQ(Outcomes().size(), 4u) << "nothing to journal without a program";
}

TEST_F(ShellTest, ExecutableUnderTheRootIsStartedWithTheParameters) {
  auto windows = root.path() / "Windows";
  std::filesystem::create_directories(windows);
  auto fifo = root.path() / "report";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  {
    std::ofstream script(windows / "TelPrefs.exe");
    script << "#!/bin/sh\nprintf '%s|%s' \"$1\" \"$VORNA_ROOT\" > \"$VORNA_ROOT/report\"\n";
  }
  std::filesystem::permissions(windows / "TelPrefs.exe", std::filesystem::perms::owner_all);
  ASSERT_TRUE(Launch(L"\\windows\\telprefs.exe", L"-p 65536 \u2593"));
  std::ifstream report(fifo);  // opens once the program writes
  std::string text((std::istreambuf_iterator<char>(report)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "-p 65536 \xE2\x96\x93|" + root.path().string());
  EXPECT_EQ(Outcomes(), (std::vector<std::string>{"launch executable"}));

  std::ofstream(windows / "plain.exe") << "not executable";
  EXPECT_FALSE(Launch(L"\\windows\\plain.exe", L""));
}

TEST_F(ShellTest, SoundsAreJournaledAndHandedToThePlayer) {
  std::filesystem::create_directories(root.path() / "windows");
  std::ofstream(root.path() / "windows" / "key.wav") << "RIFF";
  EXPECT_TRUE(PlaySoundW(L"\\Windows\\KEY.wav", nullptr, 0)) << "no player: silent but fine";
  EXPECT_TRUE(FailedWith(PlaySoundW(L"\\windows\\missing.wav", nullptr, 0), ERROR_FILE_NOT_FOUND));

  std::vector<std::filesystem::path> played;
  ce::SetSoundPlayer([&](const std::filesystem::path& file, DWORD flags) {
    played.push_back(file);
    return flags != SND_LOOP;
  });
  EXPECT_TRUE(PlaySoundW(L"\\windows\\key.wav", nullptr, SND_ASYNC));
  EXPECT_FALSE(PlaySoundW(L"\\windows\\key.wav", nullptr, SND_LOOP)) << "the player's refusal is passed on";
  EXPECT_TRUE(PlaySoundW(nullptr, nullptr, 0));
  ASSERT_EQ(played.size(), 3u);
  EXPECT_EQ(played[0], root.path() / "windows" / "key.wav");
  EXPECT_TRUE(played[2].empty()) << "stop";

  EXPECT_EQ(Outcomes(), (std::vector<std::string>{"sound silent", "sound not-found", "sound played", "sound played",
                                                    "sound stopped"}));
  EXPECT_EQ(ce::ReadLaunchJournal()[2].details, L"00000001");
}

}  // namespace
